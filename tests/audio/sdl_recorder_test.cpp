#include "audio_engine/sdl_recorder.h"
#include "audio_engine/wav_reader.h"
#include "audio_engine/wav_writer.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "support/wav_builder.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace qinghe {
namespace {

using namespace std::chrono_literals;

std::uint32_t field32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

// Starts SDL audio with the given driver for one test.
class SdlAudio {
public:
    explicit SdlAudio(const QByteArray& driver, const QString& captureFile = {})
        : previous_(qgetenv("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", driver);
        if (!captureFile.isEmpty()) {
            qputenv("SDL_DISKAUDIOFILEIN", captureFile.toLocal8Bit());
        }
        ok_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }
    ~SdlAudio() {
        if (ok_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        qputenv("SDL_AUDIODRIVER", previous_);
        qunsetenv("SDL_DISKAUDIOFILEIN");
    }
    bool ok() const { return ok_; }

private:
    QByteArray previous_;
    bool ok_ = false;
};

void expectConsistentImage(const QByteArray& image, std::int64_t sampleBytes) {
    ASSERT_EQ(image.size(), 44 + sampleBytes);
    EXPECT_EQ(image.left(4), "RIFF");
    EXPECT_EQ(field32(image, 4), image.size() - 8);
    EXPECT_EQ(image.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(field32(image, 40), image.size() - 44);
    const std::optional<WavInfo> info =
        readWavInfo(image.constData(), static_cast<std::size_t>(image.size()));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->channels, 2);
    EXPECT_EQ(info->sampleRate, 44100);
    EXPECT_EQ(info->bitsPerSample, 16);
    EXPECT_EQ(info->dataOffset, 44);
    EXPECT_EQ(info->dataSize, sampleBytes);
}

TEST(WavWriter, WritesTheCanonicalHeader) {
    const QByteArray header = pcmWavHeader(2, 44100, 16, 1000);
    const QByteArray expected = QByteArray("RIFF") + test::le32(1036) + QByteArray("WAVEfmt ") +
                                test::le32(16) + test::le16(1) + test::le16(2) + test::le32(44100) +
                                test::le32(176400) + test::le16(4) + test::le16(16) + QByteArray("data") +
                                test::le32(1000);
    EXPECT_EQ(header, expected);
    EXPECT_EQ(pcmWavHeader(2, 44100, 16, 0).mid(4, 4), test::le32(36));
}

TEST(SdlRecorder, RecordsTheInputWithItsGainIntoACorrectWavImage) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.raw"));
    // A tenth of a second of a known signal; the disk driver gives silence after it.
    std::vector<std::int16_t> signal;
    for (int frame = 0; frame < 4410; ++frame) {
        signal.push_back(static_cast<std::int16_t>(frame % 2000 - 1000));
        signal.push_back(static_cast<std::int16_t>(20000));
    }
    test::writeFile(input, test::pcm16(signal));
    SdlAudio sdl("disk", input);
    ASSERT_TRUE(sdl.ok());

    SdlRecorder recorder;
    EXPECT_FALSE(recorder.start());
    ASSERT_TRUE(recorder.open());
    EXPECT_TRUE(recorder.available());
    ASSERT_EQ(recorder.inputNames().size(), 1);
    EXPECT_EQ(recorder.currentInput(), 0);
    EXPECT_FALSE(recorder.selectInput(1));
    EXPECT_FALSE(recorder.selectInput(-1));
    EXPECT_TRUE(recorder.selectInput(0));

    recorder.setInputVolume(0.5f);
    EXPECT_FLOAT_EQ(recorder.inputVolume(), 0.5f);
    ASSERT_TRUE(recorder.start());
    EXPECT_TRUE(recorder.isRecording());
    std::this_thread::sleep_for(300ms);
    recorder.stop();
    EXPECT_FALSE(recorder.isRecording());
    const std::int64_t bytes = recorder.recordedBytes();
    EXPECT_GT(bytes, 4410 * 4);
    EXPECT_EQ(bytes % 4, 0);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(recorder.recordedBytes(), bytes);

    const QByteArray image = recorder.wavImage();
    expectConsistentImage(image, bytes);
    const auto* samples = reinterpret_cast<const std::int16_t*>(image.constData() + 44);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        ASSERT_EQ(samples[i], static_cast<std::int16_t>(std::lrint(signal[i] * 0.5))) << i;
    }
    EXPECT_EQ(samples[signal.size()], 0);

    // A new recording drops the previous one.
    recorder.setInputVolume(7.0f);
    EXPECT_FLOAT_EQ(recorder.inputVolume(), 1.0f);
    ASSERT_TRUE(recorder.start());
    EXPECT_LT(recorder.recordedBytes(), bytes);
    recorder.stop();
    recorder.close();
    EXPECT_FALSE(recorder.available());
}

TEST(SdlRecorder, StaysWithinItsBound) {
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("in.raw"));
    test::writeFile(input, QByteArray(44100 * 4, '\x01'));
    SdlAudio sdl("disk", input);
    ASSERT_TRUE(sdl.ok());
    SdlRecorder recorder(4002);
    ASSERT_TRUE(recorder.open());
    ASSERT_TRUE(recorder.start());
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(recorder.recordedBytes(), 4000);
    recorder.stop();
    expectConsistentImage(recorder.wavImage(), 4000);
}

TEST(SdlRecorder, DummyDriverWithOrWithoutCapture) {
    SdlAudio sdl("dummy");
    ASSERT_TRUE(sdl.ok());
    SdlRecorder recorder;
    if (!recorder.open()) {
        // Some SDL builds offer no capture on the dummy driver.
        EXPECT_FALSE(recorder.available());
        EXPECT_FALSE(recorder.start());
        expectConsistentImage(recorder.wavImage(), 0);
        return;
    }
    ASSERT_TRUE(recorder.start());
    std::this_thread::sleep_for(100ms);
    recorder.stop();
    const QByteArray image = recorder.wavImage();
    expectConsistentImage(image, recorder.recordedBytes());
    EXPECT_TRUE(std::all_of(image.begin() + 44, image.end(), [](char c) { return c == 0; }));
}

} // namespace
} // namespace qinghe
