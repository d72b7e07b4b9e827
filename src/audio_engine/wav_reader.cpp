#include "audio_engine/wav_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace qinghe {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// A walk over a damaged file must end even when every chunk is tiny.
constexpr int kMaxChunks = 4096;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool readExactly(const WavReadAt& readAt, std::int64_t offset, void* buffer, std::int64_t length) {
    return readAt(offset, buffer, length) == length;
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    bool isFloat = false;
};

std::optional<Format> parseFormat(const std::uint8_t* p, std::uint32_t size) {
    if (size < 16) {
        return std::nullopt;
    }
    std::uint16_t tag = le16(p);
    const int channels = le16(p + 2);
    const std::uint32_t rate = le32(p + 4);
    const int bits = le16(p + 14);
    if (tag == kFormatExtensible) {
        // The sub-format GUID starts with the plain format tag.
        if (size < 40) {
            return std::nullopt;
        }
        tag = le16(p + 24);
    }
    if (channels < 1 || channels > 2 || rate < kMinRate || rate > kMaxRate) {
        return std::nullopt;
    }
    if (tag == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
        return Format{channels, static_cast<int>(rate), bits, false};
    }
    if (tag == kFormatFloat && bits == 32) {
        return Format{channels, static_cast<int>(rate), bits, true};
    }
    return std::nullopt;
}

} // namespace

std::optional<WavInfo> readWavInfo(const WavReadAt& readAt, std::int64_t fileSize) {
    std::array<std::uint8_t, 12> riff{};
    if (fileSize < 12 || !readExactly(readAt, 0, riff.data(), 12)) {
        return std::nullopt;
    }
    if (std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    // The RIFF size is often wrong (streams, truncated copies); the real file size bounds the walk.
    std::optional<Format> format;
    std::int64_t dataOffset = -1;
    std::int64_t dataSize = 0;
    std::int64_t offset = 12;
    for (int chunk = 0; chunk < kMaxChunks && offset + 8 <= fileSize; ++chunk) {
        std::array<std::uint8_t, 8> header{};
        if (!readExactly(readAt, offset, header.data(), 8)) {
            break;
        }
        const std::uint32_t size = le32(header.data() + 4);
        const std::int64_t body = offset + 8;
        const std::int64_t available = fileSize - body;
        if (std::memcmp(header.data(), "fmt ", 4) == 0 && !format) {
            if (size > available) {
                break;
            }
            std::array<std::uint8_t, 40> fmt{};
            const auto wanted = static_cast<std::int64_t>(std::min<std::uint32_t>(size, 40));
            if (!readExactly(readAt, body, fmt.data(), wanted)) {
                break;
            }
            format = parseFormat(fmt.data(), size);
            if (!format) {
                return std::nullopt;
            }
        } else if (std::memcmp(header.data(), "data", 4) == 0 && dataOffset < 0) {
            dataOffset = body;
            // Writers that could not go back to patch the header leave 0 or all ones: the samples
            // then run to the end of the file, as they do when the file was cut short.
            const bool unknown = size == 0 || size == 0xFFFFFFFFu;
            dataSize = unknown ? available : std::min<std::int64_t>(size, available);
            if (unknown || size >= available) {
                break;
            }
        }
        if (format && dataOffset >= 0) {
            break;
        }
        // Chunks are padded to an even length.
        offset = body + static_cast<std::int64_t>(size) + (size & 1u);
    }
    if (!format || dataOffset < 0) {
        return std::nullopt;
    }
    WavInfo info;
    info.channels = format->channels;
    info.sampleRate = format->rate;
    info.bitsPerSample = format->bits;
    info.isFloat = format->isFloat;
    info.blockAlign = format->channels * format->bits / 8;
    info.dataOffset = dataOffset;
    info.dataSize = dataSize - dataSize % info.blockAlign;
    return info;
}

std::optional<WavInfo> readWavInfo(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const auto total = static_cast<std::int64_t>(size);
    return readWavInfo(
        [bytes, total](std::int64_t offset, void* buffer, std::int64_t length) -> std::int64_t {
            if (offset < 0 || offset >= total || length <= 0) {
                return 0;
            }
            const std::int64_t count = std::min(length, total - offset);
            std::memcpy(buffer, bytes + offset, static_cast<std::size_t>(count));
            return count;
        },
        total);
}

void convertWavSamples(const WavInfo& info, const std::uint8_t* in, std::int16_t* out, std::int64_t frames) {
    const std::int64_t samples = frames * info.channels;
    switch (info.bitsPerSample) {
    case 8:
        for (std::int64_t i = 0; i < samples; ++i) {
            out[i] = static_cast<std::int16_t>((in[i] - 128) * 256);
        }
        break;
    case 16:
        for (std::int64_t i = 0; i < samples; ++i) {
            out[i] = static_cast<std::int16_t>(le16(in + 2 * i));
        }
        break;
    case 24:
        for (std::int64_t i = 0; i < samples; ++i) {
            out[i] = static_cast<std::int16_t>(le16(in + 3 * i + 1));
        }
        break;
    case 32:
        for (std::int64_t i = 0; i < samples; ++i) {
            const std::uint32_t word = le32(in + 4 * i);
            if (info.isFloat) {
                float value = 0;
                std::memcpy(&value, &word, sizeof value);
                // NaN compares false both ways and becomes silence.
                const float clamped = value > 1.0f ? 1.0f : (value >= -1.0f ? value : -1.0f);
                out[i] = static_cast<std::int16_t>(std::isnan(value) ? 0 : std::lrint(clamped * 32767.0f));
            } else {
                out[i] = static_cast<std::int16_t>(word >> 16);
            }
        }
        break;
    default:
        std::fill(out, out + samples, std::int16_t{0});
        break;
    }
}

} // namespace qinghe
