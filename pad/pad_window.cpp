#include "pad/pad_window.h"

#include "pad/pad_controller.h"
#include "pad/writing_square.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qinghe::pad {

namespace {

QFont brushFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("LXGW WenKai"), QStringLiteral("AR PL UKai CN"), QStringLiteral("楷体"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelSize);
    return font;
}

QPushButton* padButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    // Pad buttons never take the focus: the main program's text field keeps it.
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(caption);
    return button;
}

} // namespace

PadWindow::PadWindow(PadController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
    , controller_(controller) {
    setWindowTitle(QStringLiteral("手写输入"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("HandWrite"));

    square_ = new WritingSquare(controller_, kSquareSide, this);
    undo_ = padButton(QStringLiteral("撤销"), this);
    undo_->setToolTip(QStringLiteral("去掉最后写的一笔"));
    clear_ = padButton(QStringLiteral("清除"), this);
    clear_->setToolTip(QStringLiteral("擦掉整个字，重新写"));
    for (QPushButton* button : {undo_, clear_}) {
        button->setFont(brushFont(20));
        button->setMinimumSize(84, 56);
    }

    auto* side = new QVBoxLayout;
    side->addWidget(undo_);
    side->addWidget(clear_);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(square_);
    top->addLayout(side);

    auto* row = new QGridLayout;
    row->setSpacing(4);
    for (int i = 0; i < PadController::kCandidates; ++i) {
        QPushButton* button = padButton(QString(), this);
        button->setFont(brushFont(26));
        button->setFixedSize(38, 44);
        button->setAccessibleName(QStringLiteral("候选字%1").arg(i + 1));
        connect(button, &QPushButton::clicked, this, [this, i] { controller_.choose(i); });
        candidates_.append(button);
        row->addWidget(button, 0, i);
    }

    status_ = new QLabel(this);
    status_->setAccessibleName(QStringLiteral("识字模型"));
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->addWidget(status_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(4000);
    connect(&noteTimer_, &QTimer::timeout, this, &PadWindow::showStatus);
    connect(undo_, &QPushButton::clicked, &controller_, &PadController::undoStroke);
    connect(clear_, &QPushButton::clicked, &controller_, &PadController::clear);
    connect(&controller_, &PadController::candidatesChanged, this, &PadWindow::showCandidates);
    connect(&controller_, &PadController::modelChanged, this, &PadWindow::showStatus);
    showCandidates();
    showStatus();
}

void PadWindow::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    show();
    raise();
}

void PadWindow::showNote(const QString& text) {
    status_->setText(text);
    noteTimer_.start();
}

void PadWindow::showCandidates() {
    const QStringList& candidates = controller_.candidates();
    for (qsizetype i = 0; i < candidates_.size(); ++i) {
        QPushButton* button = candidates_[i];
        const QString text = i < candidates.size() ? candidates[i] : QString();
        button->setText(text);
        button->setEnabled(!text.isEmpty());
        button->setAccessibleName(text.isEmpty() ? QStringLiteral("候选字%1").arg(i + 1) : text);
    }
}

void PadWindow::showStatus() {
    if (!noteTimer_.isActive()) {
        status_->setText(controller_.statusText());
    }
}

} // namespace qinghe::pad
