#include "strokes/stroke_data.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace qinghe::edition {

namespace {

// Far outside any glyph, yet small enough that every rounded value fits an int.
constexpr double kCoordinateLimit = 100000.0;

bool isNumberStart(QChar c) {
    return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
}

// Reads one number at `pos` (sign, digits, fraction, exponent) and moves past it.
std::optional<double> readNumber(QStringView text, qsizetype& pos) {
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        ++pos;
    }
    bool digits = false;
    while (pos < text.size() && text[pos].isDigit()) {
        ++pos;
        digits = true;
    }
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        while (pos < text.size() && text[pos].isDigit()) {
            ++pos;
            digits = true;
        }
    }
    if (digits && pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        qsizetype after = pos + 1;
        if (after < text.size() && (text[after] == u'-' || text[after] == u'+')) {
            ++after;
        }
        if (after < text.size() && text[after].isDigit()) {
            pos = after;
            while (pos < text.size() && text[pos].isDigit()) {
                ++pos;
            }
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = text.mid(start, pos - start).toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > kCoordinateLimit) {
        return std::nullopt;
    }
    return value;
}

int operandsOf(QChar command) {
    switch (command.unicode()) {
    case u'M':
    case u'L':
        return 2;
    case u'Q':
        return 4;
    case u'C':
        return 6;
    case u'Z':
        return 0;
    default:
        return -1;
    }
}

QPoint flipped(double x, double y) {
    return {int(std::lround(x)), int(std::lround(double(kStrokeTop) - y))};
}

bool fail(QString* error, const QString& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}

} // namespace

std::optional<StrokeShape> parseOutline(QStringView svg, QString* error) {
    StrokeShape shape;
    QChar command;
    qsizetype pos = 0;
    int numbers = 0;
    int segments = 0;
    bool open = false; // a subpath has been started and not closed
    const auto skipSeparators = [&] {
        while (pos < svg.size() && (svg[pos].isSpace() || svg[pos] == u',')) {
            ++pos;
        }
    };
    while (true) {
        skipSeparators();
        if (pos >= svg.size()) {
            break;
        }
        const QChar c = svg[pos];
        if (c.isLetter()) {
            if (operandsOf(c) < 0) {
                fail(error, QStringLiteral("unsupported path command '%1'").arg(c));
                return std::nullopt;
            }
            command = c;
            ++pos;
        } else if (!isNumberStart(c) || command.isNull() || command == u'Z') {
            fail(error, QStringLiteral("unexpected '%1' at %2 of the outline").arg(c).arg(pos));
            return std::nullopt;
        } else if (command == u'M') {
            // Coordinates after a move continue as lines.
            command = u'L';
        }
        if (shape.outline.isEmpty() && command != u'M') {
            fail(error, QStringLiteral("the outline does not start with M"));
            return std::nullopt;
        }
        const int count = operandsOf(command);
        double values[6] = {};
        for (int i = 0; i < count; ++i) {
            skipSeparators();
            const std::optional<double> value = readNumber(svg, pos);
            if (!value) {
                fail(error, QStringLiteral("%1 needs %2 numbers").arg(command).arg(count));
                return std::nullopt;
            }
            values[i] = *value;
        }
        numbers += count;
        if (numbers > kMaxOutlineNumbers) {
            fail(error, QStringLiteral("the outline is too long"));
            return std::nullopt;
        }
        QPoint p[3];
        for (int i = 0; i < count / 2; ++i) {
            p[i] = flipped(values[2 * i], values[2 * i + 1]);
        }
        shape.outline += command;
        for (int i = 0; i < count / 2; ++i) {
            shape.outline += QString::number(p[i].x()) + u' ' + QString::number(p[i].y());
            if (i + 1 < count / 2) {
                shape.outline += u' ';
            }
        }
        switch (command.unicode()) {
        case u'M':
            shape.path.moveTo(p[0]);
            open = true;
            break;
        case u'L':
            shape.path.lineTo(p[0]);
            ++segments;
            break;
        case u'Q':
            shape.path.quadTo(p[0], p[1]);
            ++segments;
            break;
        case u'C':
            shape.path.cubicTo(p[0], p[1], p[2]);
            ++segments;
            break;
        case u'Z':
            if (open) {
                shape.path.closeSubpath();
                open = false;
            }
            break;
        default:
            break;
        }
    }
    if (segments == 0) {
        fail(error, QStringLiteral("the outline draws nothing"));
        return std::nullopt;
    }
    return shape;
}

double medianLength(const QList<QPoint>& median) {
    double length = 0;
    for (qsizetype i = 1; i < median.size(); ++i) {
        length +=
            std::hypot(double(median[i].x() - median[i - 1].x()), double(median[i].y() - median[i - 1].y()));
    }
    return length;
}

StrokeDataRead parseStrokeData(const QByteArray& json) {
    StrokeDataRead read;
    if (json.size() > kMaxStrokeDataBytes) {
        read.error = QStringLiteral("larger than %1 bytes").arg(kMaxStrokeDataBytes);
        return read;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        read.error =
            parseError.error != QJsonParseError::NoError
                ? QStringLiteral("not JSON: %1 at %2").arg(parseError.errorString()).arg(parseError.offset)
                : QStringLiteral("not a JSON object");
        return read;
    }
    const QJsonObject root = document.object();
    const QJsonValue strokesValue = root.value(QStringLiteral("strokes"));
    const QJsonValue mediansValue = root.value(QStringLiteral("medians"));
    if (!strokesValue.isArray() || !mediansValue.isArray()) {
        read.error = QStringLiteral("\"strokes\" and \"medians\" must be arrays");
        return read;
    }
    const QJsonArray strokes = strokesValue.toArray();
    const QJsonArray medians = mediansValue.toArray();
    if (strokes.isEmpty() || strokes.size() > kMaxStrokes) {
        read.error = QStringLiteral("%1 strokes (1 to %2 expected)").arg(strokes.size()).arg(kMaxStrokes);
        return read;
    }
    if (medians.size() != strokes.size()) {
        read.error = QStringLiteral("%1 strokes but %2 medians").arg(strokes.size()).arg(medians.size());
        return read;
    }
    StrokeCharacter character;
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        if (!strokes[i].isString()) {
            read.error = QStringLiteral("stroke %1 is not a path text").arg(i + 1);
            return read;
        }
        QString error;
        std::optional<StrokeShape> shape = parseOutline(strokes[i].toString(), &error);
        if (!shape) {
            read.error = QStringLiteral("stroke %1: %2").arg(i + 1).arg(error);
            return read;
        }
        const QJsonArray points = medians[i].toArray();
        if (!medians[i].isArray() || points.isEmpty() || points.size() > kMaxMedianPoints) {
            read.error =
                QStringLiteral("median %1 must hold 1 to %2 points").arg(i + 1).arg(kMaxMedianPoints);
            return read;
        }
        for (const QJsonValue& pointValue : points) {
            const QJsonArray point = pointValue.toArray();
            const bool numeric =
                pointValue.isArray() && point.size() == 2 && point[0].isDouble() && point[1].isDouble();
            if (!numeric || std::abs(point[0].toDouble()) > kCoordinateLimit ||
                std::abs(point[1].toDouble()) > kCoordinateLimit) {
                read.error = QStringLiteral("median %1 has a point that is not [x, y]").arg(i + 1);
                return read;
            }
            shape->median.append(flipped(point[0].toDouble(), point[1].toDouble()));
        }
        // A dot's median may be a single point: the brush still needs a line to travel.
        if (shape->median.size() == 1) {
            shape->median.append(shape->median.first());
        }
        character.strokes.append(std::move(*shape));
    }
    read.character = std::move(character);
    return read;
}

} // namespace qinghe::edition
