#include "study/dictation/dictation_panel.h"

#include "study/dictation/dictation_entry.h"
#include "study/dictation/dictation_layout.h"
#include "study/dictation/dictation_list_window.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace qinghe {

namespace {

const QString kPanelStyle = QStringLiteral(
    "#pnl_wnnx, #pnl_wnnx_main { background: #fdf6e3; }"
    "#Label2 { color: #6b4f2a; font-family: '楷体'; font-size: 40px; font-weight: bold; }"
    "QPushButton { font-size: 22px; color: #2f4f2f; background: #e3f1dc; border: 2px solid #9cc58a;"
    " border-radius: 12px; padding: 6px 18px; }"
    "QPushButton:hover { background: #d2ebc6; } QPushButton:pressed { background: #bfe0b0; }"
    "QPushButton:focus { border-color: #5f9a4a; }"
    "#Label1 { color: #6b4f2a; font-size: 18px; }"
    "QComboBox { font-size: 18px; padding: 2px 8px; }"
    "#lbl_wnnx_state { color: #6b4f2a; font-size: 20px; }"
    "QProgressBar { border: 1px solid #c9b98f; border-radius: 6px; background: #fffaf0; height: 22px;"
    " text-align: center; font-size: 14px; }"
    "QProgressBar::chunk { background: #9cc58a; border-radius: 5px; }");

constexpr int kButtonWidth = 460;
constexpr int kButtonHeight = 56;
constexpr int kStatusHeight = 36;
constexpr int kProgressHeight = 24;

} // namespace

DictationPanel::DictationPanel(StudyContext& context, const MovieHostFactory& movies,
                               DictationListWindow& list, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , list_(list)
    , mainWindow_(mainWindow)
    , pace_(dictationPaces()[kDefaultDictationPace].interval, this) {
    setObjectName(QStringLiteral("pnl_wnnx"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(kPanelStyle);
    repeat_.setInterval(kDictationRepeatInterval);
    repeat_.setSingleShot(true);

    invitation_ = new QLabel(QStringLiteral("小朋友，请准备好纸和笔！"), this);
    invitation_->setObjectName(QStringLiteral("Label2"));
    invitation_->setAlignment(Qt::AlignCenter);

    const QString captions[3] = {QStringLiteral("听写本课所有生字【含认读字】"),
                                 QStringLiteral("听写本课【必需掌握】的生字") + QChar(0x3000),
                                 QStringLiteral("听写词语（本课会写字的扩展）")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QPushButton(captions[i], this);
        button->setObjectName(QStringLiteral("btn_wnnx%1").arg(i + 1));
        button->setAccessibleName(captions[i].trimmed());
        button->setCursor(Qt::PointingHandCursor);
        button->resize(kButtonWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, [this, i] { startKind(DictationKind(i)); });
        kindButtons_[size_t(i)] = button;
    }

    paceLabel_ = new QLabel(QStringLiteral("每词间隔"), this);
    paceLabel_->setObjectName(QStringLiteral("Label1"));
    paceBox_ = new QComboBox(this);
    paceBox_->setObjectName(QStringLiteral("cmb_timer"));
    paceBox_->setAccessibleName(QStringLiteral("每词间隔"));
    for (const DictationPace& pace : dictationPaces()) {
        paceBox_->addItem(pace.item);
    }
    paceBox_->setCurrentIndex(kDefaultDictationPace);
    paceLabel_->setBuddy(paceBox_);
    connect(paceBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < int(dictationPaces().size())) {
            pace_.setInterval(dictationPaces()[size_t(index)].interval);
        }
    });

    running_ = new QWidget(this);
    running_->setObjectName(QStringLiteral("pnl_wnnx_main"));
    running_->setAttribute(Qt::WA_StyledBackground, true);
    running_->hide();
    loudspeaker_ = movies(running_, QStringLiteral("flash_laba"));
    loudspeaker_->widget()->setAccessibleName(QStringLiteral("小喇叭"));
    status_ = new QLabel(running_);
    status_->setObjectName(QStringLiteral("lbl_wnnx_state"));
    status_->setAlignment(Qt::AlignCenter);
    progress_ = new QProgressBar(running_);
    progress_->setObjectName(QStringLiteral("prog_In"));
    progress_->setAccessibleName(QStringLiteral("听写进度"));
    progress_->setRange(0, 100);
    progress_->setValue(0);

    connect(&pace_, &PaceTimer::timeout, this, &DictationPanel::onPaceTick);
    connect(&repeat_, &QTimer::timeout, this, &DictationPanel::onRepeatTick);
    connect(loudspeaker_, &MovieHost::fsCommand, this, &DictationPanel::onLoudspeakerCommand);
    connect(&list_, &DictationListWindow::closed, this, [this] { pace_.stop(); });
    relayout();
}

void DictationPanel::enter(bool voicePrompts) {
    pace_.stop();
    context_.random.reseed();
    if (voicePrompts) {
        context_.audio.playFile(AudioSlot::Voice, context_.interfaceSound(QStringLiteral("tingxie.mp3")));
    }
    running_->hide();
    show();
    relayout();
}

void DictationPanel::stop() {
    pace_.stop();
    repeat_.stop();
}

bool DictationPanel::isRunning() const {
    return !running_->isHidden();
}

void DictationPanel::startKind(DictationKind kind) {
    if (const std::optional<Prompt> problem = dictationKindProblem(kind, context_.state.lists)) {
        context_.prompter.ask(*problem);
        return;
    }
    session_.start(kind, context_.state.lists, context_.displayTitle());
    running_->show();
    running_->raise();
    relayout();
    takeStep();
    if (pace_.interval() != 0) {
        pace_.start();
    }
}

void DictationPanel::takeStep() {
    const DictationStep step = session_.step();
    if (step.recording) {
        context_.speak(*step.recording);
    }
    repeatIndex_ = step.repeatIndex;
    repeat_.start();
    if (step.progress) {
        progress_->setValue(*step.progress);
        status_->setText(step.status);
    }
    if (step.finished) {
        finish();
    }
}

void DictationPanel::finish() {
    pace_.stop();
    context_.prompter.ask(dictationFinishedPrompt(session_.kind()));
    if (mainWindow_ != nullptr) {
        list_.setFixedSize(mainWindow_->size());
        list_.setGeometry(mainWindow_->geometry());
    }
    running_->hide();
    show();
    relayout();
    list_.showAnswers(session_.kind(), session_.lists());
}

void DictationPanel::onPaceTick() {
    if (list_.isVisible()) {
        pace_.stop(); // the child is checking the answers: dictation waits
        return;
    }
    if (!running_->isHidden()) {
        takeStep();
    }
}

void DictationPanel::onRepeatTick() {
    repeat_.stop();
    if (!isHidden() && !running_->isHidden()) {
        if (const std::optional<QString> key = session_.recordingAt(repeatIndex_)) {
            context_.speak(*key);
        }
    }
}

void DictationPanel::onLoudspeakerCommand(const QString& command, const QString& /*arguments*/) {
    if (command == u"btnread") {
        if (const std::optional<QString> key = session_.lastRead()) {
            context_.speak(*key);
        }
    } else if (command == u"btnnext") {
        if (pace_.isRunning()) {
            // The full pause follows the entry the child asked for.
            pace_.stop();
            takeStep();
            if (isRunning()) {
                pace_.start();
            }
        } else {
            takeStep();
        }
    }
}

void DictationPanel::relayout() {
    const StartPanelLayout start =
        layoutStartPanel(size(), QSize(std::min(width(), 900), 64), QSize(kButtonWidth, kButtonHeight),
                         paceBox_->sizeHint().expandedTo(QSize(110, 0)), paceLabel_->sizeHint());
    invitation_->setGeometry(start.invitation);
    for (size_t i = 0; i < kindButtons_.size(); ++i) {
        kindButtons_[i]->setGeometry(start.buttons[i]);
    }
    paceBox_->setGeometry(start.paceBox);
    paceLabel_->setGeometry(start.paceLabel);
    // The pace can be changed during a dictation, so the chooser stays above the running panel.
    paceLabel_->raise();
    paceBox_->raise();

    const RunningPanelLayout running =
        layoutRunningPanel(size(), loudspeaker_->widget()->size(), kStatusHeight, kProgressHeight);
    running_->setGeometry(running.panel);
    loudspeaker_->widget()->move(running.loudspeaker);
    status_->setGeometry(running.status);
    progress_->setGeometry(running.progress);
}

void DictationPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

} // namespace qinghe
