#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qinghe::edition {

// One MPEG audio Layer III frame of a file.
struct Mp3Frame {
    std::int64_t offset = 0; // of its header, from the start of the bytes walked
    int length = 0;          // bytes, header included
    int samples = 0;         // per channel: 1152 (MPEG-1) or 576 (MPEG-2 and 2.5)
    int sampleRate = 0;
};

// The Layer III frames that follow one another from the first byte of `bytes`, header to header. The
// walk stops at the first byte that does not begin a whole frame (a tag, garbage, a cut-off frame),
// so the result is empty for anything that does not start with a frame.
std::vector<Mp3Frame> mp3Frames(std::span<const std::uint8_t> bytes);

} // namespace qinghe::edition
