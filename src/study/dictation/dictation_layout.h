#pragma once

#include "study/dictation/dictation_session.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace qinghe {

// The answer list: a grid of 7 rows whose shape depends on the kind.
struct AnswerGridShape {
    int rows = 7;
    int columns = 6;
    int columnWidth = 80; // without the grid line
    int rowHeight = 80;   // without the grid line
    int fontSize = 45;    // points
    int gridWidth = 489;
    int capacity() const { return rows * columns; }
    // Height of the grid: every row with its line, and the frame.
    int gridHeight() const { return rows * (rowHeight + 1) + 2; }
};
AnswerGridShape answerGridShape(DictationKind kind);

// The cell texts row by row, left to right: the first entries of the list, then empty cells.
QStringList answerCells(const QStringList& shown, const AnswerGridShape& shape);
// The entry a cell stands for.
inline int answerIndex(int row, int column, const AnswerGridShape& shape) {
    return row * shape.columns + column;
}
// Top left of the grid centred in the window (may be negative when the window is smaller).
QPoint centredGridOrigin(QSize window, QSize grid);

// The start panel: the invitation, the three kind buttons under the middle, and the pace chooser
// with its label at the top right.
struct StartPanelLayout {
    QRect invitation;
    QRect buttons[3];
    QRect paceBox;
    QRect paceLabel;
};
StartPanelLayout layoutStartPanel(QSize panel, QSize invitation, QSize button, QSize paceBox,
                                  QSize paceLabel);

// The running panel covers the start panel; the loudspeaker sits centred above the status line and
// the progress bar at the bottom.
struct RunningPanelLayout {
    QRect panel;
    QPoint loudspeaker;
    QRect status;
    QRect progress;
};
RunningPanelLayout layoutRunningPanel(QSize panel, QSize loudspeaker, int statusHeight, int progressHeight);

} // namespace qinghe
