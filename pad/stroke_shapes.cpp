#include "pad/stroke_shapes.h"

#include "pad/handwriting_model.h"

#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace qinghe::pad {

namespace {

// Pairing a stroke backwards costs this much on top of its distance: the canonical turn already
// agrees for most strokes, and a near-level rising stroke may still come out either way.
constexpr double kTurnCost = 0.04;
// Neighbours further apart than this in the two orders are never paired.
constexpr int kBand = 2;
constexpr int kMaxShapeStrokes = 64;
constexpr qsizetype kTokenDigits = 4 * kShapePoints;

StrokeShape resampled(const Stroke& stroke) {
    std::vector<double> along(size_t(stroke.size()), 0.0);
    for (qsizetype i = 1; i < stroke.size(); ++i) {
        along[size_t(i)] = along[size_t(i - 1)] + QLineF(stroke[i - 1], stroke[i]).length();
    }
    const double total = along.back();
    StrokeShape shape;
    qsizetype segment = 1;
    for (int k = 0; k < kShapePoints; ++k) {
        const double s = total * k / (kShapePoints - 1);
        while (segment + 1 < stroke.size() && along[size_t(segment)] < s) {
            ++segment;
        }
        if (stroke.size() == 1 || total <= 0) {
            shape[size_t(k)] = stroke.first();
            continue;
        }
        const double from = along[size_t(segment - 1)];
        const double span = along[size_t(segment)] - from;
        const double t = span > 0 ? std::clamp((s - from) / span, 0.0, 1.0) : 0.0;
        shape[size_t(k)] = stroke[segment - 1] + (stroke[segment] - stroke[segment - 1]) * t;
    }
    return shape;
}

// std::hypot is careful about overflow and many times slower; shapes lie in the unit square.
double pointDistance(QPointF a, QPointF b) {
    const double dx = a.x() - b.x();
    const double dy = a.y() - b.y();
    return std::sqrt(dx * dx + dy * dy);
}

double strokeDistance(const StrokeShape& a, const StrokeShape& b) {
    double forward = 0;
    double backward = 0;
    for (int k = 0; k < kShapePoints; ++k) {
        forward += pointDistance(a[size_t(k)], b[size_t(k)]);
        backward += pointDistance(a[size_t(k)], b[size_t(kShapePoints - 1 - k)]);
    }
    return std::min(forward, backward + kTurnCost * kShapePoints) / kShapePoints;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

CharacterShape shapeOf(const Strokes& strokes, double side) {
    CharacterShape shape;
    if (side <= 0) {
        return shape;
    }
    for (const Stroke& stroke : inForm(strokes, StrokeForm::Fitted, side)) {
        if (stroke.isEmpty()) {
            continue;
        }
        StrokeShape points = resampled(stroke);
        for (QPointF& p : points) {
            p /= side;
        }
        shape.append(points);
    }
    return shape;
}

double shapeDistance(const CharacterShape& written, const CharacterShape& model, double limit) {
    const qsizetype n = written.size();
    const qsizetype m = model.size();
    if (n == 0 || m == 0 || std::abs(n - m) > kBand) {
        // Stroke counts further apart than the band are not paired at all.
        return kUnpairedStroke * double(std::max(n, m));
    }
    constexpr double kNever = std::numeric_limits<double>::infinity();
    constexpr qsizetype kMaxSide = kMaxShapeStrokes + kBand + 1;
    if (n > kMaxShapeStrokes || m > kMaxShapeStrokes) {
        return kUnpairedStroke * double(std::max(n, m));
    }
    // Each pair of strokes within the band is compared once, however many pairings use it, and only
    // when the row that first needs it is reached.
    constexpr qsizetype kBandWidth = 2 * kBand + 1;
    std::array<double, size_t(kMaxSide * kBandWidth)> pair{};
    const auto pairAt = [&pair](qsizetype i, qsizetype j) -> double& {
        return pair[size_t(i * kBandWidth + (j - i + kBand))];
    };
    std::array<double, size_t((kMaxSide + 1) * kBandWidth)> cost;
    cost.fill(kNever);
    const auto at = [&cost](qsizetype i, qsizetype j) -> double& {
        return cost[size_t(i * kBandWidth + (j - i + kBand))];
    };
    const auto get = [&at](qsizetype i, qsizetype j) {
        return i >= 0 && j >= 0 && std::abs(i - j) <= kBand ? at(i, j) : kNever;
    };
    at(0, 0) = 0;
    const double largest = double(std::max(n, m));
    for (qsizetype i = 0; i <= n; ++i) {
        double rowBest = kNever;
        if (i > 0) {
            for (qsizetype j = std::max<qsizetype>(0, i - 1 - kBand); j < std::min(m, i + kBand); ++j) {
                pairAt(i - 1, j) = strokeDistance(written[i - 1], model[j]);
            }
        }
        for (qsizetype j = std::max<qsizetype>(0, i - kBand); j <= std::min(m, i + kBand); ++j) {
            double best = at(i, j);
            best = std::min(best, get(i - 1, j) + kUnpairedStroke);
            best = std::min(best, get(i, j - 1) + kUnpairedStroke);
            if (i > 0 && j > 0) {
                best = std::min(best, get(i - 1, j - 1) + pairAt(i - 1, j - 1));
            }
            // Both crosswise pairs must lie in the band.
            if (i > 1 && j > 1 && std::abs(i - j) < kBand) {
                best = std::min(best, get(i - 2, j - 2) + pairAt(i - 1, j - 2) + pairAt(i - 2, j - 1));
            }
            at(i, j) = best;
            rowBest = std::min(rowBest, best);
        }
        // Costs only grow from row to row: once every way through is past the limit, so is the end.
        if (rowBest / largest > limit) {
            return kNever;
        }
    }
    return at(n, m) / largest;
}

QByteArray shapeLine(const QString& character, const CharacterShape& shape) {
    QByteArray line = character.toUtf8();
    const auto byte = [](double value) { return char(std::clamp(int(std::lround(value * 255)), 0, 255)); };
    for (const StrokeShape& stroke : shape) {
        QByteArray bytes;
        for (const QPointF& p : stroke) {
            bytes += byte(p.x());
            bytes += byte(p.y());
        }
        line += ' ' + bytes.toHex();
    }
    return line + '\n';
}

QHash<QString, CharacterShape> parseShapes(const QByteArray& text) {
    QHash<QString, CharacterShape> shapes;
    for (const QByteArray& raw : text.split('\n')) {
        const QList<QByteArray> fields = raw.trimmed().split(' ');
        if (fields.size() < 2 || fields.size() > kMaxShapeStrokes + 1) {
            continue;
        }
        const QString character = singleCharacter(fields[0]);
        if (character.isEmpty()) {
            continue;
        }
        CharacterShape shape;
        bool good = true;
        for (qsizetype f = 1; f < fields.size() && good; ++f) {
            const QByteArray& token = fields[f];
            good = token.size() == kTokenDigits;
            StrokeShape stroke;
            for (int k = 0; k < kShapePoints && good; ++k) {
                int values[2] = {0, 0};
                for (int axis = 0; axis < 2 && good; ++axis) {
                    const qsizetype at = 4 * k + 2 * axis;
                    const int high = hexDigit(token[at]);
                    const int low = hexDigit(token[at + 1]);
                    good = high >= 0 && low >= 0;
                    values[axis] = high * 16 + low;
                }
                stroke[size_t(k)] = QPointF(values[0] / 255.0, values[1] / 255.0);
            }
            shape.append(stroke);
        }
        if (good) {
            shapes.insert(character, shape);
        }
    }
    return shapes;
}

} // namespace qinghe::pad
