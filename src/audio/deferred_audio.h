#pragma once

#include "audio/audio_engine_module.h"

#include <functional>
#include <future>
#include <memory>
#include <optional>

namespace qinghe {

// The program's audio while its engine module loads: from the moment it is made, a worker thread
// loads the engine and opens the recording device, then the output. Start-up collects each answer
// where it would have opened that device, in the same order, so the messages about the devices
// appear where they always did; every sound call waits for the worker first. Without an engine
// (module missing or broken) the libraries count as incompatible and every sound is silence.
class DeferredAudio final : public AudioService, public AudioDevices {
public:
    using Loader = std::function<std::unique_ptr<AudioEngineModule>()>;
    explicit DeferredAudio(Loader load);
    ~DeferredAudio() override;
    DeferredAudio(const DeferredAudio&) = delete;
    DeferredAudio& operator=(const DeferredAudio&) = delete;

    // The engine once loaded, or null; waits for the worker.
    AudioEngineModule* engine() const;

    bool openRecordingDevice() override;
    bool librariesCompatible() const override;
    bool openOutput() override;
    void close() override;

    bool playFile(AudioSlot slot, const QString& path) override;
    bool loadFile(AudioSlot slot, const QString& path) override;
    bool playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) override;
    bool playWavImage(AudioSlot slot, const QByteArray& wav) override;
    void playEffect(const QByteArray& wav) override;
    void stop(AudioSlot slot) override;
    void free(AudioSlot slot) override;
    void pause(AudioSlot slot) override;
    void resume(AudioSlot slot) override;
    ChannelState state(AudioSlot slot) const override;
    std::int64_t positionBytes(AudioSlot slot) const override;
    std::int64_t lengthBytes(AudioSlot slot) const override;
    bool seekBytes(AudioSlot slot, std::int64_t bytes) override;
    std::int64_t secondsToBytes(AudioSlot slot, double seconds) const override;
    double bytesToSeconds(AudioSlot slot, std::int64_t bytes) const override;
    void setVolume(AudioSlot slot, float volume) override;
    float volume(AudioSlot slot) const override;
    void slideVolume(AudioSlot slot, float target, int milliseconds) override;
    void setRate(AudioSlot slot, double factor) override;
    double rate(AudioSlot slot) const override;
    void slideRate(AudioSlot slot, double target, int milliseconds) override;

private:
    struct Opened {
        std::unique_ptr<AudioEngineModule> engine;
        bool recording = false;
        bool output = false;
    };
    const Opened& opened() const;
    // Runs the call on the engine, or gives `silent` when there is none.
    template <typename Result, typename Call> Result with(Result silent, Call call) const;
    // Runs the call on the engine when there is one.
    template <typename Call> void whenLoaded(Call call);

    mutable std::future<Opened> opening_;
    mutable std::optional<Opened> opened_;
};

// Loads the audio engine module from `moduleDirectory`; null when it is missing or broken.
std::unique_ptr<AudioEngineModule> loadAudioEngineModule(const QString& moduleDirectory);

} // namespace qinghe
