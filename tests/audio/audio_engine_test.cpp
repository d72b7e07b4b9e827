#include "audio/audio_resources.h"
#include "audio_engine/audio_engine.h"
#include "audio_engine/mp3_source.h"
#include "audio_engine/wav_reader.h"
#include "sound_test_util.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "support/wav_builder.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <thread>

namespace qinghe {
namespace {

using namespace std::chrono_literals;
using test::audioFixture;

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// Runs a test with another SDL audio driver, restoring the suite's afterwards.
class DriverScope {
public:
    DriverScope(const QByteArray& driver, const QString& outputFile = {})
        : previous_(qgetenv("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", driver);
        if (!outputFile.isEmpty()) {
            qputenv("SDL_DISKAUDIOFILE", outputFile.toLocal8Bit());
        }
    }
    ~DriverScope() {
        qputenv("SDL_AUDIODRIVER", previous_);
        qunsetenv("SDL_DISKAUDIOFILE");
    }

private:
    QByteArray previous_;
};

TEST(AudioEngine, LibrariesAreCompatible) {
    EXPECT_TRUE(AudioEngine::librariesMatchBuild());
}

TEST(AudioEngine, WithoutAnOutputEverythingIsSilence) {
    AudioEngine engine;
    EXPECT_FALSE(engine.outputOpen());
    EXPECT_FALSE(engine.playFile(AudioSlot::Voice, audioFixture(QStringLiteral("tian.mp3"))));
    EXPECT_FALSE(engine.playWavImage(AudioSlot::RecordingPlayback, test::wav16(1, 8000, test::evenRamp(80))));
    engine.playEffect(embeddedSound(kOkSoundResource));
    EXPECT_EQ(engine.state(AudioSlot::Voice), ChannelState::Stopped);
    EXPECT_EQ(engine.positionBytes(AudioSlot::Voice), -1);
    engine.close();
    engine.close();
}

TEST(AudioEngine, LeavesTheTerminationSignalsToTheSystem) {
    DriverScope driver("dummy");
    AudioEngine engine;
    ASSERT_TRUE(engine.openOutput());
    // With SDL's handlers a SIGTERM became a quit event nobody reads, and the program ran on.
    for (const int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}

TEST(AudioEngine, PlaysFixturesToTheirEndOnTheDummyDevice) {
    DriverScope driver("dummy");
    AudioEngine engine;
    ASSERT_TRUE(engine.openOutput());
    const QString tian = audioFixture(QStringLiteral("tian.mp3"));
    ASSERT_TRUE(engine.playFile(AudioSlot::Voice, tian));
    EXPECT_TRUE(engine.isActive(AudioSlot::Voice));
    const std::int64_t length = engine.lengthBytes(AudioSlot::Voice);
    EXPECT_NEAR(engine.bytesToSeconds(AudioSlot::Voice, length), 0.81, 0.03);
    ASSERT_TRUE(waitUntil([&] { return !engine.isActive(AudioSlot::Voice); }, 5s));
    EXPECT_EQ(engine.positionBytes(AudioSlot::Voice), length);

    // Missing and garbage files are silence and free what the slot held.
    EXPECT_FALSE(engine.playFile(AudioSlot::Voice, audioFixture(QStringLiteral("missing.mp3"))));
    EXPECT_EQ(engine.lengthBytes(AudioSlot::Voice), -1);
    EXPECT_FALSE(engine.playFile(AudioSlot::Voice, audioFixture(QStringLiteral("make.sh"))));

    // Looping music keeps going past its length.
    ASSERT_TRUE(engine.playFile(AudioSlot::GameMusic, tian));
    std::this_thread::sleep_for(1200ms);
    EXPECT_TRUE(engine.isActive(AudioSlot::GameMusic));
    engine.free(AudioSlot::GameMusic);
    EXPECT_FALSE(engine.isActive(AudioSlot::GameMusic));
    engine.close();
    engine.close();
    EXPECT_FALSE(engine.playFile(AudioSlot::Voice, tian));
}

TEST(AudioEngine, SlotsPlayTogetherAndReplaceOnlyTheirOwnSound) {
    DriverScope driver("dummy");
    AudioEngine engine;
    ASSERT_TRUE(engine.openOutput());
    const QString sentence = audioFixture(QStringLiteral("sentence.mp3"));
    ASSERT_TRUE(engine.playFile(AudioSlot::Reading, sentence));
    ASSERT_TRUE(engine.playFile(AudioSlot::Voice, sentence));
    ASSERT_TRUE(waitUntil([&] { return engine.positionBytes(AudioSlot::Voice) > 8820; }, 2s));
    ASSERT_TRUE(engine.playSegment(AudioSlot::Voice, sentence, 1000, 0));
    EXPECT_LT(engine.positionBytes(AudioSlot::Voice), 8820);
    EXPECT_TRUE(engine.isActive(AudioSlot::Reading));
    EXPECT_GT(engine.positionBytes(AudioSlot::Reading), 8820);
    EXPECT_LT(engine.lengthBytes(AudioSlot::Voice), engine.lengthBytes(AudioSlot::Reading));

    EXPECT_FALSE(engine.playSegment(AudioSlot::Voice, sentence, 5000, 4000));
    EXPECT_FALSE(engine.isActive(AudioSlot::Voice));
    EXPECT_FALSE(engine.playSegment(AudioSlot::Voice, sentence, QFileInfo(sentence).size(), 0));
    EXPECT_TRUE(engine.isActive(AudioSlot::Reading));

    // Loaded but not started: rate and position are set first, as the click-to-read window does.
    ASSERT_TRUE(engine.loadFile(AudioSlot::ClickRead, sentence));
    EXPECT_EQ(engine.state(AudioSlot::ClickRead), ChannelState::Stopped);
    engine.setRate(AudioSlot::ClickRead, 1.21);
    const std::int64_t from = engine.secondsToBytes(AudioSlot::ClickRead, 2.0);
    EXPECT_EQ(from, 88200 * 2);
    ASSERT_TRUE(engine.seekBytes(AudioSlot::ClickRead, from));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(engine.positionBytes(AudioSlot::ClickRead), from);
    engine.resume(AudioSlot::ClickRead);
    ASSERT_TRUE(waitUntil([&] { return engine.positionBytes(AudioSlot::ClickRead) > from; }, 1s));
    engine.pause(AudioSlot::ClickRead);
    const std::int64_t paused = engine.positionBytes(AudioSlot::ClickRead);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(engine.positionBytes(AudioSlot::ClickRead), paused);
    EXPECT_EQ(engine.state(AudioSlot::ClickRead), ChannelState::Paused);
}

TEST(AudioEngine, PlaysTheRecordingAndTheEmbeddedSounds) {
    DriverScope driver("dummy");
    AudioEngine engine;
    ASSERT_TRUE(engine.openOutput());
    for (const QString& resource : {kOkSoundResource, kWrongSoundResource}) {
        const QByteArray wav = embeddedSound(resource);
        const std::optional<WavInfo> info =
            readWavInfo(wav.constData(), static_cast<std::size_t>(wav.size()));
        ASSERT_TRUE(info) << resource.toStdString();
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_EQ(info->channels, 1);
        EXPECT_NEAR(static_cast<double>(info->frames()) / info->sampleRate, 0.3, 0.05);
        EXPECT_LT(wav.size(), 40000);
        engine.playEffect(wav);
    }
    ASSERT_TRUE(
        engine.playWavImage(AudioSlot::RecordingPlayback, test::wav16(2, 44100, test::evenRamp(8820))));
    EXPECT_EQ(engine.lengthBytes(AudioSlot::RecordingPlayback), 8820 * 2);
    ASSERT_TRUE(waitUntil([&] { return !engine.isActive(AudioSlot::RecordingPlayback); }, 2s));
    EXPECT_FALSE(engine.playWavImage(AudioSlot::RecordingPlayback, QByteArray("RIFF")));
}

// Reads the 16-bit stereo frames SDL's disk driver wrote; returns the left channel.
std::vector<std::int16_t> leftChannel(const QString& path) {
    const QByteArray bytes = test::readFile(path);
    std::vector<std::int16_t> left(static_cast<std::size_t>(bytes.size() / 4));
    for (std::size_t i = 0; i < left.size(); ++i) {
        std::memcpy(&left[i], bytes.constData() + 4 * i, 2);
    }
    return left;
}

TEST(AudioEngine, TheDeviceGetsTheDecodedSoundAndSilenceAfterStop) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out.raw"));
    std::int64_t playedFrames = 0;
    {
        DriverScope driver("disk", output);
        AudioEngine engine;
        ASSERT_TRUE(engine.openOutput());
        ASSERT_TRUE(engine.playFile(AudioSlot::Reading, audioFixture(QStringLiteral("sentence.mp3"))));
        std::this_thread::sleep_for(600ms);
        engine.stop(AudioSlot::Reading);
        playedFrames = engine.positionBytes(AudioSlot::Reading) / 2;
        EXPECT_FALSE(engine.isActive(AudioSlot::Reading));
        std::this_thread::sleep_for(400ms);
        engine.close();
    }
    const std::vector<std::int16_t> left = leftChannel(output);
    const std::unique_ptr<Mp3Source> source =
        Mp3Source::open(test::readFile(audioFixture(QStringLiteral("sentence.mp3"))));
    ASSERT_TRUE(source);
    const std::vector<std::int16_t> decoded = test::decodeAll(*source);
    ASSERT_GT(playedFrames, 44100 / 4);

    // The sound starts at the first callback after the request: find it, then compare sample by sample.
    const auto firstSound = [](const std::vector<std::int16_t>& samples) {
        return static_cast<std::size_t>(
            std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; }) -
            samples.begin());
    };
    const std::size_t decodedStart = firstSound(decoded);
    const std::size_t outputStart = firstSound(left);
    ASSERT_LT(outputStart, left.size());
    const auto compared = static_cast<std::size_t>(playedFrames) - decodedStart;
    ASSERT_LE(outputStart + compared, left.size());
    EXPECT_TRUE(std::equal(left.begin() + static_cast<std::ptrdiff_t>(outputStart),
                           left.begin() + static_cast<std::ptrdiff_t>(outputStart + compared),
                           decoded.begin() + static_cast<std::ptrdiff_t>(decodedStart)));
    EXPECT_GT(test::rms(left, outputStart, outputStart + compared), 500.0);

    // After the stop: nothing but silence, and the device kept running for a while.
    const std::size_t stopAt = outputStart + compared;
    ASSERT_GT(left.size(), stopAt + 44100 / 5);
    EXPECT_TRUE(std::all_of(left.begin() + static_cast<std::ptrdiff_t>(stopAt), left.end(),
                            [](std::int16_t s) { return s == 0; }));
}

} // namespace
} // namespace qinghe
