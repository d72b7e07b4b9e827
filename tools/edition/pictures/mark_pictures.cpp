#include "pictures/mark_pictures.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

namespace qinghe::edition {

namespace {

// A teacher's red pen for right and wrong; amber for what still needs a person's eye.
const QColor kMarkRed(0xd3, 0x2f, 0x2f);
const QColor kVerifyAmber(0xe6, 0x7e, 0x00);
const QColor kStampRed(0xd8, 0x43, 0x15);
const QString kStampText = QStringLiteral("需核实");

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Tick and cross are drawn in a 64-unit square and scaled; the small ones get a relatively thicker
// line so they stay bold at 24 pixels.
void drawTick(QPainter& painter, qreal penWidth) {
    QPainterPath tick;
    tick.moveTo(9, 34);
    tick.quadTo(17, 40, 25, 51);
    tick.quadTo(36, 29, 56, 11);
    painter.setPen(roundPen(kMarkRed, penWidth));
    painter.drawPath(tick);
}

void drawCross(QPainter& painter, qreal penWidth) {
    QPainterPath cross;
    cross.moveTo(14, 13);
    cross.quadTo(31, 33, 51, 51);
    cross.moveTo(50, 13);
    cross.quadTo(31, 30, 13, 51);
    painter.setPen(roundPen(kMarkRed, penWidth));
    painter.drawPath(cross);
}

// A question mark in a ring, in a 24-unit square.
void drawQuery(QPainter& painter) {
    painter.setPen(roundPen(kVerifyAmber, 2.0));
    painter.drawEllipse(QPointF(12, 12), 10.4, 10.4);
    QPainterPath hook;
    hook.moveTo(8.9, 9.4);
    hook.cubicTo(8.9, 5.6, 15.2, 5.4, 15.2, 9.2);
    hook.cubicTo(15.2, 11.4, 12.1, 11.7, 12.1, 14.4);
    painter.setPen(roundPen(kVerifyAmber, 2.2));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVerifyAmber);
    painter.drawEllipse(QPointF(12.1, 17.7), 1.45, 1.45);
}

// A seal-like frame with 需核实 inside, in a 120 x 48 unit box.
void drawStamp(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kStampRed, 3.0));
    painter.drawRoundedRect(QRectF(2.5, 2.5, 115, 43), 7, 7);
    painter.setPen(QPen(kStampRed, 1.0));
    painter.drawRoundedRect(QRectF(6.5, 6.5, 107, 35), 4, 4);
    const QString family = stampFontFamily();
    if (family.isEmpty()) {
        return;
    }
    QFont font(family);
    font.setPixelSize(24);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath text;
    text.addText(0, 0, font, kStampText);
    const QRectF bounds = text.boundingRect();
    // Outlines rather than drawText: the same shape whatever the screen's font settings.
    text.translate(60 - bounds.center().x(), 24 - bounds.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStampRed);
    painter.drawPath(text);
}

} // namespace

QList<MarkPicture> markPictures() {
    return {
        {Mark::Right, QStringLiteral("Data/dui.png"), QSize(64, 64)},
        {Mark::Wrong, QStringLiteral("Data/cuo.png"), QSize(64, 64)},
        {Mark::SmallRight, QStringLiteral("Data/dsmall.png"), QSize(24, 24)},
        {Mark::SmallWrong, QStringLiteral("Data/csmall.png"), QSize(24, 24)},
        {Mark::SmallVerify, QStringLiteral("Data/hssmall.png"), QSize(24, 24)},
        {Mark::LargeVerify, QStringLiteral("Data/hslarge.png"), QSize(120, 48)},
    };
}

QString stampFontFamily() {
    const QStringList preferred = {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UKai CN"),
                                   QStringLiteral("AR PL UMing CN"), QStringLiteral("LXGW WenKai")};
    const QStringList installed = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& family : preferred) {
        if (!installed.contains(family)) {
            continue;
        }
        const QFontMetricsF metrics{QFont(family)};
        bool complete = true;
        for (const QChar c : kStampText) {
            complete = complete && metrics.inFont(c);
        }
        if (complete) {
            return family;
        }
    }
    return {};
}

QImage drawMark(Mark mark, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mark) {
    case Mark::Right:
    case Mark::SmallRight:
    case Mark::Wrong:
    case Mark::SmallWrong: {
        const bool small = mark == Mark::SmallRight || mark == Mark::SmallWrong;
        painter.scale(size.width() / 64.0, size.height() / 64.0);
        const qreal penWidth = small ? 9.5 : 7.0;
        if (mark == Mark::Right || mark == Mark::SmallRight) {
            drawTick(painter, penWidth);
        } else {
            drawCross(painter, penWidth);
        }
        break;
    }
    case Mark::SmallVerify:
        painter.scale(size.width() / 24.0, size.height() / 24.0);
        drawQuery(painter);
        break;
    case Mark::LargeVerify:
        painter.scale(size.width() / 120.0, size.height() / 48.0);
        drawStamp(painter);
        break;
    }
    painter.end();
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(9);
    // Straight alpha is what PNG stores; converting first keeps Qt from choosing for us.
    writer.write(image.convertToFormat(QImage::Format_ARGB32));
    return bytes;
}

} // namespace qinghe::edition
