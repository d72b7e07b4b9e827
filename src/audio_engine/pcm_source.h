#pragma once

#include "audio_engine/sound_source.h"
#include "audio_engine/wav_reader.h"

#include <QByteArray>

#include <memory>

namespace qinghe {

// WAV sample data held in memory (a file's data chunk, or a slice of a WAV image).
class PcmSource final : public SoundSource {
public:
    // The frames lie in `bytes` at `format`'s data offset and size (already checked against it).
    PcmSource(const WavInfo& format, QByteArray bytes);

    // The data chunk of a complete WAV image, or nullptr when the image is unusable or empty.
    static std::unique_ptr<PcmSource> fromWavImage(const QByteArray& wav);

    int sampleRate() const override { return format_.sampleRate; }
    int channels() const override { return format_.channels; }
    std::int64_t lengthFrames() override { return frames_; }
    int read(std::int16_t* out, int frames) override;
    bool seek(std::int64_t frame) override;

private:
    WavInfo format_;
    QByteArray bytes_;
    std::int64_t frames_ = 0;
    std::int64_t next_ = 0;
};

} // namespace qinghe
