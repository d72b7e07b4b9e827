#include "audio/audio_engine.h"
#include "audio/early_audio_devices.h"
#include "wav_builder.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

// The dummy driver (set for the whole suite) has a recording and an output device.
TEST(EarlyAudioDevices, AnswersAsOpeningOnTheMainThreadWouldAndReleasesTheEngine) {
    bool directRecording = false;
    bool directOutput = false;
    {
        AudioEngine engine;
        directRecording = engine.openRecordingDevice();
        directOutput = engine.openOutput();
    }
    ASSERT_TRUE(directOutput);

    AudioEngine engine;
    EarlyAudioDevices devices(engine);
    EXPECT_EQ(devices.openRecordingDevice(), directRecording);
    EXPECT_TRUE(devices.librariesCompatible());
    EXPECT_TRUE(devices.openOutput());
    // The output the worker opened is the engine's: sounds play through it.
    EXPECT_TRUE(engine.playWavImage(AudioSlot::Voice, test::wav16(2, 44100, test::evenRamp(4410))));
    devices.close();
    EXPECT_FALSE(engine.playWavImage(AudioSlot::Voice, test::wav16(2, 44100, test::evenRamp(4410))));
}

TEST(EarlyAudioDevices, NeverAskedStillWaitsForItsWorkerBeforeGoing) {
    // Start-up can fail before the devices are asked about; the engine must not be left mid-open.
    for (int i = 0; i < 5; ++i) {
        AudioEngine engine;
        { const EarlyAudioDevices devices(engine); }
        EXPECT_TRUE(engine.openOutput());
    }
}

} // namespace
} // namespace qinghe
