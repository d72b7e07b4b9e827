#pragma once

#include "audio/audio_devices.h"
#include "audio/audio_service.h"

namespace qinghe {

// The audio engine as its module hands it to the program: the sounds and the devices. The module
// (SDL2, libmpg123 and what they pull in) is loaded on a worker thread while the main window is
// built, so start-up does not wait for those libraries.
class AudioEngineModule : public AudioService, public AudioDevices {};

// The module's one exported function: a new engine, devices not yet opened.
using CreateAudioEngineModule = AudioEngineModule* (*)();
inline constexpr char kAudioModuleFile[] = "qinghe-audio";
inline constexpr char kAudioModuleEntry[] = "qinghe_create_audio_engine";

} // namespace qinghe
