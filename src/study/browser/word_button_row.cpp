#include "study/browser/word_button_row.h"

#include "study/browser/word_button_row_layout.h"

namespace qinghe {

WordButtonRow::WordButtonRow(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("pnl_zc"));
    setFixedHeight(90);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QWidget#pnl_zc { background: #f6f1e4; }"
        "QPushButton { font-family: '楷体'; font-size: 40px; color: #7a2e12; background: #fffdf6;"
        " border: 2px solid #d9b98a; border-radius: 12px; }"
        "QPushButton:hover { background: #fff3d6; border-color: #e0952b; }"
        "QPushButton:pressed { background: #ffe2a8; }"
        "QPushButton#btn_zc_pre, QPushButton#btn_zc_next { font-family: sans-serif; font-size: 28px; color: "
        "#5b7d3a; }"));
    const int top = (90 - kWordButtonSize) / 2;
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("btn_zc_%1").arg(i + 1));
        button->setGeometry(0, top, kWordButtonSize, kWordButtonSize);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { Q_EMIT characterPressed(i); });
        buttons_[size_t(i)] = button;
    }
    previous_ = new QPushButton(QStringLiteral("◀"), this);
    previous_->setObjectName(QStringLiteral("btn_zc_pre"));
    previous_->setToolTip(QStringLiteral("上一组"));
    previous_->setAccessibleName(QStringLiteral("上一组"));
    next_ = new QPushButton(QStringLiteral("▶"), this);
    next_->setObjectName(QStringLiteral("btn_zc_next"));
    next_->setToolTip(QStringLiteral("下一组"));
    next_->setAccessibleName(QStringLiteral("下一组"));
    for (QPushButton* arrow : {previous_, next_}) {
        arrow->setGeometry(0, top, kWordButtonSize, kWordButtonSize);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->hide();
    }
    connect(previous_, &QPushButton::clicked, this, &WordButtonRow::previousPressed);
    connect(next_, &QPushButton::clicked, this, &WordButtonRow::nextPressed);
}

} // namespace qinghe
