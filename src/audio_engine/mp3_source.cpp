#include "audio_engine/mp3_source.h"

#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace qinghe {

namespace {

// Mid-file slices start inside a frame, and high-bitrate frames exceed mpg123's default of 1 KiB.
constexpr long kResyncLimitBytes = 16 * 1024;
// A read that keeps returning nothing without an error or the end is treated as the end.
constexpr int kMaxEmptyReads = 64;
// Two MPEG-1 frames of stereo: what is decoded at open time.
constexpr std::size_t kFirstReadSamples = 2 * 1152 * 2;

} // namespace

struct Mp3Source::MemoryReader {
    QByteArray bytes;
    std::int64_t offset = 0;

    static ssize_t read(void* handle, void* buffer, size_t length) {
        auto* self = static_cast<MemoryReader*>(handle);
        const std::int64_t left = self->bytes.size() - self->offset;
        const auto count =
            static_cast<std::int64_t>(std::min<std::uint64_t>(length, std::max<std::int64_t>(left, 0)));
        std::memcpy(buffer, self->bytes.constData() + self->offset, static_cast<std::size_t>(count));
        self->offset += count;
        return static_cast<ssize_t>(count);
    }

    static off_t seek(void* handle, off_t offset, int whence) {
        auto* self = static_cast<MemoryReader*>(handle);
        std::int64_t target = offset;
        if (whence == SEEK_CUR) {
            target += self->offset;
        } else if (whence == SEEK_END) {
            target += self->bytes.size();
        } else if (whence != SEEK_SET) {
            return -1;
        }
        if (target < 0 || target > self->bytes.size()) {
            return -1;
        }
        self->offset = target;
        return static_cast<off_t>(target);
    }
};

void Mp3Source::HandleDeleter::operator()(mpg123_handle_struct* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
}

Mp3Source::Mp3Source() = default;
Mp3Source::~Mp3Source() = default;

std::unique_ptr<Mp3Source> Mp3Source::open(QByteArray bytes) {
    std::unique_ptr<Mp3Source> source(new Mp3Source());
    if (!source->start(std::move(bytes))) {
        return nullptr;
    }
    return source;
}

bool Mp3Source::start(QByteArray bytes) {
    if (bytes.isEmpty()) {
        return false;
    }
    reader_ = std::make_unique<MemoryReader>();
    reader_->bytes = std::move(bytes);
    int error = MPG123_OK;
    handle_.reset(mpg123_new(nullptr, &error));
    if (!handle_) {
        return false;
    }
    mpg123_handle* mh = handle_.get();
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_param(mh, MPG123_RESYNC_LIMIT, kResyncLimitBytes, 0.0);
    // Always signed 16-bit at the stream's own rate and channel count; the mixer converts.
    mpg123_format_none(mh);
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i) {
        mpg123_format(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
    if (mpg123_replace_reader_handle(mh, &MemoryReader::read, &MemoryReader::seek, nullptr) != MPG123_OK ||
        mpg123_open_handle(mh, reader_.get()) != MPG123_OK) {
        return false;
    }
    // Decode the first samples now: a file without a decodable frame is no sound at all. Reading
    // (rather than decoding a raw frame) keeps mpg123's gapless trimming of the encoder delay.
    pending_.resize(kFirstReadSamples);
    for (int attempt = 0; attempt < kMaxEmptyReads; ++attempt) {
        std::size_t done = 0;
        const int result = mpg123_read(mh, pending_.data(), pending_.size() * sizeof(std::int16_t), &done);
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0;
            int encoding = 0;
            if (mpg123_getformat(mh, &rate, &channels, &encoding) != MPG123_OK || channels < 1 ||
                channels > 2 || encoding != MPG123_ENC_SIGNED_16 || rate <= 0) {
                return false;
            }
            rate_ = static_cast<int>(rate);
            channels_ = channels;
            continue;
        }
        const std::size_t samples = done / sizeof(std::int16_t);
        if (rate_ > 0 && samples >= static_cast<std::size_t>(channels_)) {
            pending_.resize(samples - samples % static_cast<std::size_t>(channels_));
            ended_ = result != MPG123_OK;
            return true;
        }
        if (result != MPG123_OK) {
            return false;
        }
    }
    return false;
}

bool Mp3Source::formatUnchanged() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    return mpg123_getformat(handle_.get(), &rate, &channels, &encoding) == MPG123_OK && rate == rate_ &&
           channels == channels_ && encoding == MPG123_ENC_SIGNED_16;
}

std::int64_t Mp3Source::lengthFrames() {
    if (length_ < 0) {
        // A full header scan gives the exact count; mpg123 returns to the current position after it.
        mpg123_scan(handle_.get());
        length_ = std::max<std::int64_t>(mpg123_length(handle_.get()), 0);
    }
    return length_;
}

int Mp3Source::read(std::int16_t* out, int frames) {
    int written = 0;
    const auto take = static_cast<std::size_t>(channels_);
    while (written < frames && pendingOffset_ < pending_.size()) {
        const std::size_t count = std::min<std::size_t>((pending_.size() - pendingOffset_) / take,
                                                        static_cast<std::size_t>(frames - written));
        if (count == 0) {
            pendingOffset_ = pending_.size();
            break;
        }
        std::copy_n(pending_.data() + pendingOffset_, count * take, out + written * take);
        pendingOffset_ += count * take;
        written += static_cast<int>(count);
    }
    int emptyReads = 0;
    while (written < frames && !ended_) {
        std::size_t done = 0;
        const std::size_t wanted = static_cast<std::size_t>(frames - written) * take * sizeof(std::int16_t);
        const int result = mpg123_read(handle_.get(), out + written * take, wanted, &done);
        written += static_cast<int>(done / (take * sizeof(std::int16_t)));
        if (result == MPG123_NEW_FORMAT) {
            ended_ = !formatUnchanged();
        } else if (result != MPG123_OK) {
            ended_ = true;
        } else if (done == 0 && ++emptyReads >= kMaxEmptyReads) {
            ended_ = true;
        }
    }
    return written;
}

bool Mp3Source::seek(std::int64_t frame) {
    if (frame < 0 || mpg123_seek(handle_.get(), static_cast<off_t>(frame), SEEK_SET) < 0) {
        return false;
    }
    pending_.clear();
    pendingOffset_ = 0;
    ended_ = false;
    return true;
}

} // namespace qinghe
