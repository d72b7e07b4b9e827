#include "audio/early_audio_devices.h"

#include "audio/audio_engine.h"

#include <system_error>

namespace qinghe {

EarlyAudioDevices::EarlyAudioDevices(AudioEngine& engine)
    : engine_(engine) {
    const auto open = [&engine] {
        Opened result;
        result.recording = engine.openRecordingDevice();
        result.output = engine.openOutput();
        return result;
    };
    try {
        opening_ = std::async(std::launch::async, open);
    } catch (const std::system_error&) {
        // No thread to spare: the devices open on the main thread when first asked about.
        opening_ = std::async(std::launch::deferred, open);
    }
}

EarlyAudioDevices::~EarlyAudioDevices() {
    // The worker must not outlive the engine it works on.
    opened();
}

const EarlyAudioDevices::Opened& EarlyAudioDevices::opened() {
    if (!opened_) {
        opened_ = opening_.get();
    }
    return *opened_;
}

bool EarlyAudioDevices::openRecordingDevice() {
    return opened().recording;
}

bool EarlyAudioDevices::librariesCompatible() const {
    return AudioEngine::librariesCompatible();
}

bool EarlyAudioDevices::openOutput() {
    return opened().output;
}

void EarlyAudioDevices::close() {
    opened();
    engine_.close();
}

} // namespace qinghe
