#include "handwriting/stroke_distortion.h"

#include "handwriting/median_data.h"

#include <QLineF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace qinghe::handwriting {

namespace {

// SplitMix64: small, fast and the same on every platform, so a seed names the same copy everywhere
// (the standard distributions may differ between libraries).
class Random {
public:
    explicit Random(quint64 seed)
        : state_(seed) {}
    quint64 next() {
        quint64 z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-bound, bound].
    double symmetric(double bound) { return bound * (2 * unit() - 1); }
    bool chance(double p) { return unit() < p; }
    int below(int n) { return int(next() % quint64(n)); }

private:
    quint64 state_;
};

double length(const pad::Stroke& line) {
    double total = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        total += QLineF(line[i - 1], line[i]).length();
    }
    return total;
}

// The point at arc length `s`; beyond either end the end segment is continued straight.
QPointF pointAt(const pad::Stroke& line, double s) {
    if (line.size() == 1) {
        return line.first();
    }
    if (s <= 0) {
        const QLineF first(line[0], line[1]);
        return first.length() > 0 ? first.pointAt(s / first.length()) : line[0];
    }
    double walked = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QLineF segment(line[i - 1], line[i]);
        const double l = segment.length();
        if (s <= walked + l || i + 1 == line.size()) {
            return l > 0 ? segment.pointAt((s - walked) / l) : line[i];
        }
        walked += l;
    }
    return line.last();
}

// The unit normal of the line near arc length `s`.
QPointF normalAt(const pad::Stroke& line, double s, double total) {
    const double d = std::max(1.0, total / 50);
    const QPointF a = pointAt(line, std::max(0.0, s - d));
    const QPointF b = pointAt(line, std::min(total, s + d));
    const QLineF tangent(a, b);
    if (tangent.length() <= 0) {
        return {};
    }
    return QPointF(-tangent.dy(), tangent.dx()) / tangent.length();
}

QPointF centreOf(const pad::Stroke& stroke) {
    QPointF sum;
    for (const QPointF& p : stroke) {
        sum += p;
    }
    return stroke.isEmpty() ? sum : sum / double(stroke.size());
}

pad::Stroke resample(const pad::Stroke& line, double from, double to, double step) {
    pad::Stroke points;
    const double span = to - from;
    const int pieces = std::max(1, int(std::ceil(std::abs(span) / std::max(1.0, step))));
    for (int i = 0; i <= pieces; ++i) {
        points.append(pointAt(line, from + span * i / pieces));
    }
    return points;
}

} // namespace

Distortion trainingDistortion() {
    Distortion d;
    d.scale = 0.12;
    d.rotation = 4;
    d.shear = 0.08;
    d.shift = 50;
    d.strokeShift = 16;
    d.strokeScale = 0.10;
    d.strokeRotation = 5;
    d.endChange = 0.08;
    d.wobble = 8;
    d.jitter = 2.5;
    d.reverseChance = 0.15;
    d.swapChance = 0.15;
    return d;
}

Distortion heldOutDistortion() {
    Distortion d;
    d.scale = 0.16;
    d.rotation = 5;
    d.shear = 0.10;
    d.shift = 70;
    d.strokeShift = 22;
    d.strokeScale = 0.14;
    d.strokeRotation = 7;
    d.endChange = 0.12;
    d.wobble = 11;
    d.jitter = 3.5;
    d.reverseChance = 0.2;
    d.swapChance = 0.2;
    d.step = 9;
    return d;
}

Distortion carefulDistortion() {
    Distortion d;
    d.scale = 0.05;
    d.shift = 20;
    d.strokeShift = 8;
    d.wobble = 4;
    d.jitter = 2;
    d.step = 8;
    return d;
}

quint64 copySeed(const QString& character, int index, quint64 series) {
    quint64 h = 1469598103934665603ULL ^ (series * 0x9e3779b97f4a7c15ULL);
    for (const QChar c : character) {
        h = (h ^ c.unicode()) * 1099511628211ULL;
    }
    return (h ^ quint64(index)) * 0xff51afd7ed558ccdULL;
}

pad::Strokes resampleStrokes(const pad::Strokes& medians, double step) {
    pad::Strokes strokes;
    for (const pad::Stroke& line : medians) {
        strokes.append(line.isEmpty() ? line : resample(line, 0, length(line), step));
    }
    return strokes;
}

pad::Strokes distortStrokes(const pad::Strokes& medians, const Distortion& d, quint64 seed) {
    Random random(seed);
    const QPointF middle(kMedianUnits / 2, kMedianUnits / 2);
    QTransform whole;
    whole.translate(middle.x() + random.symmetric(d.shift), middle.y() + random.symmetric(d.shift));
    whole.rotate(random.symmetric(d.rotation));
    whole.shear(random.symmetric(d.shear), 0);
    whole.scale(1 + random.symmetric(d.scale), 1 + random.symmetric(d.scale));
    whole.translate(-middle.x(), -middle.y());

    pad::Strokes strokes;
    for (const pad::Stroke& line : medians) {
        if (line.isEmpty()) {
            continue;
        }
        const double total = length(line);
        // Strokes change their ends and wave in proportion to their size; a dot stays a dot.
        const double from = -random.symmetric(d.endChange) * total;
        const double to = total + random.symmetric(d.endChange) * total;
        const double amplitude = random.symmetric(d.wobble) * std::min(1.0, total / 250);
        const double waves = 0.3 + random.unit();
        const double phase = random.unit() * 2 * std::numbers::pi;
        pad::Stroke stroke = resample(line, from, to, d.step);
        for (qsizetype i = 0; i < stroke.size() && total > 0; ++i) {
            const double t = stroke.size() > 1 ? double(i) / double(stroke.size() - 1) : 0;
            const double s = std::clamp(from + (to - from) * t, 0.0, total);
            stroke[i] +=
                normalAt(line, s, total) * amplitude * std::sin(2 * std::numbers::pi * waves * t + phase);
        }
        const QPointF centre = centreOf(stroke);
        QTransform own;
        own.translate(centre.x() + random.symmetric(d.strokeShift),
                      centre.y() + random.symmetric(d.strokeShift));
        own.rotate(random.symmetric(d.strokeRotation));
        const double grow = 1 + random.symmetric(d.strokeScale);
        own.scale(grow, grow);
        own.translate(-centre.x(), -centre.y());
        const QTransform all = own * whole;
        for (QPointF& point : stroke) {
            point = all.map(point) + QPointF(random.symmetric(d.jitter), random.symmetric(d.jitter));
        }
        strokes.append(stroke);
    }
    if (strokes.size() > 0 && random.chance(d.reverseChance)) {
        pad::Stroke& turned = strokes[random.below(int(strokes.size()))];
        std::reverse(turned.begin(), turned.end());
    }
    if (strokes.size() > 1 && random.chance(d.swapChance)) {
        const int first = random.below(int(strokes.size()) - 1);
        std::swap(strokes[first], strokes[first + 1]);
    }
    return strokes;
}

} // namespace qinghe::handwriting
