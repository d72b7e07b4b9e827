#include "study/character_table/table_memorise_window.h"

#include "audio/sound_name.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace qinghe {

namespace {

constexpr int kTopHeight = 60;
constexpr int kBottomHeight = 76;

const QString kWindowStyle = QStringLiteral(
    "#Tfrm_shengzibiao_suji { background: #fdf6e3; }"
    "#pnl_browser_top, #pnl_browser_bottom { background: #f3e7c9; }"
    "#lbl_hanzi { color: #2b2216; } #lbl_pinyin { color: #b03a2e; }"
    "#lbl_cur, #lbl_total { color: #5a4326; font-size: 22px; font-weight: bold; }"
    "QComboBox { font-size: 17px; padding: 2px 8px; min-height: 30px; }"
    "QProgressBar { border: 1px solid #c9b98f; border-radius: 6px; background: #fffaf0; height: 20px;"
    " text-align: center; }"
    "QProgressBar::chunk { background: #9cc58a; border-radius: 5px; }"
    "QPushButton { font-size: 20px; color: #2f4f2f; background: #e3f1dc; border: 2px solid #9cc58a;"
    " border-radius: 10px; padding: 6px 14px; min-width: 84px; }"
    "QPushButton:hover { background: #d2ebc6; } QPushButton:focus { border-color: #5f9a4a; }");

} // namespace

TableMemoriseWindow::TableMemoriseWindow(StudyContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , context_(context) {
    setObjectName(QStringLiteral("Tfrm_shengzibiao_suji"));
    setWindowTitle(QStringLiteral("生字表——生字速记"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(kWindowStyle);
    connect(&timer_, &QTimer::timeout, this, &TableMemoriseWindow::onShowTick);
    buildWindow();
    resize(960, 640);
}

void TableMemoriseWindow::buildWindow() {
    top_ = new QWidget(this);
    top_->setObjectName(QStringLiteral("pnl_browser_top"));
    top_->setAttribute(Qt::WA_StyledBackground, true);
    gauge_ = new QProgressBar(top_);
    gauge_->setObjectName(QStringLiteral("progress"));
    gauge_->setAccessibleName(QStringLiteral("浏览进度"));
    gauge_->setTextVisible(false);
    current_ = new QLabel(QStringLiteral("1"), top_);
    current_->setObjectName(QStringLiteral("lbl_cur"));
    current_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total_ = new QLabel(top_);
    total_->setObjectName(QStringLiteral("lbl_total"));
    show_ = new QComboBox(top_);
    show_->setObjectName(QStringLiteral("cmb_show"));
    show_->setAccessibleName(QStringLiteral("显示方式"));
    for (const MemoriseShowMode& mode : memoriseShowModes()) {
        show_->addItem(mode.item);
    }
    pace_ = new QComboBox(top_);
    pace_->setObjectName(QStringLiteral("cmb_timer"));
    pace_->setAccessibleName(QStringLiteral("播放方式"));
    for (const MemorisePace& pace : memorisePaces()) {
        pace_->addItem(pace.item);
    }
    pace_->setCurrentIndex(kDefaultMemorisePace);
    auto* topLayout = new QHBoxLayout(top_);
    topLayout->setContentsMargins(12, 8, 12, 8);
    topLayout->setSpacing(10);
    topLayout->addWidget(gauge_, 1);
    topLayout->addWidget(current_);
    topLayout->addWidget(total_);
    topLayout->addSpacing(16);
    topLayout->addWidget(show_);
    topLayout->addWidget(pace_);

    reading_ = new QLabel(this);
    reading_->setObjectName(QStringLiteral("lbl_pinyin"));
    reading_->setAccessibleName(QStringLiteral("拼音"));
    character_ = new QLabel(this);
    character_->setObjectName(QStringLiteral("lbl_hanzi"));
    character_->setAccessibleName(QStringLiteral("汉字"));
    for (QLabel* label : {reading_, character_}) {
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(QStringLiteral("点一下，听读音"));
        label->installEventFilter(this);
    }
    setFontSize(kMemoriseFontSize);

    bottom_ = new QWidget(this);
    bottom_->setObjectName(QStringLiteral("pnl_browser_bottom"));
    bottom_->setAttribute(Qt::WA_StyledBackground, true);
    buttonRow_ = new QWidget(bottom_);
    auto* row = new QHBoxLayout(buttonRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    const struct {
        const char* name;
        QString caption;
        void (TableMemoriseWindow::*action)();
    } buttons[] = {
        {"cxButton3", QStringLiteral("上一个"), &TableMemoriseWindow::previous},
        {"btn_play", QStringLiteral("下一个"), &TableMemoriseWindow::next},
        {"btn_pause", QStringLiteral("暂停"), &TableMemoriseWindow::pause},
        {"btn_stop", QStringLiteral("退出"), nullptr},
        {"cxButton1", QStringLiteral("字放大"), &TableMemoriseWindow::enlarge},
        {"cxButton2", QStringLiteral("字缩小"), &TableMemoriseWindow::shrink},
    };
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(entry.caption, buttonRow_);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setAccessibleName(entry.caption);
        button->setCursor(Qt::PointingHandCursor);
        row->addWidget(button);
        if (entry.action != nullptr) {
            connect(button, &QPushButton::clicked, this, entry.action);
        } else {
            connect(button, &QPushButton::clicked, this, &QWidget::close);
        }
    }

    connect(show_, &QComboBox::currentIndexChanged, this, [this] { applyShowMode(); });
    // Choosing a pace, even the one already chosen, resumes a paused show.
    connect(pace_, &QComboBox::activated, this, [this] { applyPace(); });
}

QPushButton* TableMemoriseWindow::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

MemoriseShow TableMemoriseWindow::showMode() const {
    const int index = show_->currentIndex();
    return index >= 0 && index < int(memoriseShowModes().size()) ? MemoriseShow(index)
                                                                 : MemoriseShow::Reading;
}

void TableMemoriseWindow::present(const QStringList& characters, const QStringList& pinyins) {
    if (!isVisible()) {
        pendingCharacters_ = characters;
        pendingPinyins_ = pinyins;
        if (parentWidget() != nullptr) {
            move(parentWidget()->geometry().center() - rect().center());
        }
    }
    show();
    raise();
    activateWindow();
}

void TableMemoriseWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    session_.start(pendingCharacters_, pendingPinyins_);
    gauge_->setRange(0, session_.count());
    total_->setText(QStringLiteral("/%1").arg(session_.count()));
    current_->setText(QStringLiteral("1"));
    applyShowMode();
    applyPace();
    display();
}

void TableMemoriseWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    QWidget::closeEvent(event);
}

void TableMemoriseWindow::applyShowMode() {
    const MemoriseShowMode& mode = memoriseShowModes()[size_t(showMode())];
    const MemoriseLabels labels = memoriseLabels(session_, showMode());
    reading_->setText(labels.reading);
    character_->setText(labels.character);
    speak_ = mode.speak;
    if (const std::optional<MemoriseLayout> layout =
            memoriseLayout(showMode(), height(), kTopHeight, kBottomHeight)) {
        layout_ = *layout;
        laidOut_ = true;
    }
    layOut();
}

void TableMemoriseWindow::applyPace() {
    const int index = pace_->currentIndex();
    const int interval =
        index >= 0 && index < int(memorisePaces().size()) ? memorisePaces()[size_t(index)].interval : 0;
    if (interval == 0) {
        timer_.stop();
    } else {
        timer_.start(interval);
    }
}

void TableMemoriseWindow::restartUnlessManual() {
    const int index = pace_->currentIndex();
    if (index > 0 && index < int(memorisePaces().size())) {
        timer_.start(memorisePaces()[size_t(index)].interval);
    }
}

void TableMemoriseWindow::display() {
    current_->setText(QString::number(session_.position()));
    const MemoriseLabels labels = memoriseLabels(session_, showMode());
    reading_->setText(labels.reading);
    character_->setText(labels.character);
    gauge_->setValue(session_.position());
}

void TableMemoriseWindow::onShowTick() {
    if (session_.next() == MemoriseSession::Move::AtEnd) {
        timer_.stop();
        context_.prompter.inform(QStringLiteral("生字学习完毕"), QStringLiteral("当前生字已经浏览完毕！"));
        return;
    }
    display();
}

void TableMemoriseWindow::next() {
    if (session_.next() == MemoriseSession::Move::AtEnd) {
        timer_.stop();
        context_.prompter.inform(QStringLiteral("生字学习完毕"), QStringLiteral("当前生字已经浏览完毕！"));
        return;
    }
    restartUnlessManual(); // the full pause follows the character the child asked for
    display();
}

void TableMemoriseWindow::previous() {
    if (session_.position() < 2) {
        context_.prompter.inform(QStringLiteral("生字浏览提示"), QStringLiteral("已经是第1个生字了！"));
        return;
    }
    timer_.stop();
    session_.previous();
    restartUnlessManual();
    display();
}

void TableMemoriseWindow::pause() {
    timer_.stop();
}

void TableMemoriseWindow::setFontSize(int size) {
    fontSize_ = size;
    QFont character(QStringLiteral("楷体"));
    character.setPixelSize(size);
    character_->setFont(character);
    QFont reading(QStringLiteral("微软雅黑"));
    reading.setPixelSize(size);
    reading_->setFont(reading);
}

void TableMemoriseWindow::enlarge() {
    const FontStep step = enlargeFont(fontSize_);
    setFontSize(step.size);
    if (step.atLimit) {
        context_.prompter.inform(QStringLiteral("字体放大缩小说明"),
                                 QStringLiteral("拼音或汉字的字体不能再放大了！"));
    }
}

void TableMemoriseWindow::shrink() {
    const FontStep step = shrinkFont(fontSize_);
    setFontSize(step.size);
    if (step.atLimit) {
        context_.prompter.inform(QStringLiteral("字体放大缩小说明"),
                                 QStringLiteral("拼音或汉字的字体不能再缩小了！"));
    }
}

void TableMemoriseWindow::speak() {
    const QString reading = session_.reading().trimmed();
    if (!speak_ || reading.isEmpty()) {
        return;
    }
    // The readings come from the RJ documents, so their recordings are taken from the same edition.
    context_.audio.playFile(AudioSlot::Voice, context_.resolve(QStringLiteral("DATA\\RJ\\sound\\") +
                                                               soundName(reading) + QStringLiteral(".mp3")));
}

void TableMemoriseWindow::layOut() {
    const int w = width();
    const int h = height();
    top_->setGeometry(0, 0, w, kTopHeight);
    bottom_->setGeometry(0, h - kBottomHeight, w, kBottomHeight);
    const QSize row = buttonRow_->sizeHint();
    buttonRow_->setGeometry((w - row.width()) / 2, (kBottomHeight - row.height()) / 2, row.width(),
                            row.height());

    const int middle = std::max(0, h - kTopHeight - kBottomHeight);
    const MemoriseLayout layout = laidOut_ ? layout_ : MemoriseLayout{middle / 2, true, true};
    const int readingHeight = std::clamp(layout.readingHeight, 0, middle);
    reading_->setGeometry(0, kTopHeight, w, readingHeight);
    character_->setGeometry(0, kTopHeight + readingHeight, w, middle - readingHeight);
    reading_->setAlignment(Qt::AlignHCenter | (layout.readingAtBottom ? Qt::AlignBottom : Qt::AlignVCenter));
    character_->setAlignment(Qt::AlignHCenter | (layout.characterAtTop ? Qt::AlignTop : Qt::AlignVCenter));
}

void TableMemoriseWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (const std::optional<MemoriseLayout> layout =
            memoriseLayout(showMode(), height(), kTopHeight, kBottomHeight)) {
        layout_ = *layout;
        laidOut_ = true;
    }
    layOut();
}

bool TableMemoriseWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == reading_ || watched == character_) && event->type() == QEvent::MouseButtonPress) {
        speak();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qinghe
