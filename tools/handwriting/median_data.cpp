#include "handwriting/median_data.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace qinghe::handwriting {

namespace {

std::optional<pad::Strokes> failed(QString* error, const QString& message) {
    if (error != nullptr) {
        *error = message;
    }
    return std::nullopt;
}

} // namespace

std::optional<pad::Strokes> parseMedians(const QByteArray& json, QString* error) {
    if (json.size() > kMaxMedianFileBytes) {
        return failed(error, QStringLiteral("larger than %1 bytes").arg(kMaxMedianFileBytes));
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return failed(error, QStringLiteral("not a JSON object"));
    }
    const QJsonValue medians = document.object().value(QStringLiteral("medians"));
    if (!medians.isArray() || medians.toArray().isEmpty()) {
        return failed(error, QStringLiteral("no medians"));
    }
    const QJsonArray strokes = medians.toArray();
    if (strokes.size() > kMaxMedianStrokes) {
        return failed(error, QStringLiteral("more than %1 strokes").arg(kMaxMedianStrokes));
    }
    pad::Strokes result;
    for (const QJsonValue& strokeValue : strokes) {
        const QJsonArray points = strokeValue.toArray();
        if (points.isEmpty() || points.size() > kMaxMedianPoints) {
            return failed(
                error, QStringLiteral("stroke %1 has %2 points").arg(result.size() + 1).arg(points.size()));
        }
        pad::Stroke stroke;
        for (const QJsonValue& pointValue : points) {
            const QJsonArray pair = pointValue.toArray();
            if (pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble()) {
                return failed(
                    error, QStringLiteral("stroke %1 has a point that is not [x, y]").arg(result.size() + 1));
            }
            const double x = pair[0].toDouble();
            const double y = pair[1].toDouble();
            // Real medians stay inside the em square with a margin; far outside is damage.
            if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 4 * kMedianUnits ||
                std::abs(y) > 4 * kMedianUnits) {
                return failed(error, QStringLiteral("stroke %1 leaves the square").arg(result.size() + 1));
            }
            stroke.append(QPointF(x, kMedianTop - y));
        }
        result.append(stroke);
    }
    return result;
}

std::optional<pad::Strokes> loadMedians(const QString& packageDirectory, const QString& character,
                                        QString* error) {
    QFile file(packageDirectory + u'/' + character + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(error, QStringLiteral("no stroke data for %1").arg(character));
    }
    const QByteArray bytes = file.read(kMaxMedianFileBytes + 1);
    return parseMedians(bytes, error);
}

} // namespace qinghe::handwriting
