#include "study/browser/quick_memorise_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace qinghe {

namespace {

QLabel* clickableLabel(const QString& text, QWidget* parent, QObject* filter) {
    auto* label = new QLabel(text, parent);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(filter);
    return label;
}

} // namespace

QuickMemorisePanel::QuickMemorisePanel(StudyContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context) {
    setObjectName(QStringLiteral("pnlmain"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    word_ = new QLabel(this);
    word_->setObjectName(QStringLiteral("lblword"));
    word_->setAlignment(Qt::AlignCenter);
    QFont wordFont(QStringLiteral("仿宋_GB2312"));
    wordFont.setPixelSize(147);
    wordFont.setBold(true);
    word_->setFont(wordFont);
    word_->setStyleSheet(QStringLiteral("color: yellow;"));
    word_->setFixedHeight(QFontMetrics(wordFont).height());
    word_->setCursor(Qt::PointingHandCursor);
    word_->setAccessibleName(QStringLiteral("汉字"));
    word_->installEventFilter(this);

    pinyin_ = new QLabel(this);
    pinyin_->setObjectName(QStringLiteral("lblpinyin"));
    pinyin_->setAlignment(Qt::AlignCenter);
    QFont pinyinFont(QStringLiteral("宋体"));
    pinyinFont.setPixelSize(48);
    pinyinFont.setBold(true);
    pinyin_->setFont(pinyinFont);
    pinyin_->setStyleSheet(QStringLiteral("color: lime;"));
    pinyin_->setFixedHeight(QFontMetrics(pinyinFont).height());
    pinyin_->setCursor(Qt::PointingHandCursor);
    pinyin_->setAccessibleName(QStringLiteral("拼音"));
    pinyin_->installEventFilter(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblstate"));
    status_->setAlignment(Qt::AlignCenter);
    QFont statusFont(QStringLiteral("宋体"));
    statusFont.setPixelSize(14);
    status_->setFont(statusFont);
    status_->setStyleSheet(QStringLiteral("color: yellow;"));
    status_->setFixedHeight(QFontMetrics(statusFont).height() + 8);

    speedPanel_ = new QWidget(this);
    speedPanel_->setObjectName(QStringLiteral("pnl_nandu"));
    speedPanel_->setStyleSheet(
        QStringLiteral("QWidget#pnl_nandu { background: #202020; border-radius: 6px; }"
                       "QLabel, QRadioButton, QCheckBox { color: #f0f0f0; font-size: 14px; }"));
    auto* row = new QHBoxLayout(speedPanel_);
    row->setContentsMargins(10, 4, 10, 4);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("浏览速度："), speedPanel_));
    const auto addSpeed = [this, row](QRadioButton*& button, const char* name, const QString& text,
                                      QuickMemorise::Speed speed) {
        button = new QRadioButton(speedPanel_);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(text);
        row->addWidget(button);
        QLabel* label = clickableLabel(text, speedPanel_, this);
        label->setProperty("speed", int(speed));
        row->addWidget(label);
        row->addSpacing(6);
        connect(button, &QRadioButton::clicked, this, [this, speed] { setSpeed(speed); });
    };
    addSpeed(slow_, "rb_easy", QStringLiteral("慢"), QuickMemorise::Speed::Slow);
    addSpeed(normal_, "rb_normal", QStringLiteral("中"), QuickMemorise::Speed::Normal);
    addSpeed(fast_, "rb_hard", QStringLiteral("快"), QuickMemorise::Speed::Fast);
    normal_->setChecked(true);
    showPinyin_ = new QCheckBox(speedPanel_);
    showPinyin_->setObjectName(QStringLiteral("chkpinyin"));
    showPinyin_->setAccessibleName(QStringLiteral("开启拼音"));
    showPinyin_->setChecked(true);
    row->addSpacing(8);
    row->addWidget(showPinyin_);
    QLabel* pinyinText = clickableLabel(QStringLiteral("开启拼音"), speedPanel_, this);
    pinyinText->setProperty("togglesPinyin", true);
    row->addWidget(pinyinText);
    speedPanel_->adjustSize();
    connect(showPinyin_, &QCheckBox::toggled, pinyin_, &QLabel::setVisible);

    stepTimer_.setInterval(QuickMemorise::kFirstInterval);
    slideTimer_.setInterval(1);
    connect(&stepTimer_, &QTimer::timeout, this, &QuickMemorisePanel::step);
    connect(&slideTimer_, &QTimer::timeout, this, &QuickMemorisePanel::slide);
}

QRadioButton* QuickMemorisePanel::speedButton(QuickMemorise::Speed speed) const {
    switch (speed) {
    case QuickMemorise::Speed::Slow:
        return slow_;
    case QuickMemorise::Speed::Normal:
        return normal_;
    case QuickMemorise::Speed::Fast:
        return fast_;
    }
    return normal_;
}

QuickMemorise::Speed QuickMemorisePanel::speed() const {
    if (slow_->isChecked()) {
        return QuickMemorise::Speed::Slow;
    }
    return fast_->isChecked() ? QuickMemorise::Speed::Fast : QuickMemorise::Speed::Normal;
}

void QuickMemorisePanel::setSpeed(QuickMemorise::Speed speed) {
    speedButton(speed)->setChecked(true);
    // A running timer keeps its current wait; the new interval applies from the next one.
    stepTimer_.setInterval(QuickMemorise::interval(speed));
}

void QuickMemorisePanel::enter() {
    stepTimer_.stop();
    slideTimer_.stop();
    run_.start(int(context_.state.lists.chars.size()), context_.displayTitle());
    word_->clear();
    storedReading_.clear();
    pinyin_->clear();
    stepTimer_.setInterval(QuickMemorise::kFirstInterval);
    stepTimer_.start();
    relayout();
    word_->move(0, height() / 2 - word_->height() / 2 + 10);
    pinyin_->move(0, word_->y() - pinyin_->height() - 15);
    status_->setText(run_.status(1));
}

void QuickMemorisePanel::stop() {
    stepTimer_.stop();
    slideTimer_.stop();
}

void QuickMemorisePanel::relayout() {
    word_->setGeometry(0, word_->y(), width(), word_->height());
    pinyin_->setGeometry(0, pinyin_->y(), width(), pinyin_->height());
    status_->setGeometry(0, height() - status_->height() - 6, width(), status_->height());
    speedPanel_->move(width() - speedPanel_->width() - 3, 8);
}

void QuickMemorisePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void QuickMemorisePanel::step() {
    int next = stepTimer_.interval();
    const QuickMemorise::Step step = run_.tick(stepTimer_.interval(), speed(), &next);
    stepTimer_.setInterval(next);
    if (step.finished) {
        stepTimer_.stop();
        const bool again = context_.prompter.confirm(
            QStringLiteral("字词速记学习完毕！"),
            QStringLiteral("本课中的字词已经全部学习完毕，您是否要重新进行字词速记学习呢？\r\r"
                           "点击确定，将重新开始字词速记的学习，点击取消，将停止字词速记学习。"));
        if (again) {
            stepTimer_.start();
        }
        return;
    }
    word_->move(0, -151);
    pinyin_->move(0, word_->y() - pinyin_->height() - 15);
    slideTimer_.start();
    const LessonLists& lists = context_.state.lists;
    word_->setText(lists.chars.value(step.index));
    pinyin_->setText(lists.pinyins.value(step.index));
    storedReading_ = lists.pinyins.value(step.index);
    pinyin_->setVisible(showPinyin_->isChecked());
    status_->setText(step.status);
    context_.speak(storedReading_);
}

void QuickMemorisePanel::slide() {
    const int target = height() / 2 - word_->height() / 2 + 5;
    if (word_->y() >= target) {
        slideTimer_.stop();
        return;
    }
    word_->move(0, word_->y() + 30);
    pinyin_->move(0, pinyin_->y() + 30);
}

bool QuickMemorisePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == word_ || watched == pinyin_) {
        if (!storedReading_.isEmpty()) {
            context_.speak(storedReading_);
        }
        return true;
    }
    const QVariant speedProperty = watched->property("speed");
    if (speedProperty.isValid()) {
        setSpeed(QuickMemorise::Speed(speedProperty.toInt()));
        return true;
    }
    if (watched->property("togglesPinyin").toBool()) {
        showPinyin_->toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qinghe
