#include "audio_engine/mp3_source.h"
#include "sound_test_util.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

using test::audioFixture;
using test::decodeAll;

QByteArray fixtureBytes(const char* name) {
    return test::readFile(audioFixture(QString::fromLatin1(name)));
}

TEST(Mp3Source, DecodesTheFixturesWithTheirFormatAndLength) {
    struct Case {
        const char* file;
        int rate;
        int channels;
        std::int64_t framesBySox; // the length another decoder reports
    };
    const Case cases[] = {
        {"tian.mp3", 44100, 1, 35677},
        {"sentence.mp3", 44100, 1, 182001},
        {"hao_stereo_22k.mp3", 22050, 2, 18434},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::unique_ptr<Mp3Source> source = Mp3Source::open(fixtureBytes(c.file));
        ASSERT_TRUE(source);
        EXPECT_EQ(source->sampleRate(), c.rate);
        EXPECT_EQ(source->channels(), c.channels);
        const std::int64_t length = source->lengthFrames();
        // Decoders differ only in how much of the encoder's padding they drop: within one frame.
        EXPECT_NEAR(static_cast<double>(length), static_cast<double>(c.framesBySox), 1152.0);
        const std::vector<std::int16_t> samples = decodeAll(*source);
        EXPECT_EQ(static_cast<std::int64_t>(samples.size()), length * c.channels);
        EXPECT_GT(test::rms(samples), 1000.0);
        EXPECT_EQ(source->read(nullptr, 0), 0);
    }
}

TEST(Mp3Source, SeeksToTheExactSample) {
    const std::unique_ptr<Mp3Source> source = Mp3Source::open(fixtureBytes("sentence.mp3"));
    ASSERT_TRUE(source);
    const std::vector<std::int16_t> all = decodeAll(*source);
    for (const std::int64_t frame :
         {std::int64_t{100000}, std::int64_t{0}, std::int64_t{44100}, std::int64_t{1153}}) {
        SCOPED_TRACE(frame);
        ASSERT_TRUE(source->seek(frame));
        std::vector<std::int16_t> part(2000);
        ASSERT_EQ(source->read(part.data(), 2000), 2000);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), all.begin() + frame));
    }
    EXPECT_TRUE(source->seek(source->lengthFrames()));
    std::int16_t sample = 0;
    EXPECT_EQ(source->read(&sample, 1), 0);
}

TEST(Mp3Source, ResyncsInsideAFrame) {
    const QByteArray whole = fixtureBytes("sentence.mp3");
    const std::unique_ptr<Mp3Source> full = Mp3Source::open(whole);
    ASSERT_TRUE(full);
    const std::int64_t fullLength = full->lengthFrames();
    for (const int start : {1, 1000, 5001, 9999}) {
        SCOPED_TRACE(start);
        const std::unique_ptr<Mp3Source> part = Mp3Source::open(whole.mid(start));
        ASSERT_TRUE(part);
        const auto frames = static_cast<std::int64_t>(decodeAll(*part).size());
        // Constant bit rate: the decoded share follows the byte share, give or take two frames.
        const double expected = static_cast<double>(fullLength) * (whole.size() - start) / whole.size();
        EXPECT_NEAR(static_cast<double>(frames), expected, 2 * 1152.0);
    }
}

TEST(Mp3Source, RefusesWhatIsNotMpegAudio) {
    EXPECT_FALSE(Mp3Source::open(QByteArray()));
    EXPECT_FALSE(Mp3Source::open(QByteArray(5000, '\0')));
    EXPECT_FALSE(Mp3Source::open(QByteArray(5000, '\xFF')));
    EXPECT_FALSE(Mp3Source::open(QByteArray("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10)));
    EXPECT_FALSE(Mp3Source::open(fixtureBytes("sentence.mp3").left(40)));
    QRandomGenerator random(11);
    for (int round = 0; round < 200; ++round) {
        QByteArray noise(static_cast<qsizetype>(random.bounded(1, 20000)), '\0');
        for (char& byte : noise) {
            byte = static_cast<char>(random.bounded(256));
        }
        EXPECT_FALSE(Mp3Source::open(noise)) << round;
    }
}

TEST(Mp3Source, DamagedStreamsDecodeWithoutHanging) {
    const QByteArray whole = fixtureBytes("sentence.mp3");
    QRandomGenerator random(5);
    for (int round = 0; round < 40; ++round) {
        QByteArray damaged = whole.left(static_cast<qsizetype>(random.bounded(200, whole.size())));
        for (int flips = 0; flips < 30; ++flips) {
            damaged[static_cast<qsizetype>(random.bounded(damaged.size()))] =
                static_cast<char>(random.bounded(256));
        }
        if (const std::unique_ptr<Mp3Source> source = Mp3Source::open(damaged)) {
            // Damaged headers may change the frame layout, but a few KB never decode to minutes.
            const std::int64_t length = source->lengthFrames();
            const auto decoded = static_cast<std::int64_t>(decodeAll(*source).size()) / source->channels();
            EXPECT_LT(decoded, 60 * 48000);
            EXPECT_LT(length, 60 * 48000);
            EXPECT_TRUE(source->seek(0));
        }
    }
}

} // namespace
} // namespace qinghe
