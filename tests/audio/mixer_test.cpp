#include "audio_engine/mixer.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace qinghe {
namespace {

// A synthetic sound: sample of frame f on channel c is value(f, c); notes its own destruction.
class TestSource final : public SoundSource {
public:
    using Value = std::function<std::int16_t(std::int64_t frame, int channel)>;
    TestSource(int rate, int channels, std::int64_t frames, Value value, std::shared_ptr<bool> destroyed = {})
        : rate_(rate)
        , channels_(channels)
        , frames_(frames)
        , value_(std::move(value))
        , destroyed_(std::move(destroyed)) {}
    ~TestSource() override {
        if (destroyed_) {
            *destroyed_ = true;
        }
    }
    int sampleRate() const override { return rate_; }
    int channels() const override { return channels_; }
    std::int64_t lengthFrames() override { return frames_; }
    int read(std::int16_t* out, int frames) override {
        int count = 0;
        for (; count < frames && next_ < frames_; ++count, ++next_) {
            for (int c = 0; c < channels_; ++c) {
                out[count * channels_ + c] = value_(next_, c);
            }
        }
        return count;
    }
    bool seek(std::int64_t frame) override {
        if (frame < 0 || frame > frames_) {
            return false;
        }
        next_ = frame;
        return true;
    }

private:
    int rate_;
    int channels_;
    std::int64_t frames_;
    Value value_;
    std::shared_ptr<bool> destroyed_;
    std::int64_t next_ = 0;
};

std::unique_ptr<SoundSource> constant(std::int16_t value, std::int64_t frames = 1000000, int rate = 44100,
                                      std::shared_ptr<bool> destroyed = {}) {
    return std::make_unique<TestSource>(
        rate, 1, frames, [value](std::int64_t, int) { return value; }, std::move(destroyed));
}

// Mono ramp 0, 2, 4, ... so that interpolated midpoints are whole numbers.
std::unique_ptr<SoundSource> ramp(std::int64_t frames, int rate = 44100) {
    return std::make_unique<TestSource>(rate, 1, frames,
                                        [](std::int64_t f, int) { return static_cast<std::int16_t>(2 * f); });
}

std::vector<std::int16_t> render(Mixer& mixer, int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2, 12345);
    mixer.render(out.data(), frames);
    return out;
}

constexpr AudioSlot kVoice = AudioSlot::Voice;
constexpr AudioSlot kReading = AudioSlot::Reading;

TEST(Mixer, MixesSlotsAtTheirVolumeAndClips) {
    Mixer mixer;
    EXPECT_EQ(render(mixer, 4), std::vector<std::int16_t>(8, 0));
    mixer.setSound(kVoice, constant(1000), false, true);
    mixer.setSound(kReading, constant(-300), false, true);
    EXPECT_EQ(render(mixer, 3), std::vector<std::int16_t>(6, 700));
    mixer.setVolume(kVoice, 0.5f);
    EXPECT_EQ(render(mixer, 2), std::vector<std::int16_t>(4, 200));
    mixer.setSound(AudioSlot::ClickRead, constant(32000), false, true);
    mixer.setSound(AudioSlot::LessonTest, constant(32000), false, true);
    EXPECT_EQ(render(mixer, 1), std::vector<std::int16_t>(2, 32767));
    mixer.setSound(kReading, constant(-32768), false, true);
    mixer.setSound(AudioSlot::ClickRead, constant(-32768), false, true);
    mixer.setSound(AudioSlot::LessonTest, nullptr, false, false);
    mixer.setSound(kVoice, nullptr, false, false);
    EXPECT_EQ(render(mixer, 1), std::vector<std::int16_t>(2, -32768));
}

TEST(Mixer, ANewSoundFreesTheSlotsOldOneAndLeavesOtherSlotsPlaying) {
    Mixer mixer;
    auto firstGone = std::make_shared<bool>(false);
    auto readingGone = std::make_shared<bool>(false);
    mixer.setSound(kVoice, constant(100, 1000000, 44100, firstGone), false, true);
    mixer.setSound(kReading, constant(10, 1000000, 44100, readingGone), false, true);
    render(mixer, 500);
    mixer.setSound(kVoice, constant(1000), false, true);
    EXPECT_TRUE(*firstGone);
    EXPECT_FALSE(*readingGone);
    EXPECT_EQ(mixer.positionBytes(kVoice), 0);
    EXPECT_EQ(mixer.positionBytes(kReading), 1000);
    EXPECT_EQ(render(mixer, 2), std::vector<std::int16_t>(4, 1010));
    EXPECT_EQ(mixer.state(kReading), ChannelState::Playing);

    // A failed load still frees the slot's old sound.
    mixer.setSound(kReading, nullptr, false, true);
    EXPECT_TRUE(*readingGone);
    EXPECT_FALSE(mixer.hasSound(kReading));
    EXPECT_EQ(mixer.state(kReading), ChannelState::Stopped);
}

TEST(Mixer, PositionsAndConversionsCountTheSoundsOwnBytes) {
    Mixer mixer;
    EXPECT_EQ(mixer.positionBytes(kVoice), -1);
    EXPECT_EQ(mixer.lengthBytes(kVoice), -1);
    EXPECT_EQ(mixer.secondsToBytes(kVoice, 1.0), -1);
    EXPECT_EQ(mixer.bytesToSeconds(kVoice, 100), -1.0);
    EXPECT_FALSE(mixer.seekBytes(kVoice, 0));

    // Stereo at 22050 Hz: one output frame at 44100 Hz moves half a source frame.
    mixer.setSound(kVoice,
                   std::make_unique<TestSource>(22050, 2, 22050 * 3,
                                                [](std::int64_t, int c) { return std::int16_t(c); }),
                   false, true);
    EXPECT_EQ(mixer.lengthBytes(kVoice), 22050 * 3 * 4);
    render(mixer, 1000);
    EXPECT_EQ(mixer.positionBytes(kVoice), 500 * 4);
    EXPECT_EQ(mixer.secondsToBytes(kVoice, 1.5), 33075 * 4);
    EXPECT_EQ(mixer.secondsToBytes(kVoice, 0.00005), 4);
    EXPECT_EQ(mixer.secondsToBytes(kVoice, -1.0), -1);
    EXPECT_DOUBLE_EQ(mixer.bytesToSeconds(kVoice, 33075 * 4 + 3), 1.5);

    mixer.setSound(kReading, ramp(44100), false, true);
    EXPECT_EQ(mixer.secondsToBytes(kReading, 1.5), 66150 * 2);
    render(mixer, 100);
    ASSERT_TRUE(mixer.seekBytes(kReading, 4001)); // rounds down to frame 2000
    EXPECT_EQ(mixer.positionBytes(kReading), 4000);
    mixer.setSound(kVoice, nullptr, false, false);
    std::vector<std::int16_t> out = render(mixer, 3);
    EXPECT_EQ(out, (std::vector<std::int16_t>{4000, 4000, 4002, 4002, 4004, 4004}));
    EXPECT_EQ(mixer.positionBytes(kReading), 4006);
    EXPECT_TRUE(mixer.seekBytes(kReading, 44100 * 2));
    EXPECT_FALSE(mixer.seekBytes(kReading, 44100 * 2 + 2));
    EXPECT_FALSE(mixer.seekBytes(kReading, -2));
    EXPECT_EQ(mixer.positionBytes(kReading), 44100 * 2);
}

TEST(Mixer, PauseStopResumeAndTheEnd) {
    Mixer mixer;
    mixer.setSound(kVoice, ramp(100), false, true);
    render(mixer, 10);
    mixer.pause(kVoice);
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Paused);
    EXPECT_EQ(render(mixer, 5), std::vector<std::int16_t>(10, 0));
    EXPECT_EQ(mixer.positionBytes(kVoice), 20);
    mixer.resume(kVoice);
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Playing);
    EXPECT_EQ(render(mixer, 1), (std::vector<std::int16_t>{20, 20}));

    mixer.stop(kVoice);
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Stopped);
    EXPECT_TRUE(mixer.hasSound(kVoice));
    mixer.pause(kVoice); // pausing a stopped sound changes nothing
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Stopped);
    render(mixer, 5);
    EXPECT_EQ(mixer.positionBytes(kVoice), 22);
    mixer.resume(kVoice);
    std::vector<std::int16_t> out = render(mixer, 100);
    EXPECT_EQ(out[0], 22);
    EXPECT_EQ(out[2 * 88], 198); // the last frame, 99
    EXPECT_EQ(out[2 * 89], 0);
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Stopped);
    EXPECT_EQ(mixer.positionBytes(kVoice), 200);

    // After the end, playing on starts over.
    mixer.resume(kVoice);
    EXPECT_EQ(render(mixer, 2), (std::vector<std::int16_t>{0, 0, 2, 2}));

    // A sound loaded without playing waits at its start.
    mixer.setSound(kReading, ramp(100), false, false);
    EXPECT_EQ(mixer.state(kReading), ChannelState::Stopped);
    mixer.setSound(kVoice, nullptr, false, false);
    EXPECT_EQ(render(mixer, 2), std::vector<std::int16_t>(4, 0));
    ASSERT_TRUE(mixer.seekBytes(kReading, 100));
    mixer.resume(kReading);
    EXPECT_EQ(render(mixer, 1), (std::vector<std::int16_t>{100, 100}));
}

TEST(Mixer, LoopingSoundsStartOverWithoutEnding) {
    Mixer mixer;
    mixer.setSound(AudioSlot::GameMusic, ramp(100), true, true);
    const std::vector<std::int16_t> out = render(mixer, 2500);
    EXPECT_EQ(mixer.state(AudioSlot::GameMusic), ChannelState::Playing);
    EXPECT_EQ(mixer.positionBytes(AudioSlot::GameMusic), 0);
    for (int frame : {0, 99, 100, 101, 1234, 2499}) {
        EXPECT_EQ(out[static_cast<std::size_t>(2 * frame)], 2 * (frame % 100)) << frame;
    }
    // An empty looping sound ends instead of spinning.
    mixer.setSound(AudioSlot::GameMusic, ramp(0), true, true);
    render(mixer, 10);
    EXPECT_EQ(mixer.state(AudioSlot::GameMusic), ChannelState::Stopped);
}

TEST(Mixer, ConvertsRatesByLinearInterpolation) {
    Mixer mixer;
    mixer.setSound(kVoice, ramp(1000, 22050), false, true);
    std::vector<std::int16_t> out = render(mixer, 6);
    EXPECT_EQ(out, (std::vector<std::int16_t>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));

    mixer.setSound(kVoice, ramp(1000), false, true);
    mixer.setRate(kVoice, 2.0);
    out = render(mixer, 3);
    EXPECT_EQ(out, (std::vector<std::int16_t>{0, 0, 4, 4, 8, 8}));
    EXPECT_EQ(mixer.positionBytes(kVoice), 12);
    mixer.setRate(kVoice, 0.5);
    out = render(mixer, 3);
    EXPECT_EQ(out, (std::vector<std::int16_t>{12, 12, 13, 13, 14, 14}));

    mixer.setRate(kVoice, 0.001);
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 0.1);
    mixer.setRate(kVoice, 1000.0);
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 10.0);
    mixer.setRate(kVoice, std::nan(""));
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 10.0);

    // A new sound starts at its natural rate and full volume.
    mixer.setVolume(kVoice, 0.2f);
    mixer.setSound(kVoice, ramp(1000), false, true);
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 1.0);
    EXPECT_FLOAT_EQ(mixer.volume(kVoice), 1.0f);
}

TEST(Mixer, SlidesReachTheirTargetsInTheirTime) {
    Mixer mixer;
    mixer.setSound(kVoice, constant(10000), false, true);
    mixer.slideVolume(kVoice, 0.0f, 100); // 4410 frames
    mixer.slideRate(kVoice, 2.0, 50);     // 2205 frames
    render(mixer, 2205);
    EXPECT_NEAR(mixer.volume(kVoice), 0.5f, 0.001f);
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 2.0);
    // Source frames run 1 → 2 per output frame over the slide: 1.5 on average.
    EXPECT_NEAR(static_cast<double>(mixer.positionBytes(kVoice)) / 2, 2205 * 1.5, 2.0);
    mixer.pause(kVoice);
    render(mixer, 4410);
    EXPECT_NEAR(mixer.volume(kVoice), 0.5f, 0.001f); // slides wait while paused
    mixer.resume(kVoice);
    render(mixer, 2204);
    EXPECT_GT(mixer.volume(kVoice), 0.0f);
    const std::vector<std::int16_t> last = render(mixer, 2);
    EXPECT_FLOAT_EQ(mixer.volume(kVoice), 0.0f);
    EXPECT_EQ(last[2], 0);

    mixer.slideVolume(kVoice, 3.0f, 0); // immediate and clamped
    EXPECT_FLOAT_EQ(mixer.volume(kVoice), 1.0f);
    mixer.slideRate(kVoice, 1.0, -5);
    EXPECT_DOUBLE_EQ(mixer.rate(kVoice), 1.0);
}

TEST(Mixer, EffectsShareAFewVoicesOfTheirOwn) {
    Mixer mixer;
    mixer.setSound(kVoice, constant(1), false, true);
    for (int i = 0; i < Mixer::kEffectVoices + 2; ++i) {
        mixer.playEffect(constant(100, 50 + i));
    }
    mixer.playEffect(nullptr);
    EXPECT_EQ(mixer.playingEffects(), Mixer::kEffectVoices);
    EXPECT_EQ(render(mixer, 1)[0], 1 + 100 * Mixer::kEffectVoices);
    render(mixer, 100);
    EXPECT_EQ(mixer.playingEffects(), 0);
    EXPECT_EQ(mixer.state(kVoice), ChannelState::Playing);
    EXPECT_EQ(render(mixer, 1)[0], 1);
}

} // namespace
} // namespace qinghe
