#pragma once

#include "audio_engine/sound_source.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

struct mpg123_handle_struct;

namespace qinghe {

// MPEG audio decoded by libmpg123 from bytes held in memory. The bytes may be any slice of a file:
// the decoder resyncs to the first whole frame. mpg123 reads them through our own reader, so it
// sees exactly these bytes and can still seek to a sample and count the length exactly.
class Mp3Source final : public SoundSource {
public:
    // nullptr unless the bytes hold at least one decodable frame.
    static std::unique_ptr<Mp3Source> open(QByteArray bytes);
    ~Mp3Source() override;
    Mp3Source(const Mp3Source&) = delete;
    Mp3Source& operator=(const Mp3Source&) = delete;

    int sampleRate() const override { return rate_; }
    int channels() const override { return channels_; }
    std::int64_t lengthFrames() override;
    int read(std::int16_t* out, int frames) override;
    bool seek(std::int64_t frame) override;

private:
    struct HandleDeleter {
        void operator()(mpg123_handle_struct* handle) const;
    };
    struct MemoryReader;

    Mp3Source();
    bool start(QByteArray bytes);
    // Whether a format change mid-stream keeps the format the sound started with.
    bool formatUnchanged();

    // Declared before the handle, which reads through it until it is deleted.
    std::unique_ptr<MemoryReader> reader_;
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle_;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t length_ = -1;
    bool ended_ = false;
    // The first samples, decoded at open time to prove the bytes are audio.
    std::vector<std::int16_t> pending_;
    std::size_t pendingOffset_ = 0;
};

} // namespace qinghe
