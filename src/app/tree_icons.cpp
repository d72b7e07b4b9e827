#include "app/tree_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qinghe {

namespace {

constexpr int kSize = 32; // drawn large, shown at the tree's icon size

QPixmap canvas() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap book(const QColor& cover, bool open) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (open) {
        p.setPen(QPen(cover.darker(140), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 7, 13, 19), 2, 2);
        p.drawRoundedRect(QRectF(17, 7, 13, 19), 2, 2);
        p.setPen(QPen(cover, 1.5));
        for (int y = 12; y <= 22; y += 4) {
            p.drawLine(QPointF(5, y), QPointF(12, y));
            p.drawLine(QPointF(20, y), QPointF(27, y));
        }
    } else {
        p.setPen(QPen(cover.darker(150), 1.5));
        p.setBrush(cover);
        p.drawRoundedRect(QRectF(6, 3, 21, 26), 3, 3);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(10, 9, 13, 5));
    }
    return pixmap;
}

QPixmap folder(const QColor& colour, bool open) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(colour.lighter(120));
    p.drawRoundedRect(QRectF(3, 6, 11, 6), 2, 2);
    p.setBrush(colour);
    if (open) {
        QPainterPath path;
        path.moveTo(3, 11);
        path.lineTo(29, 11);
        path.lineTo(26, 27);
        path.lineTo(5, 27);
        path.closeSubpath();
        p.drawPath(path);
    } else {
        p.drawRoundedRect(QRectF(3, 10, 26, 17), 2, 2);
    }
    return pixmap;
}

QPixmap page(bool selected) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x6a, 0x8c, 0x69), 1.5));
    p.setBrush(selected ? QColor(0xf4, 0xff, 0xe8) : Qt::white);
    p.drawRoundedRect(QRectF(7, 3, 19, 26), 2, 2);
    p.setPen(QPen(QColor(0x9c, 0xb8, 0x9b), 1.5));
    for (int y = 9; y <= 21; y += 4) {
        p.drawLine(QPointF(10, y), QPointF(23, y));
    }
    if (selected) {
        p.setPen(QPen(QColor(0x2e, 0x9d, 0x3a), 3));
        p.drawLine(QPointF(14, 24), QPointF(18, 28));
        p.drawLine(QPointF(18, 28), QPointF(29, 15));
    }
    return pixmap;
}

QPixmap star(const QColor& colour) {
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 14.0 : 6.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    p.drawPath(path);
    return pixmap;
}

} // namespace

QList<QIcon> makeTreeIcons() {
    return {
        QIcon(star(QColor(0x5c, 0xb8, 0x5c))),        // edition
        QIcon(book(QColor(0x4a, 0x90, 0xd9), false)), // book
        QIcon(book(QColor(0x4a, 0x90, 0xd9), true)),  // open book
        QIcon(folder(QColor(0xf0, 0xb4, 0x4c), false)),
        QIcon(folder(QColor(0xf0, 0xb4, 0x4c), true)),
        QIcon(page(false)),
        QIcon(page(true)),
        QIcon(star(QColor(0xf5, 0xc2, 0x1b))),
    };
}

} // namespace qinghe
