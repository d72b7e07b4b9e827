#pragma once

#include "pad/ink.h"

#include <QPainterPath>

namespace qinghe::pad {

// Mouse, pen and touch events arrive faster and more ragged than the hand moves. Points closer than
// `minDistance` to the last kept one are dropped, then every inner point is averaged with its two
// neighbours (¼ ½ ¼) `passes` times; the first and last points stay where the pen touched and lifted.
Stroke smoothStroke(const Stroke& raw, double minDistance = 2.0, int passes = 2);

// A path through the stroke's points with quadratic curves between their midpoints, so a stroke is drawn
// without corners. A single point becomes a dot (a zero-length line the round pen cap draws).
QPainterPath strokePath(const Stroke& stroke);

} // namespace qinghe::pad
