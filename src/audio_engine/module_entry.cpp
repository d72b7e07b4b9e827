// The one symbol the audio engine module exports: the program finds it by name after loading us.
#include "audio_engine/audio_engine.h"

extern "C" Q_DECL_EXPORT qinghe::AudioEngineModule* qinghe_create_audio_engine() {
    return new qinghe::AudioEngine();
}
