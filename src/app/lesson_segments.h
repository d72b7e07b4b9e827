#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace qinghe {

// One sentence of a lesson as the lesson movie shows it: its text, its pinyin, and where it lies in
// the lesson's recording (start -1 while there is no recording of it).
struct LessonSegment {
    int index = 0;
    QString zh;
    QString py;
    std::int64_t start = -1;
    std::int64_t end = -1; // 0 = to the end of the file

    bool playable() const { return start >= 0; }
};

// The lesson text the edition keeps for each lesson (lessontext/BBUULL.txt): UTF-8 lines of
// tab-separated index, text and pinyin.
QList<LessonSegment> parseLessonText(const QByteArray& bytes);

// The table kept beside each lesson reading (lessonread/BBUULL.txt): UTF-8 lines of tab-separated
// index, start byte, end byte, start seconds, end seconds and text.
QList<LessonSegment> parseLessonTimings(const QByteArray& bytes);

// The text with the byte ranges of the recording's table, matched by index and text (a table made
// for another version of the text gives no ranges).
QList<LessonSegment> mergeLessonSegments(const QList<LessonSegment>& text,
                                         const QList<LessonSegment>& timings);

// As the lesson movie takes them: a JSON array of {"zh", "py", "start", "end"}; start and end only
// for playable segments.
QString lessonSegmentsJson(const QList<LessonSegment>& segments);

} // namespace qinghe
