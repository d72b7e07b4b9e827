#pragma once

#include <QWidget>

namespace qinghe::pad {

class PadController;

// The writing square: a 田字格 guide and the ink, written with the mouse, a pen or a finger. Input
// goes to the controller in the square's own pixels; nothing is decided here.
class WritingSquare : public QWidget {
public:
    explicit WritingSquare(PadController& controller, int side, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    bool event(QEvent* event) override;

private:
    QPointF inside(QPointF point) const;

    PadController& controller_;
};

} // namespace qinghe::pad
