#include "audio_engine/sound_loader.h"
#include "sound_test_util.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "support/wav_builder.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

using test::audioFixture;
using test::decodeAll;

std::int64_t framesOf(const std::unique_ptr<SoundSource>& source) {
    return static_cast<std::int64_t>(decodeAll(*source).size()) / source->channels();
}

TEST(SoundLoader, MissingEmptyAndUnreadableFilesAreSilence) {
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.mp3"));
    test::writeFile(empty, QByteArray());
    const QString text = dir.filePath(QStringLiteral("text.mp3"));
    test::writeFile(text, QByteArray("这不是声音文件。").repeated(200));
    const QString brokenWav = dir.filePath(QStringLiteral("broken.wav"));
    test::writeFile(brokenWav, test::wav16(1, 22050, test::evenRamp(100)).left(30));
    for (const QString& path :
         {QString(), dir.filePath(QStringLiteral("missing.mp3")), empty, text, brokenWav, dir.path()}) {
        EXPECT_FALSE(openSoundFile(path)) << path.toStdString();
        EXPECT_FALSE(openSoundFile(path, 10, 0)) << path.toStdString();
    }
}

TEST(SoundLoader, PlaysTheByteRangesOfAnMp3) {
    const QString path = audioFixture(QStringLiteral("sentence.mp3"));
    const std::int64_t size = QFileInfo(path).size();
    const std::int64_t whole = framesOf(openSoundFile(path));
    struct Case {
        std::int64_t start;
        std::int64_t end;
        bool plays;
        double share; // of the whole file's frames, expected within two frames
    };
    const Case cases[] = {
        {0, 0, true, 1.0},
        {1000, 0, true, static_cast<double>(size - 1000) / size},
        {0, size / 2, true, 0.5},
        {size / 4, size * 3 / 4, true, 0.5},
        {size / 2, size * 10, true, 0.5},
        {size, 0, false, 0},
        {size + 5, 0, false, 0},
        {5000, 4000, false, 0},
        {5000, 5000, false, 0},
        {-1, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        const std::unique_ptr<SoundSource> source = openSoundFile(path, c.start, c.end);
        ASSERT_EQ(source != nullptr, c.plays);
        if (source) {
            EXPECT_NEAR(static_cast<double>(framesOf(source)), whole * c.share, 2 * 1152.0);
        }
    }
}

TEST(SoundLoader, PlaysTheWavSamplesInsideARangeOnWholeFrames) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ramp.wav"));
    // Stereo 16-bit: frames of 4 bytes from byte 44 on; a LIST chunk follows the samples.
    const std::vector<std::int16_t> ramp = test::evenRamp(200);
    test::writeFile(path, test::riffWave(test::riffChunk("fmt ", test::fmtBody(1, 2, 8000, 16)) +
                                         test::riffChunk("data", test::pcm16(ramp)) +
                                         test::riffChunk("LIST", QByteArray(40, 'z'))));
    struct Case {
        std::int64_t start;
        std::int64_t end;
        int firstFrame; // -1: nothing plays
        int frames;
    };
    const Case cases[] = {
        {0, 0, 0, 100},       {44, 444, 0, 100}, {45, 444, 1, 99}, // starts inside frame 0: from frame 1
        {44, 443, 0, 99},                                          // ends inside frame 99: up to frame 98
        {47, 52, 1, 1},       {46, 47, -1, 0},                     // inside one frame
        {0, 44, -1, 0},                                            // header only
        {400, 10000, 89, 11}, {444, 0, -1, 0},                     // only the LIST chunk
        {1000, 0, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        const std::unique_ptr<SoundSource> source = openSoundFile(path, c.start, c.end);
        ASSERT_EQ(source != nullptr, c.firstFrame >= 0);
        if (!source) {
            continue;
        }
        EXPECT_EQ(source->sampleRate(), 8000);
        EXPECT_EQ(source->channels(), 2);
        EXPECT_EQ(source->lengthFrames(), c.frames);
        const std::vector<std::int16_t> samples = decodeAll(*source);
        ASSERT_EQ(static_cast<int>(samples.size()), 2 * c.frames);
        EXPECT_TRUE(std::equal(samples.begin(), samples.end(), ramp.begin() + 2 * c.firstFrame));
    }
}

TEST(SoundLoader, WavImagesFromMemory) {
    const std::vector<std::int16_t> ramp = test::evenRamp(50);
    const std::unique_ptr<SoundSource> source = openWavImage(test::wav16(1, 11025, ramp));
    ASSERT_TRUE(source);
    EXPECT_EQ(source->sampleRate(), 11025);
    EXPECT_EQ(decodeAll(*source), ramp);
    EXPECT_FALSE(openWavImage(QByteArray()));
    EXPECT_FALSE(openWavImage(test::wav16(1, 11025, {})));
    EXPECT_FALSE(openWavImage(QByteArray("RIFF....WAVEfmt ")));
}

} // namespace
} // namespace qinghe
