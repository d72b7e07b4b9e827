#include "speech/speech_settings.h"
#include "speech/speech_signal.h"
#include "speech_test_util.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qinghe::edition {
namespace {

using test::rmsOf;

Samples sine(std::size_t count, double amplitude, double cyclesPerSample) {
    Samples out(count);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = std::int16_t(
            std::lrint(amplitude * std::sin(2 * std::numbers::pi * cyclesPerSample * double(i))));
    }
    return out;
}

TEST(SpeechSignal, AudibleRangeFindsTheLoudSamplesAndKeepsTheMargins) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::size_t, std::int16_t>> loud; // index, value; the rest is 0
        std::size_t size;
        int threshold;
        std::size_t margin;
        SampleRange expected;
    };
    const Case cases[] = {
        {"silence", {}, 1000, 100, 10, {0, 0}},
        {"at the threshold is silence", {{500, 100}, {600, -100}}, 1000, 100, 10, {0, 0}},
        {"one sample", {{500, 101}}, 1000, 100, 10, {490, 511}},
        {"negative samples count", {{300, -4000}, {700, 150}}, 1000, 100, 20, {280, 721}},
        {"margins stop at the ends", {{3, 5000}, {998, 5000}}, 1000, 100, 10, {0, 1000}},
        {"no margin", {{0, 32767}, {999, -32768}}, 1000, 100, 0, {0, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Samples samples(c.size, 0);
        for (const auto& [index, value] : c.loud) {
            samples[index] = value;
        }
        EXPECT_EQ(audibleRange(samples, c.threshold, c.margin), c.expected);
    }
}

TEST(SpeechSignal, GatedRmsIgnoresThePausesBetweenWords) {
    // A square wave of 1000 in the first and last 100-sample windows, silence and a faint hiss between.
    Samples samples(1000, 0);
    for (std::size_t i = 0; i < 100; ++i) {
        samples[i] = i % 2 == 0 ? 1000 : -1000;
        samples[900 + i] = i % 2 == 0 ? -1000 : 1000;
    }
    for (std::size_t i = 400; i < 500; ++i) {
        samples[i] = 50;
    }
    EXPECT_DOUBLE_EQ(gatedRms(samples, 100, 200), 1000.0);
    EXPECT_NEAR(gatedRms(samples, 100, 10), std::sqrt((2 * 100 * 1e6 + 100 * 2500.0) / 300.0), 1e-9);
    EXPECT_DOUBLE_EQ(gatedRms(samples, 100, 2000), 0.0);
    EXPECT_DOUBLE_EQ(gatedRms(samples, 0, 10), 0.0);
    // A window cut off at the end is not counted.
    EXPECT_DOUBLE_EQ(gatedRms(std::span(samples).first(950), 100, 200), 1000.0);
}

TEST(SpeechSignal, LoudnessGainMeetsTheRmsTargetUnlessThePeakCapBinds) {
    const LoudnessTarget target{4000.0, 29000.0, 100, 300.0};
    // A square wave has RMS equal to its peak: the RMS target decides.
    Samples square(1000);
    for (std::size_t i = 0; i < square.size(); ++i) {
        square[i] = i % 2 == 0 ? 2000 : -2000;
    }
    EXPECT_DOUBLE_EQ(loudnessGain(square, target), 2.0);
    // A spike over a quiet tone: reaching the RMS target would clip, so the peak cap decides.
    Samples spiky(1000, 0);
    for (std::size_t i = 0; i < spiky.size(); ++i) {
        spiky[i] = i % 2 == 0 ? 400 : -400;
    }
    spiky[500] = 20000;
    EXPECT_DOUBLE_EQ(loudnessGain(spiky, target), 29000.0 / 20000.0);
    // Nothing above the gate: left as it is.
    EXPECT_DOUBLE_EQ(loudnessGain(Samples(1000, 0), target), 1.0);
    EXPECT_DOUBLE_EQ(loudnessGain(Samples(1000, 100), target), 1.0);
}

TEST(SpeechSignal, ApplyGainRoundsAndClamps) {
    Samples samples{0, 1, -1, 3, -3, 10000, -10000, 20000, -20000};
    applyGain(samples, 2.5);
    EXPECT_EQ(samples, (Samples{0, 2, -2, 8, -8, 25000, -25000, 32767, -32768}));
}

TEST(SpeechSignal, FadeEdgesRampsBothEndsOnly) {
    Samples samples(100, 1000);
    fadeEdges(samples, 10);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_EQ(samples.back(), 0);
    for (std::size_t i = 1; i < 10; ++i) {
        EXPECT_LT(samples[i - 1], samples[i]) << i;
        EXPECT_EQ(samples[i], samples[99 - i]) << i;
    }
    EXPECT_EQ(samples[5], 500); // half way up the raised cosine
    for (std::size_t i = 10; i < 90; ++i) {
        EXPECT_EQ(samples[i], 1000) << i;
    }
    Samples tiny{1000, 1000, 1000};
    fadeEdges(tiny, 10); // shorter than two fades: each fade takes half
    EXPECT_EQ(tiny, (Samples{0, 1000, 0}));
}

TEST(SpeechSignal, UpsampleTwiceKeepsTheSamplesAndInterpolatesBetween) {
    const Samples input = sine(2205, 10000, 1000.0 / 22050.0); // 1 kHz for 0.1 s
    const Samples output = upsampleTwice(input);
    ASSERT_EQ(output.size(), 2 * input.size());
    const Samples expected = sine(4410, 10000, 1000.0 / 44100.0);
    double worst = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        ASSERT_EQ(output[2 * i], input[i]);
    }
    for (std::size_t i = 64; i + 64 < output.size(); ++i) { // away from the zero-padded ends
        worst = std::max(worst, std::abs(double(output[i]) - double(expected[i])));
    }
    EXPECT_LT(worst, 10000 * 0.002); // the interpolation error stays below -54 dB
    // A tone near the old Nyquist frequency is not mirrored into the new band above it.
    const Samples high = upsampleTwice(sine(2205, 10000, 0.25)); // 5.5 kHz
    EXPECT_NEAR(rmsOf(std::span(high).subspan(64, 4000)), 10000 / std::sqrt(2.0), 100);
    EXPECT_TRUE(upsampleTwice({}).empty());
}

TEST(SpeechSignal, ShapeSpeechTrimsResamplesAndLevels) {
    ShapingSettings settings;
    // 0.2 s of silence, 0.5 s of a 220-Hz tone at 2000, 0.3 s of silence, at the voice's rate.
    Samples voice(4410, 0);
    const Samples tone = sine(11025, 2000, 220.0 / 22050.0);
    voice.insert(voice.end(), tone.begin(), tone.end());
    voice.insert(voice.end(), 6615, 0);
    const Samples shaped = shapeSpeech(voice, settings);
    // The tone's first and last loud samples, widened by the margin, at twice the rate.
    const SampleRange loud = audibleRange(voice, settings.threshold, 0);
    EXPECT_EQ(shaped.size(), 2 * (loud.end - loud.begin + 2 * settings.margin));
    EXPECT_EQ(shaped.front(), 0);
    EXPECT_EQ(shaped.back(), 0);
    // The tone itself now sits at the RMS target.
    const std::size_t start = 2 * settings.margin + 2000;
    // (within 3%: the windows at the edges, half margin and half tone, count towards the level too)
    EXPECT_NEAR(rmsOf(std::span(shaped).subspan(start, 17640)), settings.loudness.rms,
                0.03 * settings.loudness.rms);
    EXPECT_LE(peakOf(shaped), int(settings.loudness.peakCap));
    EXPECT_TRUE(shapeSpeech(Samples(5000, 0), settings).empty());
}

} // namespace
} // namespace qinghe::edition
