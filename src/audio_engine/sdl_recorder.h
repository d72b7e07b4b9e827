#pragma once

#include "audio/audio_service.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace qinghe {

// Records 16-bit stereo at 44100 Hz from an SDL capture device into a bounded buffer. SDL's
// thread appends under the lock; the UI thread reads the size without it. SDL's audio subsystem
// must be initialised before open() (the engine does that).
class SdlRecorder final : public AudioRecorder {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr std::int64_t kBytesPerSecond = std::int64_t{kRate} * kChannels * 2;
    // Recordings stop by themselves after 212 seconds; the margin covers the timer's lateness.
    static constexpr std::int64_t kMaxBytes = (212 + 8) * kBytesPerSecond;

    // At most `maxBytes` of samples are kept (whole frames); later ones are dropped.
    explicit SdlRecorder(std::int64_t maxBytes = kMaxBytes)
        : maxBytes_(maxBytes - maxBytes % 4) {}
    ~SdlRecorder() override;
    SdlRecorder(const SdlRecorder&) = delete;
    SdlRecorder& operator=(const SdlRecorder&) = delete;

    // Opens the default capture device, paused; the result is what available() reports.
    bool open();
    void close();

    bool available() const override { return available_; }
    QStringList inputNames() const override;
    int currentInput() const override { return current_; }
    bool selectInput(int index) override;
    void setInputVolume(float volume) override;
    float inputVolume() const override { return gain_.load(); }
    bool start() override;
    void stop() override;
    bool isRecording() const override;
    // Sample bytes recorded so far, without the 44-byte header.
    std::int64_t recordedBytes() const override { return size_.load(); }
    QByteArray wavImage() const override;

private:
    static void capture(void* self, std::uint8_t* stream, int length);
    bool openDevice(const QString& name);
    void closeDevice();

    const std::int64_t maxBytes_;
    std::uint32_t device_ = 0;
    bool available_ = false;
    int current_ = -1;
    QString currentName_; // empty: the system's default device
    std::atomic<float> gain_{1.0f};
    std::atomic<std::int64_t> size_{0};
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_;
    bool recording_ = false;
};

} // namespace qinghe
