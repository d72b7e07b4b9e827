#pragma once

#include "mp3_frames.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace qinghe::edition {

// How the segments of a lesson reading are spaced, in samples at the file's rate.
struct ReadingTiming {
    std::int64_t lead = 6615;       // silence opening each segment's range, before its speech
    std::int64_t pause = 19845;     // from the end of one segment's speech to the next one's
    std::int64_t longPause = 37485; // the same after the title and author lines
    std::int64_t tail = 13230;      // after the last segment
};

// Where the segments of a reading go so that each one's range of the MP3 file starts on a frame:
// segment i's speech begins `lead` samples into frame firstFrame[i] of the decoded stream.
struct ReadingLayout {
    std::vector<std::int64_t> silenceBefore; // inserted before each segment's samples when joining
    std::int64_t silenceAfter = 0;           // after the last one
    std::vector<std::int64_t> firstFrame;    // the frame each segment's range starts at
    std::int64_t totalSamples = 0;           // of the joined reading, before encoding
};

// `lengths` are the segments' sample counts; `longPauseAfter` how many leading segments (title,
// author) are followed by the long pause; `delay` the samples between an input sample and its place in
// the decoded stream; `frameSamples` the samples of one frame.
ReadingLayout layoutReading(const std::vector<std::int64_t>& lengths, int longPauseAfter, std::int64_t delay,
                            int frameSamples, const ReadingTiming& timing);

// One line of a reading's segment table.
struct ReadingSegment {
    std::int64_t startByte = 0;
    std::int64_t endByte = 0; // exclusive; 0 for the last segment: to the end of the file
    double startSeconds = 0;
    double endSeconds = 0;
};

// The byte and time range of every segment in the encoded file, from its frames. Empty when the file
// has fewer frames than the layout needs.
std::vector<ReadingSegment> readingSegments(const ReadingLayout& layout, const std::vector<Mp3Frame>& frames);

// The segment table as stored beside the reading: UTF-8, one line per segment, tab-separated: index
// (0-based, as in the lesson text), start byte, end byte, start and end in seconds (3 decimals), text.
QByteArray readingTable(const std::vector<ReadingSegment>& segments, const QStringList& texts);

} // namespace qinghe::edition
