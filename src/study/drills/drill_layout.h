#pragma once

#include "study/drill_kind.h"

#include <QRect>
#include <QSize>

#include <array>
#include <optional>

namespace qinghe {

// Where the controls of a drill panel of the given size go. Every division is an integer division,
// taken term by term as written (W/6 + W/12, not 3W/12).
struct DrillGeometry {
    QSize label;                  // question label of the looking drills (its top belongs to the slide-in)
    std::array<QRect, 4> buttons; // choice buttons 1..4; empty for buttons not shown
    QRect replay;                 // replay button of the listening drills
};

// The size of a choice button: square tiles for characters, wider ones for readings, shrinking in
// a small window so that four still fit side by side.
QSize drillButtonSize(Drill kind, QSize panel);
// The replay button's size.
QSize drillReplaySize(QSize panel);

// Lays out a panel showing `shownButtons` choice buttons (4, 2 or 1).
DrillGeometry layOutDrill(Drill kind, QSize panel, QSize button, QSize replay, int shownButtons);

// One tick of the question label's slide from above: the label's next top, or nothing when it has
// arrived (the timer stops). It moves 30 pixels a tick and snaps to 0 for the last bit.
std::optional<int> slideInStep(int top);

} // namespace qinghe
