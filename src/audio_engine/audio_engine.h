#pragma once

#include "audio/audio_engine_module.h"
#include "audio_engine/mixer.h"
#include "audio_engine/sdl_recorder.h"

#include <cstdint>

namespace qinghe {

// The real sound: SDL2's audio device fed by our mixer, MP3 decoded by libmpg123, WAV by our own
// reader. Start-up calls openRecordingDevice(), librariesCompatible() and openOutput() in that
// order; close() releases everything. Without an output device every sound is silence and the
// play calls return false.
class AudioEngine final : public AudioEngineModule {
public:
    static constexpr int kOutputRate = 44100;
    // 256 frames (5.8 ms) per device callback: a new sound reaches the device within 10 ms.
    static constexpr int kBufferFrames = 256;

    AudioEngine();
    ~AudioEngine() override;
    AudioEngine(const AudioEngine&) = delete;
    AudioEngine& operator=(const AudioEngine&) = delete;

    // Opens the default capture device, paused; the result is the run-wide "recording available".
    bool openRecordingDevice() override;
    // The SDL2 and mpg123 found at run time are at least as new as those we were built against.
    bool librariesCompatible() const override { return librariesMatchBuild(); }
    static bool librariesMatchBuild();
    // Opens the default output device: 44100 Hz, stereo, 16-bit.
    bool openOutput() override;
    bool outputOpen() const { return output_ != 0; }
    // Releases devices and sounds; safe to call again, errors ignored.
    void close() override;

    AudioRecorder& recorder() { return recorder_; }

    bool playFile(AudioSlot slot, const QString& path) override;
    bool loadFile(AudioSlot slot, const QString& path) override;
    bool playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) override;
    bool playWavImage(AudioSlot slot, const QByteArray& wav) override;
    void playEffect(const QByteArray& wav) override;

    void stop(AudioSlot slot) override { mixer_.stop(slot); }
    void free(AudioSlot slot) override { mixer_.setSound(slot, nullptr, false, false); }
    void pause(AudioSlot slot) override { mixer_.pause(slot); }
    void resume(AudioSlot slot) override { mixer_.resume(slot); }
    ChannelState state(AudioSlot slot) const override { return mixer_.state(slot); }

    std::int64_t positionBytes(AudioSlot slot) const override { return mixer_.positionBytes(slot); }
    std::int64_t lengthBytes(AudioSlot slot) const override { return mixer_.lengthBytes(slot); }
    bool seekBytes(AudioSlot slot, std::int64_t bytes) override { return mixer_.seekBytes(slot, bytes); }
    std::int64_t secondsToBytes(AudioSlot slot, double seconds) const override;
    double bytesToSeconds(AudioSlot slot, std::int64_t bytes) const override;

    void setVolume(AudioSlot slot, float volume) override { mixer_.setVolume(slot, volume); }
    float volume(AudioSlot slot) const override { return mixer_.volume(slot); }
    void slideVolume(AudioSlot slot, float target, int milliseconds) override;
    void setRate(AudioSlot slot, double factor) override { mixer_.setRate(slot, factor); }
    double rate(AudioSlot slot) const override { return mixer_.rate(slot); }
    void slideRate(AudioSlot slot, double target, int milliseconds) override;

private:
    bool initAudio();
    bool install(AudioSlot slot, std::unique_ptr<SoundSource> source, bool play);
    static void renderCallback(void* self, std::uint8_t* stream, int length);

    Mixer mixer_;
    SdlRecorder recorder_;
    std::uint32_t output_ = 0;
    bool audioInitialised_ = false;
};

} // namespace qinghe
