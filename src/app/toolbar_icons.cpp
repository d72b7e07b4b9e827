#include "app/toolbar_icons.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace qinghe {

namespace {

constexpr int kSize = 48;

struct Canvas {
    QPixmap pixmap{kSize, kSize};
    QPainter p;
    Canvas() {
        pixmap.fill(Qt::transparent);
        p.begin(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
    }
    QIcon done() {
        p.end();
        return QIcon(pixmap);
    }
};

void glyph(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixelSize) {
    // The interface font as it is, scaled and emboldened as a path: every other size or weight is a
    // font of its own to look up, and each lookup costs the start-up a millisecond or more.
    const QFont font = QGuiApplication::font();
    QPainterPath outline;
    outline.addText(0, 0, font, text);
    const qreal scale = pixelSize / qreal(std::max(1, QFontInfo(font).pixelSize()));
    outline = QTransform::fromScale(scale, scale).map(outline);
    const QRectF ink = outline.boundingRect();
    outline.translate(box.center() - ink.center());
    p.setPen(QPen(colour, pixelSize / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(outline);
}

void tile(QPainter& p, const QColor& fill) {
    p.setPen(QPen(fill.darker(130), 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(5, 5, 38, 38), 9, 9);
}

void star(QPainter& p, const QPointF& centre, double outer, double inner, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawPath(path);
}

} // namespace

QIcon toolbarIcon(ToolIcon icon) {
    Canvas c;
    QPainter& p = c.p;
    switch (icon) {
    case ToolIcon::Lesson: { // an open book
        p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2));
        p.setBrush(QColor(0xe8, 0xf5, 0xe9));
        QPainterPath left;
        left.moveTo(24, 14);
        left.cubicTo(18, 9, 10, 9, 4, 11);
        left.lineTo(4, 38);
        left.cubicTo(10, 36, 18, 36, 24, 41);
        left.closeSubpath();
        p.drawPath(left);
        p.drawPath(QTransform(-1, 0, 0, 1, 48, 0).map(left));
        p.setPen(QPen(QColor(0x66, 0xbb, 0x6a), 2));
        for (int y = 19; y <= 31; y += 6) {
            p.drawLine(QPointF(9, y), QPointF(20, y + 1));
            p.drawLine(QPointF(39, y), QPointF(28, y + 1));
        }
        break;
    }
    case ToolIcon::CharacterStudy:
        tile(p, QColor(0xff, 0xf3, 0xe0));
        p.setPen(QPen(QColor(0xe0, 0xb0, 0x80), 1, Qt::DashLine));
        p.drawLine(QPointF(24, 7), QPointF(24, 41));
        p.drawLine(QPointF(7, 24), QPointF(41, 24));
        glyph(p, QRectF(5, 4, 38, 38), QStringLiteral("字"), QColor(0xc6, 0x28, 0x28), 30);
        break;
    case ToolIcon::LessonTest:
        p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 2));
        p.setBrush(QColor(0xff, 0xfd, 0xe7));
        p.drawRoundedRect(QRectF(9, 7, 30, 36), 4, 4);
        p.setBrush(QColor(0x8d, 0x6e, 0x63));
        p.drawRoundedRect(QRectF(17, 4, 14, 7), 2, 2);
        p.setPen(QPen(QColor(0x43, 0xa0, 0x47), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 26), QPointF(22, 33));
        p.drawLine(QPointF(22, 33), QPointF(33, 18));
        break;
    case ToolIcon::TestPapers:
        p.setPen(QPen(QColor(0x45, 0x5a, 0x64), 2));
        p.setBrush(QColor(0xec, 0xef, 0xf1));
        p.drawRoundedRect(QRectF(14, 5, 26, 32), 3, 3);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(8, 11, 26, 32), 3, 3);
        glyph(p, QRectF(8, 12, 26, 30), QStringLiteral("100"), QColor(0xd3, 0x2f, 0x2f), 13);
        break;
    case ToolIcon::QuickMemorise: { // a lightning bolt over a card
        tile(p, QColor(0xe3, 0xf2, 0xfd));
        QPainterPath bolt;
        bolt.moveTo(27, 6);
        bolt.lineTo(13, 27);
        bolt.lineTo(23, 27);
        bolt.lineTo(19, 42);
        bolt.lineTo(35, 19);
        bolt.lineTo(25, 19);
        bolt.closeSubpath();
        p.setPen(QPen(QColor(0xef, 0x6c, 0x00), 1.5));
        p.setBrush(QColor(0xff, 0xb3, 0x00));
        p.drawPath(bolt);
        break;
    }
    case ToolIcon::Drills: // a target
        for (int ring = 0; ring < 4; ++ring) {
            p.setPen(Qt::NoPen);
            p.setBrush(ring % 2 == 0 ? QColor(0xe5, 0x39, 0x35) : Qt::white);
            const double r = 19 - ring * 5;
            p.drawEllipse(QPointF(24, 24), r, r);
        }
        break;
    case ToolIcon::Dictation: { // a pencil and sound waves
        p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(24, 6, 16, 16), -60 * 16, 120 * 16);
        p.drawArc(QRectF(20, 2, 24, 24), -60 * 16, 120 * 16);
        p.save();
        p.translate(20, 30);
        p.rotate(-45);
        p.setPen(QPen(QColor(0x6d, 0x4c, 0x41), 1.5));
        p.setBrush(QColor(0xff, 0xca, 0x28));
        p.drawRect(QRectF(-16, -4, 26, 8));
        p.setBrush(QColor(0xff, 0xcc, 0xbc));
        QPainterPath tip;
        tip.moveTo(10, -4);
        tip.lineTo(17, 0);
        tip.lineTo(10, 4);
        tip.closeSubpath();
        p.drawPath(tip);
        p.restore();
        break;
    }
    case ToolIcon::SpecialStudy:
        star(p, QPointF(24, 25), 20, 8.5, QColor(0xff, 0xc1, 0x07));
        break;
    case ToolIcon::CharacterTable:
        p.setPen(QPen(QColor(0x6a, 0x1b, 0x9a), 2));
        p.setBrush(QColor(0xf3, 0xe5, 0xf5));
        p.drawRoundedRect(QRectF(5, 5, 38, 38), 5, 5);
        p.drawLine(QPointF(5, 18), QPointF(43, 18));
        p.drawLine(QPointF(5, 31), QPointF(43, 31));
        p.drawLine(QPointF(18, 5), QPointF(18, 43));
        p.drawLine(QPointF(31, 5), QPointF(31, 43));
        glyph(p, QRectF(5, 5, 13, 13), QStringLiteral("生"), QColor(0x6a, 0x1b, 0x9a), 10);
        break;
    case ToolIcon::Settings: { // a gear
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x60, 0x7d, 0x8b));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(24, 24);
            p.rotate(i * 45);
            p.drawRoundedRect(QRectF(-4, -21, 8, 10), 2, 2);
            p.restore();
        }
        p.drawEllipse(QPointF(24, 24), 14, 14);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24, 24), 6, 6);
        break;
    }
    case ToolIcon::Exit: // a door and an arrow
        p.setPen(QPen(QColor(0x79, 0x55, 0x48), 2));
        p.setBrush(QColor(0xd7, 0xcc, 0xc8));
        p.drawRect(QRectF(8, 6, 20, 36));
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(22, 24), QPointF(42, 24));
        p.drawLine(QPointF(35, 17), QPointF(42, 24));
        p.drawLine(QPointF(35, 31), QPointF(42, 24));
        break;
    }
    return c.done();
}

QIcon paperMenuIcon(int index) {
    Canvas c;
    if (index == 12) {
        star(c.p, QPointF(24, 25), 20, 8.5, QColor(0x42, 0xa5, 0xf5));
        return c.done();
    }
    tile(c.p, QColor(0xff, 0xf8, 0xe1));
    glyph(c.p, QRectF(5, 5, 38, 38), QString::number(index + 1), QColor(0xbf, 0x36, 0x0c), 24);
    return c.done();
}

} // namespace qinghe
