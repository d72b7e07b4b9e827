#include "speech_signal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace qinghe::edition {

namespace {

std::int16_t clamp16(double value) {
    return static_cast<std::int16_t>(std::clamp(std::lrint(value), -32768L, 32767L));
}

// Taps on each side of the interpolated point. 16 keeps the images of a 22.05-kHz voice far below
// what a 48-kbit/s encoder keeps.
constexpr int kHalfTaps = 16;

std::array<double, kHalfTaps> halfBandTaps() {
    std::array<double, kHalfTaps> taps{};
    double sum = 0;
    for (int k = 0; k < kHalfTaps; ++k) {
        const double distance = k + 0.5;
        const double sinc = std::sin(std::numbers::pi * distance) / (std::numbers::pi * distance);
        const double phase = std::numbers::pi * distance / kHalfTaps; // Blackman window over the taps
        const double window = 0.42 + 0.5 * std::cos(phase) + 0.08 * std::cos(2 * phase);
        taps[std::size_t(k)] = sinc * window;
        sum += 2 * taps[std::size_t(k)];
    }
    for (double& tap : taps) {
        tap /= sum; // unity gain at 0 Hz
    }
    return taps;
}

} // namespace

SampleRange audibleRange(std::span<const std::int16_t> samples, int threshold, std::size_t margin) {
    const auto loud = [threshold](std::int16_t s) { return std::abs(int(s)) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        return {};
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud);
    const std::size_t begin = std::size_t(first - samples.begin());
    const std::size_t end = samples.size() - std::size_t(last - samples.rbegin());
    return {begin > margin ? begin - margin : 0, std::min(samples.size(), end + margin)};
}

double gatedRms(std::span<const std::int16_t> samples, std::size_t window, double gate) {
    if (window == 0) {
        return 0;
    }
    double total = 0;
    std::size_t counted = 0;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double energy = 0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += double(samples[i]) * double(samples[i]);
        }
        if (std::sqrt(energy / double(window)) >= gate) {
            total += energy;
            counted += window;
        }
    }
    return counted == 0 ? 0 : std::sqrt(total / double(counted));
}

double loudnessGain(std::span<const std::int16_t> samples, const LoudnessTarget& target) {
    const double rms = gatedRms(samples, target.window, target.gate);
    const int peak = peakOf(samples);
    if (rms <= 0 || peak == 0) {
        return 1;
    }
    return std::min(target.rms / rms, target.peakCap / double(peak));
}

void applyGain(Samples& samples, double gain) {
    for (std::int16_t& s : samples) {
        s = clamp16(double(s) * gain);
    }
}

void fadeEdges(Samples& samples, std::size_t length) {
    const std::size_t n = std::min(length, samples.size() / 2);
    for (std::size_t i = 0; i < n; ++i) {
        const double w = 0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(n));
        samples[i] = clamp16(double(samples[i]) * w);
        std::int16_t& tail = samples[samples.size() - 1 - i];
        tail = clamp16(double(tail) * w);
    }
}

Samples upsampleTwice(std::span<const std::int16_t> samples) {
    static const std::array<double, kHalfTaps> taps = halfBandTaps();
    // Zeros on both sides let the inner loop run without bounds checks.
    std::vector<double> padded(samples.size() + 2 * kHalfTaps, 0.0);
    std::copy(samples.begin(), samples.end(), padded.begin() + kHalfTaps);
    Samples out(samples.size() * 2);
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double* left = padded.data() + kHalfTaps + n;
        double mid = 0;
        for (std::size_t k = 0; k < kHalfTaps; ++k) {
            mid += taps[k] * (left[-std::ptrdiff_t(k)] + left[k + 1]);
        }
        out[2 * n] = samples[n];
        out[2 * n + 1] = clamp16(mid);
    }
    return out;
}

int peakOf(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t s : samples) {
        peak = std::max(peak, std::abs(int(s)));
    }
    return peak;
}

} // namespace qinghe::edition
