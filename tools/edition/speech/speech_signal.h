#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qinghe::edition {

using Samples = std::vector<std::int16_t>;

// Half-open range of sample indexes.
struct SampleRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool empty() const { return end <= begin; }
    bool operator==(const SampleRange&) const = default;
};

// From the first to the last sample whose magnitude exceeds `threshold`, widened by `margin` samples on
// each side as far as the signal goes. Empty when nothing exceeds the threshold.
SampleRange audibleRange(std::span<const std::int16_t> samples, int threshold, std::size_t margin);

// Root mean square of the windows of `window` samples whose own RMS reaches `gate`, so that pauses
// inside a sentence do not make it sound quieter than a single word. 0 when no window qualifies.
double gatedRms(std::span<const std::int16_t> samples, std::size_t window, double gate);

struct LoudnessTarget {
    double rms = 0;     // the level speech is brought to
    double peakCap = 0; // no sample may go beyond this
    std::size_t window = 0;
    double gate = 0;
};

// The gain that brings the gated RMS to the target unless that would push the peak past the cap.
// 1 for a signal with nothing above the gate.
double loudnessGain(std::span<const std::int16_t> samples, const LoudnessTarget& target);

// Multiplies every sample by `gain`, rounding to nearest and clamping to 16 bits.
void applyGain(Samples& samples, double gain);

// Raised-cosine fade over the first and last `length` samples (less for shorter signals), so that a
// cut made at the threshold never clicks.
void fadeEdges(Samples& samples, std::size_t length);

// Doubles the sample rate with a windowed-sinc half-band filter: even output samples are the input
// samples themselves, odd ones are interpolated. Twice as many samples come out.
Samples upsampleTwice(std::span<const std::int16_t> samples);

// The largest magnitude of any sample.
int peakOf(std::span<const std::int16_t> samples);

} // namespace qinghe::edition
