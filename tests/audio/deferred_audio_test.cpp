#include "audio/deferred_audio.h"
#include "audio_engine/audio_engine.h"
#include "support/wav_builder.h"

#include <gtest/gtest.h>

#include <thread>

namespace qinghe {
namespace {

std::unique_ptr<AudioEngineModule> realEngine() {
    return std::make_unique<AudioEngine>();
}

// The dummy driver (set for the whole suite) has a recording and an output device.
TEST(DeferredAudio, AnswersAsOpeningOnTheMainThreadWouldAndReleasesTheEngine) {
    bool directRecording = false;
    bool directOutput = false;
    {
        AudioEngine engine;
        directRecording = engine.openRecordingDevice();
        directOutput = engine.openOutput();
    }
    ASSERT_TRUE(directOutput);

    DeferredAudio audio(realEngine);
    EXPECT_EQ(audio.openRecordingDevice(), directRecording);
    EXPECT_TRUE(audio.librariesCompatible());
    EXPECT_TRUE(audio.openOutput());
    // The output the worker opened is the one sounds play through.
    EXPECT_TRUE(audio.playWavImage(AudioSlot::Voice, test::wav16(2, 44100, test::evenRamp(4410))));
    audio.close();
    EXPECT_FALSE(audio.playWavImage(AudioSlot::Voice, test::wav16(2, 44100, test::evenRamp(4410))));
}

TEST(DeferredAudio, LoadsTheEngineOnAWorkerThread) {
    std::thread::id loadedOn;
    DeferredAudio audio([&loadedOn] {
        loadedOn = std::this_thread::get_id();
        return realEngine();
    });
    ASSERT_NE(audio.engine(), nullptr);
    EXPECT_NE(loadedOn, std::this_thread::get_id());
}

TEST(DeferredAudio, NeverAskedStillWaitsForItsWorkerBeforeGoing) {
    // Start-up can fail before the devices are asked about; the worker must not be left mid-open.
    for (int i = 0; i < 5; ++i) {
        bool opened = false;
        {
            const DeferredAudio audio([&opened] {
                auto engine = realEngine();
                opened = true;
                return engine;
            });
        }
        EXPECT_TRUE(opened);
    }
}

// Every call reaches the engine: each asks for something whose answer differs from its neighbours'.
TEST(DeferredAudio, HandsEveryCallToTheEngine) {
    DeferredAudio audio(realEngine);
    ASSERT_TRUE(audio.openOutput());
    constexpr AudioSlot slot = AudioSlot::ClickRead;
    // One second of stereo 16-bit sound: 176,400 bytes.
    ASSERT_TRUE(audio.playWavImage(slot, test::wav16(2, 44100, test::evenRamp(88200))));
    audio.pause(slot);
    EXPECT_EQ(audio.state(slot), ChannelState::Paused);
    EXPECT_EQ(audio.lengthBytes(slot), 176400);
    EXPECT_EQ(audio.secondsToBytes(slot, 0.5), 88200);
    EXPECT_DOUBLE_EQ(audio.bytesToSeconds(slot, 44100), 0.25);
    ASSERT_TRUE(audio.seekBytes(slot, 40000));
    EXPECT_EQ(audio.positionBytes(slot), 40000);
    EXPECT_FALSE(audio.seekBytes(slot, 176404));
    audio.setVolume(slot, 0.25F);
    EXPECT_FLOAT_EQ(audio.volume(slot), 0.25F);
    audio.setRate(slot, 2.0);
    EXPECT_DOUBLE_EQ(audio.rate(slot), 2.0);
    audio.resume(slot);
    EXPECT_EQ(audio.state(slot), ChannelState::Playing);
    EXPECT_EQ(audio.state(AudioSlot::Voice), ChannelState::Stopped);
    audio.stop(slot);
    EXPECT_EQ(audio.state(slot), ChannelState::Stopped);
    EXPECT_EQ(audio.lengthBytes(slot), 176400);
    audio.free(slot);
    EXPECT_EQ(audio.lengthBytes(slot), -1);
}

TEST(DeferredAudio, WithoutAnEngineTheLibrariesDoNotFitAndEverySoundIsSilence) {
    DeferredAudio audio([] { return std::unique_ptr<AudioEngineModule>(); });
    EXPECT_FALSE(audio.openRecordingDevice());
    EXPECT_FALSE(audio.librariesCompatible());
    EXPECT_FALSE(audio.openOutput());
    const QByteArray wav = test::wav16(2, 44100, test::evenRamp(4410));
    EXPECT_FALSE(audio.playFile(AudioSlot::Voice, QStringLiteral(QINGHE_TEST_DATA "/audio/tian.mp3")));
    EXPECT_FALSE(audio.loadFile(AudioSlot::Voice, QString()));
    EXPECT_FALSE(audio.playSegment(AudioSlot::Voice, QString(), 0, 10));
    EXPECT_FALSE(audio.playWavImage(AudioSlot::Voice, wav));
    audio.playEffect(wav);
    EXPECT_EQ(audio.state(AudioSlot::Voice), ChannelState::Stopped);
    EXPECT_EQ(audio.positionBytes(AudioSlot::Voice), -1);
    EXPECT_EQ(audio.lengthBytes(AudioSlot::Voice), -1);
    EXPECT_EQ(audio.secondsToBytes(AudioSlot::Voice, 1.0), -1);
    EXPECT_EQ(audio.bytesToSeconds(AudioSlot::Voice, 4), -1.0);
    EXPECT_FALSE(audio.seekBytes(AudioSlot::Voice, 0));
    audio.close();
}

TEST(DeferredAudio, FindsTheBuiltModuleAndNothingWhereThereIsNone) {
    const auto engine = loadAudioEngineModule(QStringLiteral(QINGHE_MODULE_DIR));
    ASSERT_NE(engine, nullptr);
    EXPECT_TRUE(engine->librariesCompatible());
    EXPECT_EQ(loadAudioEngineModule(QStringLiteral(QINGHE_TEST_DATA)), nullptr);
}

} // namespace
} // namespace qinghe
