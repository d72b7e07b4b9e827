#include "pad/stroke_smoothing.h"

#include <QLineF>

namespace qinghe::pad {

Stroke smoothStroke(const Stroke& raw, double minDistance, int passes) {
    if (raw.isEmpty()) {
        return {};
    }
    Stroke kept{raw.first()};
    for (qsizetype i = 1; i < raw.size(); ++i) {
        if (QLineF(kept.last(), raw[i]).length() >= minDistance) {
            kept.append(raw[i]);
        }
    }
    // The lift point counts even when it is close to the last kept one: it takes that point's place.
    if (raw.size() > 1 && kept.last() != raw.last()) {
        if (kept.size() > 1) {
            kept.last() = raw.last();
        } else {
            kept.append(raw.last());
        }
    }
    for (int pass = 0; pass < passes && kept.size() > 2; ++pass) {
        Stroke next = kept;
        for (qsizetype i = 1; i + 1 < kept.size(); ++i) {
            next[i] = kept[i - 1] * 0.25 + kept[i] * 0.5 + kept[i + 1] * 0.25;
        }
        kept = std::move(next);
    }
    return kept;
}

QPainterPath strokePath(const Stroke& stroke) {
    QPainterPath path;
    if (stroke.isEmpty()) {
        return path;
    }
    path.moveTo(stroke.first());
    if (stroke.size() == 1) {
        // QPainterPath drops a line to the point it is at, so the dot is a line a hundredth of a pixel long.
        path.lineTo(stroke.first() + QPointF(0.01, 0));
        return path;
    }
    if (stroke.size() == 2) {
        path.lineTo(stroke.last());
        return path;
    }
    for (qsizetype i = 1; i + 1 < stroke.size(); ++i) {
        const QPointF middle = (stroke[i] + stroke[i + 1]) / 2;
        path.quadTo(stroke[i], middle);
    }
    path.lineTo(stroke.last());
    return path;
}

} // namespace qinghe::pad
