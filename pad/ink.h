#pragma once

#include <QList>
#include <QPointF>

namespace qinghe::pad {

// Points of one stroke in the writing square's coordinates, y pointing down.
using Stroke = QList<QPointF>;
using Strokes = QList<Stroke>;

// The character being written: the finished strokes and the one under the pen. A finished stroke is
// smoothed once, when the pen lifts, so what is recognised is exactly what is drawn.
class InkModel {
public:
    // A pen left on the pad or a runaway device cannot grow the ink without end.
    static constexpr int kMaxStrokes = 64;
    static constexpr int kMaxPointsPerStroke = 4096;

    // Starts a stroke (ending one still under way); false when the character already has kMaxStrokes.
    bool beginStroke(QPointF point);
    // Ignored without a stroke under way and beyond kMaxPointsPerStroke.
    void extendStroke(QPointF point);
    // Finishes the stroke under way; false when there was none.
    bool endStroke();

    // Removes the stroke under way, or else the last finished one; false when there was nothing.
    bool undoStroke();
    void clear();

    const Strokes& strokes() const { return strokes_; }
    const Stroke& current() const { return current_; }
    bool writing() const { return writing_; }
    bool isEmpty() const { return strokes_.isEmpty() && !writing_; }

private:
    Strokes strokes_;
    Stroke current_;
    bool writing_ = false;
};

} // namespace qinghe::pad
