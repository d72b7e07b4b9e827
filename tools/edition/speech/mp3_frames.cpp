#include "mp3_frames.h"

#include <array>
#include <optional>

namespace qinghe::edition {

namespace {

// Kilobits per second by bitrate index; index 0 (free format) and 15 (invalid) are refused.
constexpr std::array<int, 15> kMpeg1Bitrates{0,   32,  40,  48,  56,  64,  80, 96,
                                             112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, 15> kMpeg2Bitrates{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

std::optional<Mp3Frame> frameAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (bytes.size() - offset < 4) {
        return std::nullopt;
    }
    const std::uint8_t* h = bytes.data() + offset;
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) {
        return std::nullopt;
    }
    const int version = (h[1] >> 3) & 3; // 0: MPEG-2.5, 1: reserved, 2: MPEG-2, 3: MPEG-1
    const int layer = (h[1] >> 1) & 3;   // 1: Layer III
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    const int padding = (h[2] >> 1) & 1;
    if (version == 1 || layer != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return std::nullopt;
    }
    const bool mpeg1 = version == 3;
    constexpr int kRates[3] = {44100, 48000, 32000};
    const int rate = kRates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int bitrate = (mpeg1 ? kMpeg1Bitrates : kMpeg2Bitrates)[std::size_t(bitrateIndex)] * 1000;
    Mp3Frame frame;
    frame.offset = std::int64_t(offset);
    frame.samples = mpeg1 ? 1152 : 576;
    frame.length = (mpeg1 ? 144 : 72) * bitrate / rate + padding;
    frame.sampleRate = rate;
    if (std::size_t(frame.length) > bytes.size() - offset) {
        return std::nullopt;
    }
    return frame;
}

} // namespace

std::vector<Mp3Frame> mp3Frames(std::span<const std::uint8_t> bytes) {
    std::vector<Mp3Frame> frames;
    std::size_t offset = 0;
    while (const std::optional<Mp3Frame> frame = frameAt(bytes, offset)) {
        frames.push_back(*frame);
        offset += std::size_t(frame->length);
    }
    return frames;
}

} // namespace qinghe::edition
