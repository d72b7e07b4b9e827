#pragma once

#include <cstdint>

namespace qinghe {

// A decoded sound: interleaved signed 16-bit frames in the sound's own rate and channel count.
// Used by one thread at a time (the mixer serialises access).
class SoundSource {
public:
    virtual ~SoundSource() = default;

    virtual int sampleRate() const = 0;
    virtual int channels() const = 0; // 1 or 2
    // Total frames; may need a scan of the whole sound the first time.
    virtual std::int64_t lengthFrames() = 0;
    // Decodes up to `frames` frames into `out`; returns how many were written, 0 at the end.
    virtual int read(std::int16_t* out, int frames) = 0;
    // Moves the next read to `frame` (0 .. lengthFrames()).
    virtual bool seek(std::int64_t frame) = 0;
};

} // namespace qinghe
