#include "speech/mp3_encoder.h"
#include "speech/mp3_frames.h"
#include "speech_test_util.h"
#include "support/qt_printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qinghe::edition {
namespace {

using test::decodeFile;

std::span<const std::uint8_t> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

Samples tone(std::size_t count) {
    Samples out(count);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] =
            std::int16_t(std::lrint(8000 * std::sin(2 * std::numbers::pi * 440.0 * double(i) / 44100.0)));
    }
    return out;
}

QString saved(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("sound.mp3"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(SpeechMp3, GaplessFilesDecodeToExactlyTheSamplesGiven) {
    QTemporaryDir dir;
    for (const std::size_t count : {std::size_t(1000), std::size_t(44100), std::size_t(100000)}) {
        SCOPED_TRACE(count);
        const Samples input = tone(count);
        const QByteArray mp3 = encodeMp3(input, Mp3Settings{}, Mp3Framing::Gapless);
        ASSERT_FALSE(mp3.isEmpty());
        const auto decoded = decodeFile(saved(dir, mp3));
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->rate, 44100);
        EXPECT_EQ(decoded->channels, 1);
        EXPECT_EQ(decoded->samples.size(), count);
        // Lossy, but the tone is still the tone: its level survives within a few percent.
        const std::size_t middle = count / 4;
        EXPECT_NEAR(test::rmsOf(std::span(decoded->samples).subspan(middle, count / 2)),
                    8000 / std::sqrt(2.0), 300);
    }
}

TEST(SpeechMp3, PlainFilesHoldOnlyAudioFramesAtTheKnownDelay) {
    Samples input(44100, 0);
    input[10000] = 30000; // a click to find again
    const QByteArray mp3 = encodeMp3(input, Mp3Settings{}, Mp3Framing::Plain);
    const std::vector<Mp3Frame> frames = mp3Frames(bytesOf(mp3));
    ASSERT_FALSE(frames.empty());
    // Frames follow one another to the last byte; 56 kbit/s at 44.1 kHz is 182 or 183 bytes a frame.
    EXPECT_EQ(frames.back().offset + frames.back().length, mp3.size());
    for (const Mp3Frame& frame : frames) {
        EXPECT_TRUE(frame.length == 182 || frame.length == 183) << frame.length;
        EXPECT_EQ(frame.samples, 1152);
        EXPECT_EQ(frame.sampleRate, 44100);
    }
    QTemporaryDir dir;
    const auto decoded = decodeFile(saved(dir, mp3));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->samples.size(), frames.size() * 1152);
    const auto loudest =
        std::max_element(decoded->samples.begin(), decoded->samples.end(),
                         [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    EXPECT_NEAR(double(loudest - decoded->samples.begin()), 10000.0 + mp3PlainDelay(Mp3Settings{}), 2.0);
    EXPECT_EQ(mp3PlainDelay(Mp3Settings{}), 576 + 529);
}

TEST(SpeechMp3, EveryFrameOfAPlainFileDecodesOnItsOwn) {
    const Samples input = tone(44100);
    const QByteArray mp3 = encodeMp3(input, Mp3Settings{}, Mp3Framing::Plain);
    const std::vector<Mp3Frame> frames = mp3Frames(bytesOf(mp3));
    QTemporaryDir dir;
    const QString path = saved(dir, mp3);
    const auto whole = decodeFile(path);
    ASSERT_TRUE(whole);
    // Two frames cut from the middle: with no bit reservoir nothing is missing from earlier frames,
    // so once the filter banks have filled they decode to what the whole file does there.
    const std::size_t first = 20;
    const auto part = decodeFile(path, frames[first].offset, frames[first + 2].offset);
    ASSERT_TRUE(part);
    ASSERT_EQ(part->samples.size(), 2 * 1152u);
    double worst = 0;
    for (std::size_t i = 1152; i < part->samples.size(); ++i) { // past the filter banks' memory
        worst =
            std::max(worst, std::abs(double(part->samples[i]) - double(whole->samples[first * 1152 + i])));
    }
    EXPECT_LT(worst, 2.0);
}

QByteArray header(std::uint8_t b1, std::uint8_t b2, int length) {
    QByteArray frame(length, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(b1);
    frame[2] = char(b2);
    return frame;
}

TEST(SpeechMp3, FrameWalkerStopsAtAnythingThatIsNotAWholeFrame) {
    // MPEG-1 Layer III 48 kbit/s 44.1 kHz: 156 bytes, 157 with the padding bit.
    const QByteArray plain = header(0xFB, 0x30, 156);
    const QByteArray padded = header(0xFB, 0x32, 157);
    // MPEG-2 Layer III 32 kbit/s 22.05 kHz: 72 * 32000 / 22050 = 104 bytes, 576 samples.
    const QByteArray mpeg2 = header(0xF3, 0x40, 104);
    // MPEG-2.5 Layer III 8 kbit/s 8 kHz: 72 bytes.
    const QByteArray mpeg25 = header(0xE3, 0x18, 72);
    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<int> lengths;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"three frames", plain + padded + plain, {156, 157, 156}},
        {"other MPEG versions", mpeg2 + mpeg25, {104, 72}},
        {"cut-off last frame", plain + plain.left(100), {156}},
        {"three header bytes", plain.left(3), {}},
        {"garbage after a frame", plain + QByteArray(500, 'x'), {156}},
        {"tag before the first frame", QByteArray("ID3\x03\x00") + plain, {}},
        {"free-format bitrate", header(0xFB, 0x00, 400), {}},
        {"invalid bitrate", header(0xFB, 0xF0, 400), {}},
        {"reserved sample rate", header(0xFB, 0x3C, 400), {}},
        {"reserved version", header(0xEB, 0x30, 400), {}},
        {"Layer II", header(0xFD, 0x30, 400), {}},
        {"all ones", QByteArray(100000, char(0xFF)), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> lengths;
        std::int64_t offset = 0;
        for (const Mp3Frame& frame : mp3Frames(bytesOf(c.bytes))) {
            EXPECT_EQ(frame.offset, offset);
            offset += frame.length;
            lengths.push_back(frame.length);
        }
        EXPECT_EQ(lengths, c.lengths);
    }
    const std::vector<Mp3Frame> other = mp3Frames(bytesOf(mpeg2 + mpeg25));
    ASSERT_EQ(other.size(), 2u);
    EXPECT_EQ(other[0].samples, 576);
    EXPECT_EQ(other[0].sampleRate, 22050);
    EXPECT_EQ(other[1].sampleRate, 8000);
}

} // namespace
} // namespace qinghe::edition
