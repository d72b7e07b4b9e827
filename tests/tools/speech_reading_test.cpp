#include "speech/lesson_reading.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <random>

namespace qinghe::edition {
namespace {

const ReadingTiming kTiming{6615, 19845, 37485, 13230};

TEST(SpeechReading, LayoutPutsEverySegmentALeadAfterAFrameStart) {
    // Worked by hand: delay 1105, frames of 1152, the title followed by the long pause.
    const ReadingLayout layout = layoutReading({10000, 20000, 5000}, 1, 1105, 1152, kTiming);
    // Segment 0 starts in frame 0: 6615 - 1105 = 5510 samples of silence before it, speech ends at 15510.
    // Segment 1: the previous speech ends at decoded 16615, + 37485 - 6615 = 47485 -> frame 42 (48384);
    // speech at 48384 + 5510 = 53894 input samples, ends at 73894.
    // Segment 2: 73894 + 1105 + 19845 - 6615 = 88229 -> frame 77 (88704); speech at 94214, ends 99214.
    EXPECT_EQ(layout.firstFrame, (std::vector<std::int64_t>{0, 42, 77}));
    EXPECT_EQ(layout.silenceBefore, (std::vector<std::int64_t>{5510, 38384, 20320}));
    EXPECT_EQ(layout.silenceAfter, 13230);
    EXPECT_EQ(layout.totalSamples, 99214 + 13230);

    // A delay longer than the lead moves the first segment to a later frame.
    const ReadingLayout late = layoutReading({1000}, 1, 8000, 1152, kTiming);
    EXPECT_EQ(late.firstFrame, (std::vector<std::int64_t>{2}));
    EXPECT_EQ(late.silenceBefore, (std::vector<std::int64_t>{2 * 1152 + 6615 - 8000}));

    EXPECT_TRUE(layoutReading({}, 1, 1105, 1152, kTiming).firstFrame.empty());
}

TEST(SpeechReading, LayoutKeepsThePausesWithinOneFrameOfWhatWasAsked) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::int64_t> lengths(std::size_t(1 + random() % 12));
        for (std::int64_t& length : lengths) {
            length = 2000 + std::int64_t(random() % 200000);
        }
        const int heading = int(random() % 3);
        const ReadingLayout layout = layoutReading(lengths, heading, 1105, 1152, kTiming);
        ASSERT_EQ(layout.firstFrame.size(), lengths.size());
        std::int64_t at = 0;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            at += layout.silenceBefore[i];
            // The speech starts exactly `lead` into its first frame of the decoded stream ...
            EXPECT_EQ(at + 1105, layout.firstFrame[i] * 1152 + kTiming.lead);
            if (i > 0) {
                // ... and the silence before it is the pause asked for, rounded up to a frame.
                const std::int64_t pause = int(i) <= heading ? kTiming.longPause : kTiming.pause;
                EXPECT_GE(layout.silenceBefore[i], pause);
                EXPECT_LT(layout.silenceBefore[i], pause + 1152);
            }
            at += lengths[i];
        }
        EXPECT_EQ(at + layout.silenceAfter, layout.totalSamples);
    }
}

std::vector<Mp3Frame> framesOf(int count) {
    std::vector<Mp3Frame> frames;
    std::int64_t offset = 0;
    for (int i = 0; i < count; ++i) {
        const int length = i % 3 == 2 ? 157 : 156;
        frames.push_back({offset, length, 1152, 44100});
        offset += length;
    }
    return frames;
}

TEST(SpeechReading, SegmentsTakeTheirBytesAndTimesFromTheFrames) {
    ReadingLayout layout;
    layout.firstFrame = {0, 5, 9};
    const std::vector<ReadingSegment> segments = readingSegments(layout, framesOf(12));
    ASSERT_EQ(segments.size(), 3u);
    // Frames 0..4 are 156, 156, 157, 156, 156 bytes.
    EXPECT_EQ(segments[0].startByte, 0);
    EXPECT_EQ(segments[0].endByte, 781);
    EXPECT_EQ(segments[1].startByte, 781);
    EXPECT_EQ(segments[1].endByte, 781 + 157 + 156 + 156 + 157);
    EXPECT_EQ(segments[2].startByte, 781 + 157 + 156 + 156 + 157);
    EXPECT_EQ(segments[2].endByte, 0); // the last plays to the end of the file
    EXPECT_DOUBLE_EQ(segments[0].startSeconds, 0.0);
    EXPECT_DOUBLE_EQ(segments[0].endSeconds, 5 * 1152 / 44100.0);
    EXPECT_DOUBLE_EQ(segments[1].endSeconds, 9 * 1152 / 44100.0);
    EXPECT_DOUBLE_EQ(segments[2].endSeconds, 12 * 1152 / 44100.0);

    // A file too short for the layout gives no table.
    EXPECT_TRUE(readingSegments(layout, framesOf(9)).empty());
    EXPECT_TRUE(readingSegments(layout, {}).empty());
    EXPECT_TRUE(readingSegments(ReadingLayout{}, framesOf(3)).empty());
}

TEST(SpeechReading, TableHasOneTabSeparatedLinePerSegment) {
    const std::vector<ReadingSegment> segments{{0, 781, 0.0, 0.1306}, {781, 0, 0.1306, 2.5}};
    EXPECT_EQ(
        readingTable(segments, {QStringLiteral("咏鹅"), QStringLiteral("鹅，鹅，鹅，")}),
        QStringLiteral("0\t0\t781\t0.000\t0.131\t咏鹅\n1\t781\t0\t0.131\t2.500\t鹅，鹅，鹅，\n").toUtf8());
}

} // namespace
} // namespace qinghe::edition
