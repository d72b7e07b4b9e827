#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace qinghe {

// Where the samples of a WAV file lie and how to read them. Plain C++ so that the fuzzer needs
// nothing else.
struct WavInfo {
    int channels = 0;      // 1 or 2
    int sampleRate = 0;    // frames per second
    int bitsPerSample = 0; // 8, 16, 24 or 32
    bool isFloat = false;  // 32-bit IEEE float samples instead of integers
    int blockAlign = 0;    // bytes per frame, derived from the two values above (headers lie)
    // The data chunk, clipped to the bytes the file holds and to whole frames.
    std::int64_t dataOffset = 0;
    std::int64_t dataSize = 0;

    std::int64_t frames() const { return blockAlign > 0 ? dataSize / blockAlign : 0; }
};

// Reads `length` bytes at `offset` into `buffer`; returns the count read (short at the end).
using WavReadAt = std::function<std::int64_t(std::int64_t offset, void* buffer, std::int64_t length)>;

// Walks the RIFF chunks of a WAV file of `fileSize` bytes. Accepts PCM 8/16/24/32-bit and 32-bit
// float, mono or stereo, at any sane rate, also in the extensible layout. Every size in the file is
// checked against the file itself; nullopt for anything that is not such a file.
std::optional<WavInfo> readWavInfo(const WavReadAt& readAt, std::int64_t fileSize);

// The same over a complete file image in memory.
std::optional<WavInfo> readWavInfo(const void* data, std::size_t size);

// Converts `frames` frames of WAV sample data in `info`'s format to interleaved signed 16-bit.
void convertWavSamples(const WavInfo& info, const std::uint8_t* in, std::int16_t* out, std::int64_t frames);

} // namespace qinghe
