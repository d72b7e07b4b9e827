#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace qinghe::lint {

// One segment of a lesson reading, from the side file lessonread/BBUULL.txt that lies beside the
// recording: "index<TAB>start byte<TAB>end byte<TAB>start s<TAB>end s<TAB>text" per line. The byte
// range [start, end) of the MP3 file plays the segment; end 0 means "to the end of the file".
struct ReadingSegment {
    int line = 0;
    int index = 0;
    std::int64_t startByte = 0;
    std::int64_t endByte = 0;
    double startSeconds = 0;
    double endSeconds = 0;
    QString text;
};

struct ReadingSegments {
    std::vector<ReadingSegment> segments;
    std::vector<std::pair<int, QString>> problems; // line (0: the whole file), what is wrong
};

// Parses a side file and checks what needs no recording: six fields, numbers where numbers belong,
// indexes counting up by one, ranges and times in order. Hostile input gives problems, never more.
ReadingSegments parseReadingSegments(QByteArrayView bytes);

// Checks the segments against the recording's size: every range lies inside the file.
std::vector<std::pair<int, QString>> checkSegmentRanges(const std::vector<ReadingSegment>& segments,
                                                        std::int64_t fileSize);

} // namespace qinghe::lint
