#include "audio_engine/wav_reader.h"
#include "support/qt_printers.h"
#include "support/wav_builder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>

namespace qinghe {
namespace {

using test::fmtBody;
using test::le16;
using test::le32;
using test::riffChunk;
using test::riffWave;

std::optional<WavInfo> read(const QByteArray& bytes) {
    return readWavInfo(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

const QByteArray kPcm16Mono = fmtBody(1, 1, 22050, 16);
const QByteArray kFourFrames(8, '\x11');

TEST(WavReader, AcceptsGoodAndDamagedHeadersAndRejectsTheRest) {
    struct Expected {
        int channels;
        int rate;
        int bits;
        bool isFloat;
        std::int64_t dataOffset;
        std::int64_t dataSize;
    };
    struct Case {
        const char* name;
        QByteArray file;
        std::optional<Expected> expected;
    };
    QByteArray extensible = fmtBody(0xFFFE, 2, 48000, 24) + le16(22) + le16(24) + le32(3) + le16(1) +
                            QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    QByteArray shortExtensible = fmtBody(0xFFFE, 2, 48000, 16) + le16(0);
    const Case cases[] = {
        {"canonical mono 16-bit", riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames)),
         Expected{1, 22050, 16, false, 44, 8}},
        {"stereo 8-bit",
         riffWave(riffChunk("fmt ", fmtBody(1, 2, 8000, 8)) + riffChunk("data", QByteArray(6, 'x'))),
         Expected{2, 8000, 8, false, 44, 6}},
        {"32-bit float",
         riffWave(riffChunk("fmt ", fmtBody(3, 1, 44100, 32)) + riffChunk("data", QByteArray(8, 0))),
         Expected{1, 44100, 32, true, 44, 8}},
        {"extensible 24-bit stereo",
         riffWave(riffChunk("fmt ", extensible) + riffChunk("data", QByteArray(12, 0))),
         Expected{2, 48000, 24, false, 68, 12}},
        {"data before fmt", riffWave(riffChunk("data", kFourFrames) + riffChunk("fmt ", kPcm16Mono)),
         Expected{1, 22050, 16, false, 20, 8}},
        {"odd LIST chunk is padded",
         riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("LIST", "abc") + riffChunk("data", kFourFrames)),
         Expected{1, 22050, 16, false, 56, 8}},
        {"lying RIFF size",
         riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames), 0xFFFFFFF0u),
         Expected{1, 22050, 16, false, 44, 8}},
        {"data size past the end is cut to whole frames",
         riffWave(riffChunk("fmt ", kPcm16Mono) + QByteArray("data") + le32(1000000) + QByteArray(7, 'x')),
         Expected{1, 22050, 16, false, 44, 6}},
        {"data size 0 runs to the end",
         riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames, 0)),
         Expected{1, 22050, 16, false, 44, 8}},
        {"data size all ones runs to the end",
         riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames, 0xFFFFFFFFu)),
         Expected{1, 22050, 16, false, 44, 8}},
        {"header only", riffWave(riffChunk("fmt ", kPcm16Mono) + QByteArray("data") + le32(100)),
         Expected{1, 22050, 16, false, 44, 0}},
        {"first data chunk wins",
         riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames) +
                  riffChunk("data", QByteArray(20, 0))),
         Expected{1, 22050, 16, false, 44, 8}},
        {"not RIFF", QByteArray("RIFX") + le32(100) + QByteArray("WAVE") + riffChunk("fmt ", kPcm16Mono),
         std::nullopt},
        {"not WAVE", QByteArray("RIFF") + le32(100) + QByteArray("AVI ") + riffChunk("fmt ", kPcm16Mono),
         std::nullopt},
        {"too short", QByteArray("RIFF\x04\x00\x00\x00WAV", 11), std::nullopt},
        {"empty", QByteArray(), std::nullopt},
        {"no data chunk", riffWave(riffChunk("fmt ", kPcm16Mono)), std::nullopt},
        {"no fmt chunk", riffWave(riffChunk("data", kFourFrames)), std::nullopt},
        {"data to the end before fmt",
         riffWave(riffChunk("data", kFourFrames, 0) + riffChunk("fmt ", kPcm16Mono)), std::nullopt},
        {"fmt size past the end",
         riffWave(riffChunk("fmt ", kPcm16Mono, 5000) + riffChunk("data", kFourFrames)), std::nullopt},
        {"fmt too small", riffWave(riffChunk("fmt ", kPcm16Mono.left(14)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"MP3 inside WAV",
         riffWave(riffChunk("fmt ", fmtBody(0x55, 1, 22050, 0)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"ADPCM", riffWave(riffChunk("fmt ", fmtBody(2, 1, 22050, 4)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"12-bit PCM", riffWave(riffChunk("fmt ", fmtBody(1, 1, 22050, 12)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"64-bit float",
         riffWave(riffChunk("fmt ", fmtBody(3, 1, 22050, 64)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"no channels",
         riffWave(riffChunk("fmt ", fmtBody(1, 0, 22050, 16)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"six channels",
         riffWave(riffChunk("fmt ", fmtBody(1, 6, 22050, 16)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"rate 0", riffWave(riffChunk("fmt ", fmtBody(1, 1, 0, 16)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"absurd rate",
         riffWave(riffChunk("fmt ", fmtBody(1, 1, 4000000000u, 16)) + riffChunk("data", kFourFrames)),
         std::nullopt},
        {"extensible without its extension",
         riffWave(riffChunk("fmt ", shortExtensible) + riffChunk("data", kFourFrames)), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<WavInfo> info = read(c.file);
        ASSERT_EQ(info.has_value(), c.expected.has_value());
        if (!info) {
            continue;
        }
        EXPECT_EQ(info->channels, c.expected->channels);
        EXPECT_EQ(info->sampleRate, c.expected->rate);
        EXPECT_EQ(info->bitsPerSample, c.expected->bits);
        EXPECT_EQ(info->isFloat, c.expected->isFloat);
        EXPECT_EQ(info->blockAlign, c.expected->channels * c.expected->bits / 8);
        EXPECT_EQ(info->dataOffset, c.expected->dataOffset);
        EXPECT_EQ(info->dataSize, c.expected->dataSize);
    }
}

TEST(WavReader, EveryTruncationStaysInsideTheBytesItHas) {
    const QByteArray whole = test::wav16(2, 44100, test::evenRamp(64));
    for (int length = 0; length <= whole.size(); ++length) {
        const QByteArray prefix = whole.left(length);
        const std::optional<WavInfo> info = read(prefix);
        if (length < 44) {
            EXPECT_FALSE(info) << length;
        } else {
            ASSERT_TRUE(info) << length;
            EXPECT_EQ(info->dataSize, (length - 44) / 4 * 4) << length;
            EXPECT_LE(info->dataOffset + info->dataSize, length);
        }
    }
}

TEST(WavReader, EndlessTinyChunksAndGarbageEndQuickly) {
    QByteArray junk;
    for (int i = 0; i < 100000; ++i) {
        junk += riffChunk("junk", QByteArray());
    }
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(read(riffWave(junk + riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames))));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));

    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = riffWave(riffChunk("fmt ", kPcm16Mono) + riffChunk("data", kFourFrames));
        // Flip a few bytes anywhere, header included.
        for (int flips = 0; flips < 4; ++flips) {
            bytes[static_cast<qsizetype>(random.bounded(bytes.size()))] =
                static_cast<char>(random.bounded(256));
        }
        if (const std::optional<WavInfo> info = read(bytes)) {
            EXPECT_GE(info->dataOffset, 12);
            EXPECT_LE(info->dataOffset + info->dataSize, bytes.size());
            EXPECT_EQ(info->dataSize % info->blockAlign, 0);
        }
    }
}

TEST(WavReader, ConvertsEverySampleFormatToSixteenBits) {
    const auto convert = [](int bits, bool isFloat, const QByteArray& in) {
        WavInfo info;
        info.channels = 1;
        info.bitsPerSample = bits;
        info.isFloat = isFloat;
        info.blockAlign = bits / 8;
        std::vector<std::int16_t> out(static_cast<std::size_t>(in.size() / info.blockAlign));
        convertWavSamples(info, reinterpret_cast<const std::uint8_t*>(in.constData()), out.data(),
                          static_cast<std::int64_t>(out.size()));
        return out;
    };
    EXPECT_EQ(convert(8, false, QByteArray("\x00\x80\xFF", 3)),
              (std::vector<std::int16_t>{-32768, 0, 32512}));
    EXPECT_EQ(convert(16, false, le16(0x8000) + le16(0x7FFF) + le16(1)),
              (std::vector<std::int16_t>{-32768, 32767, 1}));
    EXPECT_EQ(convert(24, false, QByteArray("\x56\x34\x12\x00\x00\x80", 6)),
              (std::vector<std::int16_t>{0x1234, -32768}));
    EXPECT_EQ(convert(32, false, le32(0x7FFFFFFFu) + le32(0x80000000u)),
              (std::vector<std::int16_t>{32767, -32768}));
    const auto floatBytes = [](float value) {
        std::uint32_t word = 0;
        std::memcpy(&word, &value, sizeof word);
        return le32(word);
    };
    EXPECT_EQ(convert(32, true,
                      floatBytes(0.5f) + floatBytes(-1.0f) + floatBytes(1.5f) + floatBytes(-7.0f) +
                          floatBytes(std::numeric_limits<float>::quiet_NaN())),
              (std::vector<std::int16_t>{16384, -32767, 32767, -32767, 0}));
}

} // namespace
} // namespace qinghe
