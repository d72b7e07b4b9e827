#include "study/dictation/dictation_layout.h"

#include <algorithm>

namespace qinghe {

namespace {
constexpr int kButtonGap = 40;   // between two kind buttons, and the first one's drop below the middle
constexpr int kPaceMargin = 5;   // pace chooser from the right and top edges
constexpr int kLabelOverlap = 3; // the pace label reaches under the chooser's left edge
constexpr int kRunningMargin = 24;
constexpr int kRunningGap = 10;
} // namespace

AnswerGridShape answerGridShape(DictationKind kind) {
    AnswerGridShape shape;
    if (kind == DictationKind::Words) {
        shape.columns = 5;
        shape.columnWidth = 150;
        shape.fontSize = 26;
        shape.gridWidth = 760;
    }
    return shape;
}

QStringList answerCells(const QStringList& shown, const AnswerGridShape& shape) {
    QStringList cells;
    cells.reserve(shape.capacity());
    for (int i = 0; i < shape.capacity(); ++i) {
        cells << shown.value(i);
    }
    return cells;
}

QPoint centredGridOrigin(QSize window, QSize grid) {
    return {(window.width() - grid.width()) / 2, (window.height() - grid.height()) / 2};
}

StartPanelLayout layoutStartPanel(QSize panel, QSize invitation, QSize button, QSize paceBox,
                                  QSize paceLabel) {
    StartPanelLayout layout;
    const int left = (panel.width() - button.width()) / 2;
    int top = panel.height() / 2 - button.height() / 2 + kButtonGap;
    for (QRect& rect : layout.buttons) {
        rect = QRect(QPoint(left, top), button);
        top += button.height() + kButtonGap;
    }
    layout.paceBox = QRect(QPoint(panel.width() - paceBox.width() - kPaceMargin, kPaceMargin), paceBox);
    layout.paceLabel = QRect(QPoint(layout.paceBox.left() - paceLabel.width() + kLabelOverlap,
                                    layout.paceBox.top() + (paceBox.height() - paceLabel.height()) / 2),
                             paceLabel);
    // The invitation stands above the buttons, clear of the pace chooser.
    const int invitationTop = std::max(layout.paceBox.bottom() + 1 + kPaceMargin,
                                       layout.buttons[0].top() - invitation.height() - kButtonGap);
    layout.invitation = QRect(QPoint((panel.width() - invitation.width()) / 2, invitationTop), invitation);
    return layout;
}

RunningPanelLayout layoutRunningPanel(QSize panel, QSize loudspeaker, int statusHeight, int progressHeight) {
    RunningPanelLayout layout;
    layout.panel = QRect(QPoint(0, 0), panel);
    const int width = std::max(0, panel.width() - 2 * kRunningMargin);
    layout.progress =
        QRect(kRunningMargin, panel.height() - kRunningMargin - progressHeight, width, progressHeight);
    layout.status =
        QRect(kRunningMargin, layout.progress.top() - kRunningGap - statusHeight, width, statusHeight);
    layout.loudspeaker =
        QPoint((panel.width() - loudspeaker.width()) / 2, (layout.status.top() - loudspeaker.height()) / 2);
    return layout;
}

} // namespace qinghe
