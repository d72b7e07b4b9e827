#include "writing/handwriting_setup_dialog.h"

#include "writing/handwriting_setup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

namespace qinghe {

namespace {

QLabel* label(const QString& text, int pixelSize, bool bold, const QColor& colour, QWidget* parent) {
    auto* item = new QLabel(text, parent);
    QFont font = item->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    item->setFont(font);
    QPalette palette = item->palette();
    palette.setColor(QPalette::WindowText, colour);
    item->setPalette(palette);
    return item;
}

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* item = new QPushButton(caption, parent);
    item->setAccessibleName(caption);
    QFont font = item->font();
    font.setPixelSize(16);
    item->setFont(font);
    return item;
}

// The picture behind the text: a 田字格 with a character being written in it and a pen, drawn on white.
void drawBackground(QPainter& painter, const QRect& area) {
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft band along the top, where the heading sits.
    QLinearGradient band(0, 0, 0, 110);
    band.setColorAt(0, QColor(0xe8, 0xf5, 0xe9));
    band.setColorAt(1, Qt::white);
    painter.fillRect(QRect(0, 0, area.width(), 110), band);

    const QRectF grid(360, 22, 104, 104);
    const QColor guide(0xd9, 0x4b, 0x3c);
    painter.setPen(QPen(guide.lighter(150), 1, Qt::DashLine));
    painter.drawLine(QPointF(grid.center().x(), grid.top()), QPointF(grid.center().x(), grid.bottom()));
    painter.drawLine(QPointF(grid.left(), grid.center().y()), QPointF(grid.right(), grid.center().y()));
    painter.setPen(QPen(guide, 2));
    painter.drawRect(grid);

    // Two strokes of 十, the second still being written.
    QPen ink(QColor(0x2e, 0x7d, 0x32), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);
    painter.drawLine(QPointF(378, 72), QPointF(446, 70));
    painter.drawLine(QPointF(412, 38), QPointF(412, 96));

    // The pen, lying across the square with its tip at the end of the stroke.
    painter.save();
    painter.translate(412, 96);
    painter.rotate(-35);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(7, -16);
    body.lineTo(7, -86);
    body.lineTo(-7, -86);
    body.lineTo(-7, -16);
    body.closeSubpath();
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    painter.setBrush(QColor(0xff, 0xc1, 0x07));
    painter.drawPath(body);
    painter.setBrush(QColor(0x42, 0x42, 0x42));
    painter.drawEllipse(QPointF(0, -3), 2.5, 2.5);
    painter.restore();
}

} // namespace

HandwritingSetupDialog::HandwritingSetupDialog(ProcessLauncher& launcher, PadLink& pad,
                                               QString programDirectory, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , launcher_(launcher)
    , pad_(pad)
    , programDirectory_(std::move(programDirectory)) {
    setObjectName(QStringLiteral("frm_showwrite"));
    setWindowTitle(QStringLiteral("手写板启动设置"));
    setFixedSize(kWidth, kHeight);
    setModal(true);

    QLabel* heading = label(QStringLiteral("手写板"), 30, true, QColor(0x1b, 0x5e, 0x20), this);
    heading->setGeometry(36, 26, 300, 40);
    QLabel* note =
        label(QStringLiteral("软件的“设置”中也可以打开手写板。"), 13, false, QColor(0x61, 0x61, 0x61), this);
    note->setGeometry(38, 72, 310, 22);
    QLabel* question = label(QStringLiteral("每次运行软件，是否开启“鼠标手写识字”的功能？"), 17, false,
                             QColor(0x21, 0x21, 0x21), this);
    question->setGeometry(36, 146, 440, 30);

    decline_ = button(QStringLiteral("我不用鼠标写字"), this);
    decline_->setGeometry(60, 214, 170, 42);
    enable_ = button(QStringLiteral("开启鼠标写字"), this);
    enable_->setGeometry(277, 214, 170, 42);
    enable_->setDefault(true);

    connect(enable_, &QPushButton::clicked, this, [this] {
        enableHandwritingPad(launcher_, programDirectory_);
        done(QDialog::Accepted);
    });
    connect(decline_, &QPushButton::clicked, this, [this] {
        disableHandwritingPad(pad_, programDirectory_);
        done(QDialog::Accepted);
    });
}

void HandwritingSetupDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawBackground(painter, rect());
}

void HandwritingSetupDialog::showEvent(QShowEvent* event) {
    // Centred on the desktop, not on the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace qinghe
