#include "pad/writing_square.h"

#include "pad/pad_controller.h"
#include "pad/stroke_smoothing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTabletEvent>
#include <QTouchEvent>

#include <algorithm>

namespace qinghe::pad {

WritingSquare::WritingSquare(PadController& controller, int side, QWidget* parent)
    : QWidget(parent)
    , controller_(controller) {
    setFixedSize(side, side);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setAccessibleName(QStringLiteral("写字区"));
    controller_.setSquareSide(side);
    connect(&controller_, &PadController::inkChanged, this, qOverload<>(&QWidget::update));
}

QPointF WritingSquare::inside(QPointF point) const {
    return {std::clamp(point.x(), 0.0, double(width())), std::clamp(point.y(), 0.0, double(height()))};
}

void WritingSquare::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xff, 0xfd, 0xf6));

    // 田字格: a red frame and dashed middle lines, as in a child's exercise book.
    const QColor guide(0xd9, 0x4b, 0x3c);
    const double side = width();
    QPen dashed(guide.lighter(140), 1.2, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(QPointF(side / 2, 0), QPointF(side / 2, side));
    painter.drawLine(QPointF(0, side / 2), QPointF(side, side / 2));
    painter.setPen(QPen(guide, 3));
    painter.drawRect(QRectF(1.5, 1.5, side - 3, side - 3));

    QPen ink(QColor(0x1d, 0x1d, 0x1f), std::max(4.0, side / 32), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);
    painter.setBrush(Qt::NoBrush);
    for (const Stroke& stroke : controller_.ink().strokes()) {
        painter.drawPath(strokePath(stroke));
    }
    if (controller_.ink().writing()) {
        painter.drawPath(strokePath(controller_.ink().current()));
    }
}

void WritingSquare::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        controller_.penDown(inside(event->position()));
    }
}

void WritingSquare::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        controller_.penMove(inside(event->position()));
    }
}

void WritingSquare::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        controller_.penUp();
    }
}

void WritingSquare::tabletEvent(QTabletEvent* event) {
    // Accepted, so no mouse events are made up from the pen as well.
    event->accept();
    switch (event->type()) {
    case QEvent::TabletPress:
        controller_.penDown(inside(event->position()));
        break;
    case QEvent::TabletMove:
        if (event->buttons() != Qt::NoButton || event->pressure() > 0) {
            controller_.penMove(inside(event->position()));
        }
        break;
    case QEvent::TabletRelease:
        controller_.penUp();
        break;
    default:
        break;
    }
}

bool WritingSquare::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        // One finger writes; further fingers are ignored.
        auto* touch = static_cast<QTouchEvent*>(event);
        if (touch->points().isEmpty()) {
            return true;
        }
        const QEventPoint& point = touch->points().first();
        if (event->type() == QEvent::TouchBegin) {
            controller_.penDown(inside(point.position()));
        } else if (event->type() == QEvent::TouchUpdate) {
            controller_.penMove(inside(point.position()));
        } else if (event->type() == QEvent::TouchCancel) {
            controller_.penUp();
            controller_.undoStroke();
        } else {
            controller_.penUp();
        }
        event->accept();
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

} // namespace qinghe::pad
