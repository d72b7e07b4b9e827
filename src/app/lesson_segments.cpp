#include "app/lesson_segments.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qinghe {

namespace {

constexpr qsizetype kMaxSegments = 2000;

// The tab-separated fields of each line, at most kMaxSegments lines.
template <typename Row>
QList<LessonSegment> readRows(const QByteArray& bytes, qsizetype minimumFields, Row&& row) {
    QList<LessonSegment> segments;
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray& raw : lines) {
        if (segments.size() >= kMaxSegments) {
            break;
        }
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const QList<QByteArray> fields = line.split('\t');
        bool indexOk = false;
        const int index = fields[0].trimmed().toInt(&indexOk);
        if (fields.size() < minimumFields || !indexOk || index < 0) {
            continue;
        }
        LessonSegment segment;
        segment.index = index;
        if (row(fields, segment)) {
            segments.append(segment);
        }
    }
    return segments;
}

} // namespace

QList<LessonSegment> parseLessonText(const QByteArray& bytes) {
    return readRows(bytes, 3, [](const QList<QByteArray>& fields, LessonSegment& segment) {
        segment.zh = QString::fromUtf8(fields[1]);
        segment.py = QString::fromUtf8(fields[2]);
        return !segment.zh.isEmpty();
    });
}

QList<LessonSegment> parseLessonTimings(const QByteArray& bytes) {
    return readRows(bytes, 6, [](const QList<QByteArray>& fields, LessonSegment& segment) {
        bool startOk = false;
        bool endOk = false;
        segment.start = fields[1].trimmed().toLongLong(&startOk);
        segment.end = fields[2].trimmed().toLongLong(&endOk);
        segment.zh = QString::fromUtf8(fields[5]);
        return startOk && endOk && segment.start >= 0 && segment.end >= 0 &&
               (segment.end == 0 || segment.end > segment.start);
    });
}

QList<LessonSegment> mergeLessonSegments(const QList<LessonSegment>& text,
                                         const QList<LessonSegment>& timings) {
    QHash<int, const LessonSegment*> byIndex;
    for (const LessonSegment& timing : timings) {
        byIndex.insert(timing.index, &timing);
    }
    QList<LessonSegment> merged = text;
    for (LessonSegment& segment : merged) {
        const LessonSegment* timing = byIndex.value(segment.index);
        if (timing != nullptr && timing->zh == segment.zh) {
            segment.start = timing->start;
            segment.end = timing->end;
        }
    }
    return merged;
}

QString lessonSegmentsJson(const QList<LessonSegment>& segments) {
    QJsonArray array;
    for (const LessonSegment& segment : segments) {
        QJsonObject item{{QStringLiteral("zh"), segment.zh}, {QStringLiteral("py"), segment.py}};
        if (segment.playable()) {
            item.insert(QStringLiteral("start"), double(segment.start));
            item.insert(QStringLiteral("end"), double(segment.end));
        }
        array.append(item);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace qinghe
