#include "lessonread_index.h"

#include "base/text_encoding.h"

#include <QStringList>

#include <cmath>

namespace qinghe::lint {

namespace {

constexpr qsizetype kMaxSideFileBytes = 4 * 1024 * 1024;

} // namespace

ReadingSegments parseReadingSegments(QByteArrayView bytes) {
    ReadingSegments result;
    auto& problems = result.problems;
    if (bytes.size() > kMaxSideFileBytes) {
        problems.emplace_back(0, QStringLiteral("larger than %1 MiB").arg(kMaxSideFileBytes / (1024 * 1024)));
        return result;
    }
    if (!isValidUtf8(QByteArray(bytes.data(), bytes.size()))) {
        problems.emplace_back(0, QStringLiteral("not UTF-8 text"));
        return result;
    }
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const int number = int(i) + 1;
        if (line.isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 6) {
            problems.emplace_back(number,
                                  QStringLiteral("%1 fields; a segment line has 6 (index, start byte, end "
                                                 "byte, start s, end s, text)")
                                      .arg(fields.size()));
            continue;
        }
        ReadingSegment segment;
        segment.line = number;
        bool ok[5] = {};
        segment.index = fields[0].toInt(&ok[0]);
        segment.startByte = fields[1].toLongLong(&ok[1]);
        segment.endByte = fields[2].toLongLong(&ok[2]);
        segment.startSeconds = fields[3].toDouble(&ok[3]);
        segment.endSeconds = fields[4].toDouble(&ok[4]);
        segment.text = fields[5];
        static const char* const kNames[5] = {"index", "start byte", "end byte", "start time", "end time"};
        bool numbers = true;
        for (int f = 0; f < 5; ++f) {
            if (!ok[f]) {
                problems.emplace_back(
                    number,
                    QStringLiteral("%1 «%2» is not a number").arg(QString::fromLatin1(kNames[f]), fields[f]));
                numbers = false;
                break;
            }
        }
        if (!numbers) {
            continue;
        }
        if (!std::isfinite(segment.startSeconds) || !std::isfinite(segment.endSeconds) ||
            segment.startSeconds < 0 || segment.endSeconds < segment.startSeconds) {
            problems.emplace_back(
                number, QStringLiteral("times %1 s to %2 s are not a span").arg(fields[3], fields[4]));
        }
        if (segment.startByte < 0 || segment.endByte < 0 ||
            (segment.endByte != 0 && segment.endByte <= segment.startByte)) {
            problems.emplace_back(
                number,
                QStringLiteral("bytes %1 to %2 are not a range").arg(segment.startByte).arg(segment.endByte));
        }
        if (segment.text.trimmed().isEmpty()) {
            problems.emplace_back(number, QStringLiteral("the segment has no text"));
        }
        if (!result.segments.empty()) {
            const ReadingSegment& previous = result.segments.back();
            if (segment.index != previous.index + 1) {
                problems.emplace_back(
                    number,
                    QStringLiteral("index %1 follows index %2").arg(segment.index).arg(previous.index));
            }
            if (previous.endByte == 0) {
                problems.emplace_back(number,
                                      QStringLiteral("follows a segment that runs to the end of the file"));
            } else if (segment.startByte < previous.endByte) {
                problems.emplace_back(number,
                                      QStringLiteral("starts at byte %1, inside the previous segment (up "
                                                     "to byte %2)")
                                          .arg(segment.startByte)
                                          .arg(previous.endByte));
            }
        }
        result.segments.push_back(std::move(segment));
    }
    if (result.segments.empty() && problems.empty()) {
        problems.emplace_back(0, QStringLiteral("holds no segments"));
    }
    return result;
}

std::vector<std::pair<int, QString>> checkSegmentRanges(const std::vector<ReadingSegment>& segments,
                                                        std::int64_t fileSize) {
    std::vector<std::pair<int, QString>> problems;
    for (const ReadingSegment& segment : segments) {
        if (segment.startByte >= fileSize || segment.endByte > fileSize) {
            problems.emplace_back(segment.line,
                                  QStringLiteral("bytes %1 to %2 lie outside the recording of %3 bytes")
                                      .arg(segment.startByte)
                                      .arg(segment.endByte)
                                      .arg(fileSize));
        }
    }
    return problems;
}

} // namespace qinghe::lint
