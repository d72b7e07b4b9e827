#include "app/lesson_segments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qinghe {

QList<LessonSegment> parseLessonSegments(const QByteArray& bytes) {
    constexpr qsizetype kMaxSegments = 2000;
    QList<LessonSegment> segments;
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray& raw : lines) {
        if (segments.size() >= kMaxSegments) {
            break;
        }
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 6) {
            continue;
        }
        bool startOk = false;
        bool endOk = false;
        LessonSegment segment;
        segment.start = fields[1].trimmed().toLongLong(&startOk);
        segment.end = fields[2].trimmed().toLongLong(&endOk);
        if (!startOk || !endOk || segment.start < 0 || segment.end < 0 ||
            (segment.end != 0 && segment.end <= segment.start)) {
            continue;
        }
        segment.zh = QString::fromUtf8(fields[5]);
        if (fields.size() > 6) {
            segment.py = QString::fromUtf8(fields[6]);
        }
        segments.append(segment);
    }
    return segments;
}

QString lessonSegmentsJson(const QList<LessonSegment>& segments) {
    QJsonArray array;
    for (const LessonSegment& segment : segments) {
        array.append(QJsonObject{{QStringLiteral("zh"), segment.zh},
                                 {QStringLiteral("py"), segment.py},
                                 {QStringLiteral("start"), double(segment.start)},
                                 {QStringLiteral("end"), double(segment.end)}});
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace qinghe
