#pragma once

#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace qinghe::pad {

class PadController;
class WritingSquare;

// The pad's window, "手写输入": the writing square with 撤销 and 清除 beside it, the row of ten
// candidates below and a line saying which model recognises. It stays on top of other windows and
// does not take the focus from them, so the main program keeps its focused text field.
class PadWindow : public QWidget {
public:
    static constexpr int kSquareSide = 300;

    explicit PadWindow(PadController& controller, QWidget* parent = nullptr);

    // Shows the window in front of the others (a second start of the pad asks for this).
    void bringToFront();
    // A note in place of the model line for a few seconds.
    void showNote(const QString& text);

    WritingSquare* square() const { return square_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* clearButton() const { return clear_; }
    const QList<QPushButton*>& candidateButtons() const { return candidates_; }
    QLabel* statusLine() const { return status_; }

private:
    void showCandidates();
    void showStatus();

    PadController& controller_;
    WritingSquare* square_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* clear_ = nullptr;
    QList<QPushButton*> candidates_;
    QLabel* status_ = nullptr;
    QTimer noteTimer_;
};

} // namespace qinghe::pad
