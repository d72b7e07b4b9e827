#pragma once

#include "study/drill_kind.h"

#include <QString>

namespace qinghe {

// What tells the four drills apart: their names on screen and in the window, and how a question is
// put (heard or read) and answered (characters or readings).
struct DrillTraits {
    Drill kind;
    QString caption;      // the menu item's caption
    QString menuItem;     // N18 .. N21
    QString panelName;    // pnl_tyrz, pnl_kyrz, pnl_kzry, pnl_tyby
    QString buttonPrefix; // choice buttons are this + 1..4
    QString labelName;    // question label (hidden in the listen-for-reading drill), empty if none
    QString replayName;   // replay button of the listening drills, empty otherwise
    QString movieName;    // the right-answer movie host
    bool listening;       // the question is the recording of the entry's reading
    bool readings;        // the choices are readings rather than characters
    // The question label's height as a fraction of the panel height (looking drills only).
    int labelElevenths;
    // The button row's top is rowElevenths * H / 11 + h / 2 in the looking drills.
    int rowElevenths;
};

const DrillTraits& drillTraits(Drill kind);

} // namespace qinghe
