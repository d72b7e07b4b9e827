#pragma once

#include "audio/audio_devices.h"

#include <future>
#include <optional>

namespace qinghe {

class AudioEngine;

// Opens the engine's recording and output devices on a worker thread from the moment it is made, so
// the main window can be built meanwhile. Start-up collects each answer where it would have opened
// that device, in the same order, so the messages about the devices appear where they always did.
// The engine is touched by the main thread only after the worker has finished.
class EarlyAudioDevices final : public AudioDevices {
public:
    explicit EarlyAudioDevices(AudioEngine& engine);
    ~EarlyAudioDevices() override;
    EarlyAudioDevices(const EarlyAudioDevices&) = delete;
    EarlyAudioDevices& operator=(const EarlyAudioDevices&) = delete;

    bool openRecordingDevice() override;
    bool librariesCompatible() const override;
    bool openOutput() override;
    void close() override;

private:
    struct Opened {
        bool recording = false;
        bool output = false;
    };
    const Opened& opened();

    AudioEngine& engine_;
    std::future<Opened> opening_;
    std::optional<Opened> opened_;
};

} // namespace qinghe
