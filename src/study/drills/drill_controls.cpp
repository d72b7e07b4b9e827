#include "study/drills/drill_controls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

namespace qinghe {

namespace {
const QString kHint = QStringLiteral("开启连续练习，将一直可以测试");
} // namespace

DrillControls::DrillControls(QWidget* studyArea, QObject* parent)
    : QObject(parent) {
    panel_ = new QWidget(studyArea);
    panel_->setObjectName(QStringLiteral("pnl_lianxu"));
    panel_->setToolTip(kHint);
    panel_->setAttribute(Qt::WA_StyledBackground, true);
    panel_->setStyleSheet(QStringLiteral("#pnl_lianxu { background: #fffaf0; border: 2px solid #f3d9a4;"
                                         " border-radius: 12px; }"
                                         "QLabel { color: #7a5230; font-size: 18px; }"
                                         "QCheckBox::indicator { width: 22px; height: 22px; }"));
    auto* row = new QHBoxLayout(panel_);
    row->setContentsMargins(12, 6, 14, 6);
    row->setSpacing(6);
    switch_ = new QCheckBox(panel_);
    switch_->setObjectName(QStringLiteral("chklianxu"));
    switch_->setToolTip(kHint);
    switch_->setAccessibleName(QStringLiteral("开启连续练习模式"));
    switch_->setAccessibleDescription(kHint);
    switch_->setCursor(Qt::PointingHandCursor);
    label_ = new QLabel(QStringLiteral("开启连续练习模式"), panel_);
    label_->setObjectName(QStringLiteral("Label6"));
    label_->setToolTip(kHint);
    label_->setCursor(Qt::PointingHandCursor);
    label_->installEventFilter(this);
    row->addWidget(switch_);
    row->addWidget(label_);
    panel_->adjustSize();
    panel_->hide();
    connect(switch_, &QCheckBox::clicked, this, &DrillControls::switched);

    bar_ = new QProgressBar(studyArea);
    bar_->setObjectName(QStringLiteral("pro_hanzi"));
    bar_->setAccessibleName(QStringLiteral("练习进度"));
    bar_->setFormat(QStringLiteral("%v / %m"));
    bar_->setAlignment(Qt::AlignCenter);
    bar_->setStyleSheet(QStringLiteral("QProgressBar { background: #fffaf0; border: 2px solid #f3d9a4;"
                                       " border-radius: 9px; color: #7a5230; font-size: 14px; }"
                                       "QProgressBar::chunk { background: #9fd8a8; border-radius: 7px; }"));
    bar_->hide();
    place(studyArea->rect());
}

void DrillControls::showSwitch() {
    panel_->show();
    panel_->raise();
}

void DrillControls::hide() {
    panel_->hide();
    bar_->hide();
}

void DrillControls::showProgress(int position, int maximum) {
    bar_->setRange(0, maximum);
    bar_->setValue(position);
    bar_->show();
    bar_->raise();
}

void DrillControls::hideProgress() {
    bar_->hide();
}

void DrillControls::setProgress(int position) {
    bar_->setValue(position);
}

void DrillControls::place(const QRect& studyArea) {
    const QSize size = panel_->sizeHint();
    panel_->setGeometry(studyArea.x() + studyArea.width() - size.width() - 20, studyArea.y() + 12,
                        size.width(), size.height());
    bar_->setGeometry(studyArea.x() + 20, studyArea.y() + studyArea.height() - 34,
                      std::max(0, studyArea.width() - 40), 22);
}

bool DrillControls::continuous() const {
    return switch_->isChecked();
}

bool DrillControls::eventFilter(QObject* watched, QEvent* event) {
    // The label toggles the box as a click on the box would.
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        switch_->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qinghe
