#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace qinghe {

// One sentence of a lesson reading: its byte range in the recording and its text.
struct LessonSegment {
    std::int64_t start = 0;
    std::int64_t end = 0; // 0 = to the end of the file
    QString zh;
    QString py;
};

// The side file the edition keeps beside each lesson reading (lessonread/BBUULL.txt): UTF-8 lines of
// tab-separated index, start byte, end byte, start seconds, end seconds, text and, optionally, its
// pinyin. Lines that do not fit are skipped; at most 2,000 segments are read.
QList<LessonSegment> parseLessonSegments(const QByteArray& bytes);

// The segments as the lesson movie takes them: a JSON array of {"zh", "py", "start", "end"}.
QString lessonSegmentsJson(const QList<LessonSegment>& segments);

} // namespace qinghe
