#include "app/main_window.h"

#include "app/lesson_tree.h"
#include "app/study_area.h"
#include "app/tree_icons.h"
#include "audio/audio_devices.h"
#include "audio/audio_resources.h"
#include "audio/audio_service.h"
#include "audio/sound_name.h"
#include "base/ini_file.h"
#include "base/path_resolver.h"
#include "base/process_launcher.h"
#include "base/prompter.h"
#include "catalogue/catalogue.h"
#include "catalogue/lesson_records.h"
#include "catalogue/xml_document.h"
#include "movie/movie_host.h"
#include "writing/pad_link.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qinghe {

namespace {

const QString kNoCharactersCaption = QStringLiteral("生字说明！");
const QString kNoCharactersText = QStringLiteral("您当前选择的课文，对应的课本中不包含相应的生字内容！\r\r\r"
                                                 "请选择其它课文进行相关生字的学习与训练！");

// Runs one step of a sequence whose steps must not stop each other.
template <typename Step> void guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

MainWindow::MainWindow(AppServices& services, QWidget* parent)
    : QMainWindow(parent)
    , services_(services) {
    setObjectName(QStringLiteral("Tfrm_Main"));
    state_.programDirectory = services_.programDirectory;
    handwritingTimer_.setInterval(1000);
    handwritingTimer_.setSingleShot(true);
    testMenuTimer_.setInterval(300);
    testMenuTimer_.setSingleShot(true);
    startTimer_.setInterval(1000);
    startTimer_.setSingleShot(true);
    quickMemoriseTimer_.setInterval(4000);
    slideInTimer_.setInterval(1);
    dictationTimer_.setInterval(8000);
    connect(&handwritingTimer_, &QTimer::timeout, this, &MainWindow::onHandwritingTimer);
    buildWindow();
}

MainWindow::~MainWindow() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
}

QString MainWindow::path(const QString& relative) const {
    return PathResolver(services_.programDirectory).resolve(relative);
}

QString MainWindow::characterSoundPath(const QString& reading) const {
    return path(QStringLiteral("DATA\\") + state_.edition() + QStringLiteral("\\sound\\") +
                soundName(reading) + QStringLiteral(".mp3"));
}

// ---------------------------------------------------------------------------------------------
// Window structure

void MainWindow::buildWindow() {
    setWindowTitle(QStringLiteral("青禾书屋"));
    setMinimumSize(600, 450);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->setChildrenCollapsible(false);
    tree_ = new QTreeWidget(splitter_);
    tree_->setObjectName(QStringLiteral("tv_mulu"));
    tree_->setAccessibleName(QStringLiteral("课文目录"));
    setUpLessonTree(tree_);
    studyArea_ = new StudyArea(splitter_);
    studyArea_->setObjectName(QStringLiteral("pnl_rszc"));
    splitter_->addWidget(tree_);
    splitter_->addWidget(studyArea_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({201, 1000});
    setCentralWidget(splitter_);

    panels_[size_t(Panel::LessonStudy)] = buildLessonStudyPanel();
    panels_[size_t(Panel::Info)] = buildInfoPanel();
    panels_[size_t(Panel::DrillPinyinToChar)] = buildDrillPanel(QStringLiteral("pnl_kyrz"), 1);
    panels_[size_t(Panel::DrillCharToPinyin)] = buildDrillPanel(QStringLiteral("pnl_kzry"), 2);
    panels_[size_t(Panel::DrillSoundToChar)] = buildDrillPanel(QStringLiteral("pnl_tyrz"), 0);
    panels_[size_t(Panel::DrillSoundToPinyin)] = buildDrillPanel(QStringLiteral("pnl_tyby"), 3);
    panels_[size_t(Panel::Dictation)] = buildDictationPanel();
    auto* quick = new QWidget(studyArea_);
    quick->setObjectName(QStringLiteral("pnlmain"));
    quick->setAutoFillBackground(true);
    QPalette black = quick->palette();
    black.setColor(QPalette::Window, Qt::black);
    quick->setPalette(black);
    panels_[size_t(Panel::QuickMemorise)] = quick;
    for (QWidget* panel : panels_) {
        panel->hide();
    }

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sb_state"));
    bar->setSizeGripEnabled(false);
    const int widths[4] = {250, 250, 350, 400};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("sb_state_%1").arg(i));
        label->setFixedWidth(widths[i]);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addWidget(label);
        statusPanels_[size_t(i)] = label;
    }
    statusPanels_[0]->setText(QStringLiteral("无任何广告，给您一个纯净的学习环境！"));
    statusPanels_[2]->setText(QStringLiteral("请选择相应的课文，进行每课内容的学习或练习！"));
    setStatusBar(bar);

    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
}

QWidget* MainWindow::buildLessonStudyPanel() {
    auto* panel = new QWidget(studyArea_);
    panel->setObjectName(QStringLiteral("pnlrszc"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    flashbg_ = services_.movieHosts(panel, QStringLiteral("flashbg"));
    flashbg_->widget()->setAccessibleName(QStringLiteral("课文动画"));
    layout->addWidget(flashbg_->widget(), 1);
    wordButtons_ = new QWidget(panel);
    wordButtons_->setObjectName(QStringLiteral("pnl_zc"));
    wordButtons_->setFixedHeight(90);
    wordButtons_->hide();
    layout->addWidget(wordButtons_);
    // The stroke-order movie floats over the card; its box is placed by the character study mode.
    strokeMovie_ = services_.movieHosts(panel, QStringLiteral("FlashPlay_Main"));
    strokeMovie_->widget()->setAccessibleName(QStringLiteral("笔顺动画"));
    strokeMovie_->widget()->hide();
    return panel;
}

QWidget* MainWindow::buildInfoPanel() {
    auto* panel = new QWidget(studyArea_);
    panel->setObjectName(QStringLiteral("pnl_info"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    auto* layout = new QVBoxLayout(panel);
    auto* heading = new QLabel(QStringLiteral("有效、全面、易用的同步课文学习与测试软件！"), panel);
    heading->setObjectName(QStringLiteral("lbl_info"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    heading->setStyleSheet(QStringLiteral("color: yellow; font-size: 28px; font-weight: bold;"));
    auto* footer = new QLabel(
        QStringLiteral("青禾书屋 · 跟着课本学语文：生字、词语、听写、朗读与测验，一步一步学扎实。"), panel);
    footer->setObjectName(QStringLiteral("lbl_info_footer"));
    footer->setAlignment(Qt::AlignCenter);
    footer->setWordWrap(true);
    footer->setStyleSheet(QStringLiteral("color: lime; font-size: 16px;"));
    layout->addStretch(2);
    layout->addWidget(heading);
    layout->addStretch(3);
    layout->addWidget(footer);
    layout->addSpacing(24);
    return panel;
}

QWidget* MainWindow::buildDrillPanel(const QString& name, int feedbackIndex) {
    auto* panel = new QWidget(studyArea_);
    panel->setObjectName(name);
    MovieHost* feedback = services_.movieHosts(panel, QStringLiteral("flash_right%1").arg(feedbackIndex + 1));
    feedback->widget()->setAccessibleName(QStringLiteral("答对动画"));
    feedback->widget()->hide();
    feedbackMovies_[size_t(feedbackIndex)] = feedback;
    return panel;
}

QWidget* MainWindow::buildDictationPanel() {
    auto* panel = new QWidget(studyArea_);
    panel->setObjectName(QStringLiteral("pnl_wnnx"));
    dictationRunning_ = new QWidget(panel);
    dictationRunning_->setObjectName(QStringLiteral("pnl_wnnx_main"));
    dictationRunning_->hide();
    loudspeaker_ = services_.movieHosts(dictationRunning_, QStringLiteral("flash_laba"));
    loudspeaker_->widget()->setAccessibleName(QStringLiteral("小喇叭"));
    return panel;
}

QWidget* MainWindow::panel(Panel which) const {
    return panels_[size_t(which)];
}

void MainWindow::showPanel(Panel which) {
    for (size_t i = 0; i < panels_.size(); ++i) {
        if (i != size_t(which)) {
            panels_[i]->hide();
        }
    }
    panels_[size_t(which)]->setGeometry(studyArea_->rect());
    panels_[size_t(which)]->show();
}

bool MainWindow::isPanelShowing(Panel which) const {
    return !panels_[size_t(which)]->isHidden();
}

// ---------------------------------------------------------------------------------------------
// Start-up

bool MainWindow::initialise() {
    // Settings: the defaults are in place; read every key in order.
    guarded([this] {
        const IniDocument ini = IniDocument::load(path(QStringLiteral("Data\\systxt\\Set.ini")));
        SettingsRead read = readSettings(ini);
        state_.settings = read.settings;
        state_.settingsOk = read.ok;
    });
    if (!state_.settingsOk) {
        services_.prompter.inform(QStringLiteral("程序错误！"), QStringLiteral("无法载入软件所需资源！"));
    }

    guarded([this] { state_.recordingAvailable = services_.audioDevices.openRecordingDevice(); });
    guarded([this] { placeWindow(); });
    guarded([this] { qApp->installEventFilter(this); });
    guarded([this] {
        state_.okSound = embeddedSound(kOkSoundResource);
        state_.wrongSound = embeddedSound(kWrongSoundResource);
    });
    state_.testPaperText = TestPaperText::fromBaseSize(state_.settings.testFontSize);
    guarded([this] {
        for (MovieHost* host : feedbackMovies_) {
            host->loadMovie(0, QString());
            host->setMovie(path(QStringLiteral("Data\\systxt\\lose.txt")));
        }
    });
    state_.movieBase = movieBasePath(services_.programDirectory);
    guarded([this] {
        loudspeaker_->loadMovie(0, QString());
        loudspeaker_->setMovie(path(QStringLiteral("DATA\\systxt\\laba.swf")));
        loudspeaker_->widget()->resize(250, 250);
    });
    guarded([this] {
        if (!services_.audioDevices.librariesCompatible()) {
            services_.prompter.inform(QString(), QStringLiteral("播放声音的库文件版本不合适!"),
                                      PromptIcon::Error);
        }
        if (!services_.audioDevices.openOutput()) {
            services_.prompter.inform(QString(),
                                      QStringLiteral("如果课文点读时无声，请重新启动电脑后重试一次!"));
        }
    });
    handwritingTimer_.start();
    startTimer_.start();
    studyArea_->show();
    strokeMovie_->widget()->hide();
    guarded([this] { flashbg_->setMovie(path(QStringLiteral("Data\\systxt\\main.dat"))); });
    tree_->show();
    loadEdition();
    return state_.settingsOk;
}

void MainWindow::placeWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const MainWindowPlacement placement =
        placeMainWindow(state_.settings.fullScreen, screen->geometry(), screen->availableGeometry());
    if (placement.frameless) {
        setWindowFlag(Qt::FramelessWindowHint, true);
    }
    setGeometry(placement.geometry);
    move(placement.geometry.topLeft());
    if (placement.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::loadEdition() {
    guarded([this] {
        if (lessonTestWindow_) {
            lessonTestWindow_->hide();
        }
    });
    guarded([this] { services_.audio.free(AudioSlot::Reading); });
    mode_ = ModeState{};
    mode_.lesson = true;
    stopStudyTimers();

    XmlDocument catalogue;
    guarded([&] {
        catalogue.load(path(QStringLiteral("Data\\") + state_.edition() + QStringLiteral("\\xml\\unit.xml")));
    });
    if (treeIcons_.isEmpty()) {
        treeIcons_ = makeTreeIcons();
    }
    {
        const QSignalBlocker blocker(tree_);
        fillLessonTree(tree_, readCatalogue(catalogue), treeIcons_);
    }

    const StartSelection start =
        chooseStartSelection(state_.bookMode(),
                             IniDocument::load(path(QStringLiteral("Data\\systxt\\Set.ini")))
                                 .string(u"BasicSet", u"default_xinban", QStringLiteral("1")),
                             [this](const NodePath& node) { return itemAt(tree_, node) != nullptr; });
    if (!start.select.isEmpty()) {
        selectPath(start.select);
    }
    if (QTreeWidgetItem* item = itemAt(tree_, start.expand)) {
        item->setExpanded(true);
    }
    checkedStartGrade_ = start.checkedGrade;
    testMenuTimer_.start();
    enterLessonMode();
}

void MainWindow::selectPath(const NodePath& node) {
    if (QTreeWidgetItem* item = itemAt(tree_, node)) {
        tree_->setCurrentItem(item);
    }
}

// ---------------------------------------------------------------------------------------------
// Lesson selection

void MainWindow::onCurrentItemChanged(QTreeWidgetItem* current) {
    if (current == nullptr) {
        return;
    }
    current->setExpanded(true);
    const int level = int(nodePath(current).size()) - 1;
    if (level == 0) {
        // The edition node stands for its first lesson; selecting that runs this handler again.
        guarded([&] {
            if (QTreeWidgetItem* first = itemAt(tree_, {nodePath(current).front(), 0, 0, 0})) {
                tree_->setCurrentItem(first);
            }
        });
        return;
    }
    if (level < 3) {
        return; // books and units leave the current lesson as it was
    }
    showLesson(current);
}

void MainWindow::showLesson(QTreeWidgetItem* lessonItem) {
    const CurrentLesson lesson =
        makeCurrentLesson(lessonPlaceOf(lessonItem), state_.bookMode(), state_.edition());
    if (services_.records != nullptr) {
        guarded([&] { services_.records->openBook(lesson.characterFile, lesson.wordFile); });
    }
    state_.lesson = lesson;
    statusPanels_[2]->setText(lesson.statusText());
    state_.lists = LessonLists{};
    if (services_.records != nullptr) {
        guarded([&] { state_.lists = services_.records->readLessonLists(lesson); });
    }
    reenterMode();
    Q_EMIT lessonShown();
}

void MainWindow::reenterMode() {
    const ReentryChoice choice = chooseReentry(mode_, !state_.lists.chars.isEmpty());
    switch (choice.action) {
    case Reentry::Lesson:
        enterLessonMode();
        break;
    case Reentry::NoCharacters:
        showNoCharacters();
        break;
    case Reentry::LessonTest:
    case Reentry::QuickMemorise:
    case Reentry::CharacterStudy:
    case Reentry::Dictation:
    case Reentry::Drill:
    case Reentry::Nothing:
        break;
    }
}

void MainWindow::showNoCharacters() {
    stopStudyTimers();
    if (!isPanelShowing(Panel::Info)) {
        services_.prompter.inform(kNoCharactersCaption, kNoCharactersText);
    }
    showPanel(Panel::Info);
}

void MainWindow::stopStudyTimers() {
    quickMemoriseTimer_.stop();
    slideInTimer_.stop();
    dictationTimer_.stop();
}

void MainWindow::enterLessonMode() {
    mode_.lesson = true;
    if (QTreeWidgetItem* item = tree_->currentItem(); item != nullptr && nodePath(item).size() - 1 >= 3) {
        state_.lesson = makeCurrentLesson(lessonPlaceOf(item), state_.bookMode(), state_.edition());
    }
    flashbg_->widget()->show();
    strokeMovie_->widget()->hide();
    guarded([this] { flashbg_->setMovie(path(QStringLiteral("Data\\systxt\\main.dat"))); });
    wordButtons_->hide();
    if (!isPanelShowing(Panel::LessonStudy)) {
        showPanel(Panel::LessonStudy);
    }
    flashbg_->widget()->setFocus();
}

// ---------------------------------------------------------------------------------------------
// Handwriting pad, message filter, exit

void MainWindow::onHandwritingTimer() {
    handwritingTimer_.stop();
    const QString& mode = state_.settings.handwritingMode;
    if (mode == u"1") {
        guarded([this] { services_.launcher.startDetached(padProgramPath(services_.programDirectory), {}); });
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            return true; // no context menus anywhere, movie hosts included
        }
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            auto* widget = qobject_cast<QWidget*>(watched);
            QWidget* stroke = strokeMovie_ != nullptr ? strokeMovie_->widget() : nullptr;
            if (widget != nullptr && stroke != nullptr &&
                (widget == stroke || stroke->isAncestorOf(widget))) {
                onStrokeMovieClicked();
            }
        }
        break;
    }
    case QEvent::ContextMenu:
        return true;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onStrokeMovieClicked() {
    guarded([this] {
        strokeMovie_->gotoFrame(0);
        strokeMovie_->play();
        services_.audio.free(AudioSlot::Voice);
        if (!currentReading_.isEmpty()) {
            services_.audio.playFile(AudioSlot::Voice, characterSoundPath(currentReading_));
        }
    });
}

void MainWindow::quitProgram() {
    quitMark_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!quitMark_ && testPaperWindow_ && testPaperWindow_->isVisible()) {
        event->ignore();
        testPaperWindow_->close();
        return;
    }
    event->accept();
    runExitSequence();
}

void MainWindow::runExitSequence() {
    if (exiting_) {
        return;
    }
    exiting_ = true;
    guarded([this] { hide(); });
    guarded([this] {
        if (services_.pad.isRunning()) {
            services_.pad.sendQuit();
        }
    });
    guarded([this] { services_.audioDevices.close(); });
    guarded([] { QCoreApplication::quit(); });
}

} // namespace qinghe
