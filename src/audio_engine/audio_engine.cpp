#include "audio_engine/audio_engine.h"

#include "audio_engine/sound_loader.h"

#include <SDL.h>
#include <mpg123.h>

namespace qinghe {

AudioEngine::AudioEngine()
    : mixer_(kOutputRate) {}

AudioEngine::~AudioEngine() {
    close();
}

bool AudioEngine::initAudio() {
    if (!audioInitialised_) {
        // SDL would otherwise turn SIGINT and SIGTERM into quit events nobody reads, and the program
        // could no longer be ended by the system. SDL counts subsystem users, so several engines
        // (tests) may live side by side.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        audioInitialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    return audioInitialised_;
}

bool AudioEngine::openRecordingDevice() {
    return initAudio() && recorder_.open();
}

bool AudioEngine::librariesMatchBuild() {
    SDL_version built{};
    SDL_VERSION(&built);
    SDL_version linked{};
    SDL_GetVersion(&linked);
    const bool sdl = SDL_VERSIONNUM(linked.major, linked.minor, linked.patch) >=
                     SDL_VERSIONNUM(built.major, built.minor, built.patch);
#if MPG123_API_VERSION >= 48
    unsigned int patch = 0;
    const unsigned int api = mpg123_libversion(&patch);
    const bool mpg123 = api > MPG123_API_VERSION || (api == MPG123_API_VERSION && patch >= MPG123_PATCHLEVEL);
#else
    // Before 1.32 libmpg123 cannot tell its version; the dynamic linker has already matched every
    // function we call, so all that is left to check is that it offers a decoder.
    const char** decoders = mpg123_decoders();
    const bool mpg123 = decoders != nullptr && decoders[0] != nullptr;
#endif
    return sdl && mpg123;
}

bool AudioEngine::openOutput() {
    if (output_ != 0) {
        return true;
    }
    if (!initAudio()) {
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kOutputRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kBufferFrames;
    want.callback = &AudioEngine::renderCallback;
    want.userdata = this;
    output_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (output_ != 0) {
        SDL_PauseAudioDevice(output_, 0);
    }
    return output_ != 0;
}

void AudioEngine::close() {
    if (output_ != 0) {
        SDL_CloseAudioDevice(output_);
        output_ = 0;
    }
    recorder_.close();
    for (int slot = 0; slot < static_cast<int>(AudioSlot::Count); ++slot) {
        mixer_.setSound(static_cast<AudioSlot>(slot), nullptr, false, false);
    }
    if (audioInitialised_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInitialised_ = false;
    }
}

void AudioEngine::renderCallback(void* self, std::uint8_t* stream, int length) {
    static_cast<AudioEngine*>(self)->mixer_.render(reinterpret_cast<std::int16_t*>(stream), length / 4);
}

bool AudioEngine::install(AudioSlot slot, std::unique_ptr<SoundSource> source, bool play) {
    // As with any new sound, the slot's previous one is freed even when this one fails.
    const bool ok = source != nullptr;
    mixer_.setSound(slot, std::move(source), slot == AudioSlot::GameMusic, play);
    return ok;
}

bool AudioEngine::playFile(AudioSlot slot, const QString& path) {
    return install(slot, output_ != 0 ? openSoundFile(path) : nullptr, true);
}

bool AudioEngine::loadFile(AudioSlot slot, const QString& path) {
    return install(slot, output_ != 0 ? openSoundFile(path) : nullptr, false);
}

bool AudioEngine::playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) {
    return install(slot, output_ != 0 ? openSoundFile(path, start, end) : nullptr, true);
}

bool AudioEngine::playWavImage(AudioSlot slot, const QByteArray& wav) {
    return install(slot, output_ != 0 ? openWavImage(wav) : nullptr, true);
}

void AudioEngine::playEffect(const QByteArray& wav) {
    if (output_ != 0) {
        mixer_.playEffect(openWavImage(wav));
    }
}

std::int64_t AudioEngine::secondsToBytes(AudioSlot slot, double seconds) const {
    return mixer_.secondsToBytes(slot, seconds);
}

double AudioEngine::bytesToSeconds(AudioSlot slot, std::int64_t bytes) const {
    return mixer_.bytesToSeconds(slot, bytes);
}

void AudioEngine::slideVolume(AudioSlot slot, float target, int milliseconds) {
    mixer_.slideVolume(slot, target, milliseconds);
}

void AudioEngine::slideRate(AudioSlot slot, double target, int milliseconds) {
    mixer_.slideRate(slot, target, milliseconds);
}

} // namespace qinghe
