#include "app/main_window.h"

#include "app/companion_windows.h"
#include "app/lesson_movie_command.h"
#include "app/lesson_segments.h"
#include "app/lesson_tree.h"
#include "app/study_area.h"
#include "app/test_paper_menu.h"
#include "app/toolbar_icons.h"
#include "app/tree_icons.h"
#include "app/window_parking.h"
#include "audio/audio_devices.h"
#include "audio/audio_resources.h"
#include "audio/audio_service.h"
#include "audio/sound_name.h"
#include "base/ini_file.h"
#include "base/prompter.h"
#include "catalogue/catalogue.h"
#include "catalogue/xml_document.h"
#include "movie/movie_host.h"
#include "study/browser/quick_memorise_panel.h"
#include "study/browser/stroke_box.h"
#include "study/browser/word_button_row.h"
#include "study/browser/word_group_browser.h"
#include "study/character_table/character_table_window.h"
#include "study/dictation/dictation_entry.h"
#include "study/dictation/dictation_list_window.h"
#include "study/dictation/dictation_panel.h"
#include "study/drills/drill_controls.h"
#include "study/drills/drill_entry.h"
#include "study/drills/drill_panel.h"
#include "writing/pad_launch.h"
#include "writing/pad_link.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qinghe {

namespace {

// Runs one step of a sequence whose steps must not stop each other.
template <typename Step> void guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

const QString kNotALesson = QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。");

} // namespace

MainWindow::MainWindow(AppServices& services, QWidget* parent)
    : QMainWindow(parent)
    , services_(services)
    , paths_(services.records.paths())
    , context_{state_, services.records, services.audio, services.prompter, services.random, paths_} {
    setObjectName(QStringLiteral("Tfrm_Main"));
    state_.programDirectory = services_.programDirectory;
    handwritingTimer_.setInterval(1000);
    handwritingTimer_.setSingleShot(true);
    testMenuTimer_.setInterval(300);
    testMenuTimer_.setSingleShot(true);
    startTimer_.setInterval(1000);
    startTimer_.setSingleShot(true);
    connect(&handwritingTimer_, &QTimer::timeout, this, &MainWindow::onHandwritingTimer);
    connect(&testMenuTimer_, &QTimer::timeout, this, &MainWindow::buildTestPaperMenu);
    buildWindow();
}

MainWindow::~MainWindow() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
    // The paper is a child of this window: its end must not reach back into a window being torn down.
    if (testPaperWindow_) {
        disconnect(testPaperWindow_, nullptr, this, nullptr);
    }
}

QString MainWindow::path(const QString& relative) const {
    return paths_.resolve(relative);
}

QString MainWindow::characterSoundPath(const QString& reading) const {
    return context_.soundFile(reading);
}

QWidget* MainWindow::studyArea() const {
    return studyArea_;
}

// ---------------------------------------------------------------------------------------------
// Window structure

void MainWindow::buildWindow() {
    setWindowTitle(QStringLiteral("青禾书屋"));
    setMinimumSize(600, 450);
    setContextMenuPolicy(Qt::PreventContextMenu);

    toolBar_ = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, toolBar_->bar());

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

    addStudyPanel(Panel::LessonStudy, buildLessonStudyPanel());
    addStudyPanel(Panel::Info, buildInfoPanel());
    connect(studyArea_, &StudyArea::resized, this, &MainWindow::relayoutStudy);

    testPaperHost_ = new QWidget(this);
    testPaperHost_->setObjectName(QStringLiteral("pnl_shijuan"));
    testPaperHost_->hide();

    buildStatusBar();
    connectToolBar();
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentItemChanged(current); });
}

// The drills, dictation and quick memorise are not on the first screen: they are built right after it
// has been painted, or when one of them is first wanted if that comes sooner.
void MainWindow::addStudyPanel(Panel which, QWidget* panel) {
    panels_[size_t(which)] = panel;
    studyArea_->addPanel(panel);
    panel->hide();
}

bool MainWindow::activityPanelsBuilt() const {
    return dictation_ != nullptr;
}

void MainWindow::ensureActivityPanels() {
    if (activityPanelsBuilt()) {
        return;
    }
    drillControls_ = new DrillControls(studyArea_, this);
    drillControls_->hide();
    const auto voicePrompts = [this] { return toolBar_->voicePromptsItem()->isChecked(); };
    const std::array<std::pair<Drill, Panel>, 4> drills{{
        {Drill::PinyinToCharacter, Panel::DrillPinyinToChar},
        {Drill::CharacterToPinyin, Panel::DrillCharToPinyin},
        {Drill::SoundToCharacter, Panel::DrillSoundToChar},
        {Drill::SoundToPinyin, Panel::DrillSoundToPinyin},
    }};
    for (const auto& [drill, panel] : drills) {
        auto* drillPanel =
            new DrillPanel(drill, context_, services_.movieHosts, *drillControls_, voicePrompts, studyArea_);
        drillPanels_[size_t(drill)] = drillPanel;
        addStudyPanel(panel, drillPanel);
    }
    dictationList_ = new DictationListWindow(context_, this);
    dictationList_->hide();
    dictation_ = new DictationPanel(context_, services_.movieHosts, *dictationList_, this, studyArea_);
    addStudyPanel(Panel::Dictation, dictation_);
    quickMemorise_ = new QuickMemorisePanel(context_, studyArea_);
    addStudyPanel(Panel::QuickMemorise, quickMemorise_);
    guarded([this] {
        for (DrillPanel* drill : drillPanels_) {
            drill->feedbackMovie().loadMovie(0, QString());
            drill->feedbackMovie().setMovie(path(QStringLiteral("Data\\systxt\\lose.txt")));
        }
    });
    guarded([this] {
        MovieHost& loudspeaker = dictation_->loudspeaker();
        loudspeaker.loadMovie(0, QString());
        loudspeaker.setMovie(path(QStringLiteral("DATA\\systxt\\laba.swf")));
        loudspeaker.widget()->resize(250, 250);
    });
}

void MainWindow::completeStartup() {
    toolBar_->ensureBookMenus();
    ensureActivityPanels();
}

QuickMemorisePanel* MainWindow::quickMemorisePanel() {
    ensureActivityPanels();
    return quickMemorise_;
}

DrillPanel* MainWindow::drillPanel(Drill drill) {
    ensureActivityPanels();
    return drillPanels_[size_t(drill)];
}

DrillControls* MainWindow::drillControls() {
    ensureActivityPanels();
    return drillControls_;
}

DictationPanel* MainWindow::dictationPanel() {
    ensureActivityPanels();
    return dictation_;
}

DictationListWindow* MainWindow::dictationList() {
    ensureActivityPanels();
    return dictationList_;
}

void MainWindow::hideDrillControls() {
    if (drillControls_ != nullptr) {
        drillControls_->hide();
    }
}

void MainWindow::stopDrills() {
    if (activityPanelsBuilt()) {
        for (DrillPanel* drill : drillPanels_) {
            drill->stop();
        }
    }
}

void MainWindow::buildStatusBar() {
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
    timerPanel_ = new QLabel(QStringLiteral("计时开始"), bar);
    timerPanel_->setObjectName(QStringLiteral("pnltime"));
    timerPanel_->setAlignment(Qt::AlignCenter);
    timerPanel_->setMinimumWidth(90);
    timerPanel_->hide();
    bar->addPermanentWidget(timerPanel_);
    setStatusBar(bar);
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
    wordButtons_ = new WordButtonRow(panel);
    wordButtons_->hide();
    layout->addWidget(wordButtons_);
    // The stroke-order movie floats over the card; the character study mode places it.
    strokeMovie_ = services_.movieHosts(panel, QStringLiteral("FlashPlay_Main"));
    strokeMovie_->widget()->setAccessibleName(QStringLiteral("笔顺动画"));
    strokeMovie_->widget()->hide();
    browser_ = new WordGroupBrowser(
        context_, *flashbg_, *strokeMovie_, *wordButtons_, [this] { return width(); }, this);
    connect(flashbg_, &MovieHost::fsCommand, this, &MainWindow::onLessonMovieCommand);
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

void MainWindow::connectToolBar() {
    MainToolBar& bar = *toolBar_;
    connect(bar.lessonButton(), &QToolButton::clicked, this, &MainWindow::enterLessonMode);
    connect(bar.characterStudyButton(), &QToolButton::clicked, this, &MainWindow::enterCharacterStudy);
    connect(bar.lessonTestButton(), &QToolButton::clicked, this, &MainWindow::startLessonTest);
    connect(bar.quickMemoriseButton(), &QToolButton::clicked, this, &MainWindow::enterQuickMemorise);
    connect(bar.dictationButton(), &QToolButton::clicked, this, &MainWindow::enterDictation);
    connect(bar.characterTableButton(), &QToolButton::clicked, this, &MainWindow::openCharacterTable);
    connect(bar.exitButton(), &QToolButton::clicked, this, &MainWindow::quitProgram);
    for (const Drill drill : {Drill::SoundToCharacter, Drill::PinyinToCharacter, Drill::SoundToPinyin,
                              Drill::CharacterToPinyin}) {
        connect(bar.drillItem(drill), &QAction::triggered, this, [this, drill] { enterDrill(drill); });
    }
    connect(bar.pinyinLessonsItem(), &QAction::triggered, this, &MainWindow::openPinyinLessons);
    connect(bar.synonymsItem(), &QAction::triggered, this, &MainWindow::openSynonyms);
    connect(&bar, &MainToolBar::unitCardChosen, this, &MainWindow::openUnitCard);
    for (int grade = 1; grade <= 6; ++grade) {
        connect(bar.startGradeItem(grade), &QAction::triggered, this,
                [this, grade] { chooseStartGrade(grade); });
    }
    for (int i = 0; i < 5; ++i) {
        connect(bar.fontSizeItem(i), &QAction::triggered, this, [this, i] { chooseTestFontSize(i); });
    }
    connect(bar.openPadItem(), &QAction::triggered, this, &MainWindow::openHandwritingPad);
    connect(bar.padSetupItem(), &QAction::triggered, this, &MainWindow::showHandwritingSetup);
    connect(&bar, &MainToolBar::buttonHovered, this, &MainWindow::onToolButtonHovered);
}

void MainWindow::showPanel(Panel which) {
    for (size_t i = 0; i < panels_.size(); ++i) {
        if (i != size_t(which) && panels_[i] != nullptr) {
            panels_[i]->hide();
        }
    }
    panels_[size_t(which)]->setGeometry(studyArea_->rect());
    panels_[size_t(which)]->show();
}

bool MainWindow::isPanelShowing(Panel which) const {
    return panels_[size_t(which)] != nullptr && !panels_[size_t(which)]->isHidden();
}

ModeState MainWindow::modeState() const {
    ModeState mode;
    mode.lesson = toolBar_->isDown(MainToolBar::Mode::Lesson);
    mode.lessonTest = toolBar_->isDown(MainToolBar::Mode::LessonTest);
    mode.characterStudy = toolBar_->isDown(MainToolBar::Mode::CharacterStudy);
    mode.quickMemorise = toolBar_->isDown(MainToolBar::Mode::QuickMemorise);
    mode.dictation = toolBar_->isDown(MainToolBar::Mode::Dictation);
    for (int i = 0; i < 4; ++i) {
        mode.drillCheck[i] = toolBar_->drillItem(Drill(i))->isChecked();
    }
    return mode;
}

int MainWindow::checkedStartGrade() const {
    for (int grade = 1; grade <= 6; ++grade) {
        if (toolBar_->startGradeItem(grade)->isChecked()) {
            return grade;
        }
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Start-up

bool MainWindow::initialise() {
    // Settings: the defaults are in place; read every key in order.
    guarded([this] {
        const IniDocument ini = IniDocument::load(path(QStringLiteral("Data\\systxt\\Set.ini")));
        const SettingsRead read = readSettings(ini);
        state_.settings = read.settings;
        state_.settingsOk = read.ok;
    });
    if (!state_.settingsOk) {
        services_.prompter.inform(QStringLiteral("程序错误！"), QStringLiteral("无法载入软件所需资源！"));
    }
    applyBookModeToMenus();
    guarded([this] { state_.recordingAvailable = services_.audioDevices.openRecordingDevice(); });
    guarded([this] { placeWindow(); });
    guarded([this] { qApp->installEventFilter(this); });
    guarded([this] {
        state_.okSound = embeddedSound(kOkSoundResource);
        state_.wrongSound = embeddedSound(kWrongSoundResource);
    });
    state_.testPaperText = TestPaperText::fromBaseSize(state_.settings.testFontSize);
    state_.movieBase = movieBasePath(services_.programDirectory);
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

void MainWindow::applyBookModeToMenus() {
    if (!state_.settings.singleBook()) {
        return;
    }
    bool ok = false;
    const int single = state_.bookMode().toInt(&ok);
    toolBar_->showOnlyBook(ok ? std::optional<int>(single) : std::nullopt);
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
    timerPanel_->hide();
    timerPanel_->setText(QStringLiteral("计时开始"));
    toolBar_->setMode(MainToolBar::Mode::Lesson);
    stopStudyTimers();
    guarded([this] { services_.companions.closeTopicActivities(); });

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
    for (int grade = 1; grade <= 6; ++grade) {
        toolBar_->startGradeItem(grade)->setChecked(grade == start.checkedGrade);
    }
    toolBar_->startGradeMenu()->menuAction()->setVisible(!start.hideGradeMenu);
    if (!start.select.isEmpty()) {
        selectPath(start.select);
    }
    if (QTreeWidgetItem* item = itemAt(tree_, start.expand)) {
        item->setExpanded(true);
    }
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

SelectedNode MainWindow::selectedNode() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    if (item == nullptr) {
        return SelectedNode::None;
    }
    const qsizetype level = nodePath(item).size() - 1;
    if (level == 0) {
        return SelectedNode::Top;
    }
    return level < 3 ? SelectedNode::BookOrUnit : SelectedNode::Lesson;
}

void MainWindow::onCurrentItemChanged(QTreeWidgetItem* current) {
    if (current == nullptr) {
        return;
    }
    current->setExpanded(true);
    const qsizetype level = nodePath(current).size() - 1;
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
    guarded([&] { services_.records.openBook(lesson.characterFile, lesson.wordFile); });
    state_.lesson = lesson;
    statusPanels_[2]->setText(lesson.statusText());
    state_.lists = LessonLists{};
    guarded([&] { state_.lists = services_.records.readLessonLists(lesson); });
    reenterMode();
    Q_EMIT lessonShown();
}

void MainWindow::reenterMode() {
    const ReentryChoice choice = chooseReentry(modeState(), !state_.lists.chars.isEmpty());
    switch (choice.action) {
    case Reentry::Lesson:
        enterLessonMode();
        break;
    case Reentry::LessonTest:
        startLessonTest();
        break;
    case Reentry::NoCharacters:
        showNoCharacters();
        break;
    case Reentry::QuickMemorise:
        enterQuickMemorise();
        break;
    case Reentry::CharacterStudy:
        enterCharacterStudy();
        break;
    case Reentry::Dictation:
        enterDictation();
        break;
    case Reentry::Drill:
        enterDrill(choice.drill);
        break;
    case Reentry::Nothing:
        break;
    }
}

void MainWindow::showNoCharacters() {
    stopStudyTimers();
    if (!isPanelShowing(Panel::Info)) {
        services_.prompter.inform(QStringLiteral("生字说明！"),
                                  QStringLiteral("您当前选择的课文，对应的课本中不包含相应的生字内容！\r\r\r"
                                                 "请选择其它课文进行相关生字的学习与训练！"));
    }
    showPanel(Panel::Info);
    hideDrillControls();
}

// ---------------------------------------------------------------------------------------------
// Modes

bool MainWindow::lessonTestInProgress() const {
    if (!lessonTestWindow_ || !lessonTestWindow_->isVisible()) {
        return false;
    }
    const QWidget* handIn = lessonTestWindow_->findChild<QWidget*>(QStringLiteral("btnkey"));
    return handIn != nullptr && handIn->isVisible();
}

bool MainWindow::leaveTestAllowed(const QString& caption, const QString& text) {
    if (!lessonTestInProgress()) {
        return true;
    }
    if (services_.prompter.confirm(caption, text)) {
        return true;
    }
    toolBar_->setMode(MainToolBar::Mode::LessonTest);
    return false;
}

bool MainWindow::leaveTestAllowedFor(const QString& modeCaption) {
    return leaveTestAllowed(QStringLiteral("确定要取消当前课文的测试吗？"),
                            QStringLiteral("当前正在进行每课测验，您确定要离开测试页面，进入[") +
                                modeCaption + QStringLiteral("]？\r\r点击确定，进入[") + modeCaption +
                                QStringLiteral("]，点击取消，会停留在当前测试的页面中。"));
}

void MainWindow::stopStudyTimers() {
    if (activityPanelsBuilt()) {
        quickMemorise_->stop();
        dictation_->stop();
    }
}

void MainWindow::commonCleanUp(bool freeReading) {
    guarded([this] { toolBar_->releaseAll(); });
    guarded([this] {
        if (lessonTestWindow_) {
            lessonTestWindow_->hide();
        }
        timerPanel_->hide();
        timerPanel_->setText(QStringLiteral("计时开始"));
    });
    guarded([this] {
        services_.companions.closeTopicActivities();
        if (topicChooser_) {
            topicChooser_->close();
        }
        if (dictationList_ != nullptr) {
            dictationList_->close();
        }
    });
    guarded([this] {
        stopStudyTimers();
        stopDrills();
    });
    if (freeReading) {
        guarded([this] { services_.audio.free(AudioSlot::Reading); });
    }
}

void MainWindow::enterLessonMode() {
    if (!leaveTestAllowed(QStringLiteral("确定要进入同步学课文吗？"),
                          QStringLiteral("当前正在进行每课测验，您确定要离开测试页面，进入同步学课文吗？\r\r"
                                         "点击确定，进入同步学课文，点击取消，会停留在当前测试的页面中。"))) {
        return;
    }
    commonCleanUp(false);
    toolBar_->setMode(MainToolBar::Mode::Lesson);
    hideDrillControls();
    if (QTreeWidgetItem* item = tree_->currentItem();
        item != nullptr && selectedNode() == SelectedNode::Lesson) {
        const CurrentLesson lesson =
            makeCurrentLesson(lessonPlaceOf(item), state_.bookMode(), state_.edition());
        state_.lesson = lesson;
        statusPanels_[2]->setText(lesson.statusText());
    }
    flashbg_->widget()->show();
    strokeMovie_->widget()->hide();
    guarded([this] {
        flashbg_->setMovie(path(QStringLiteral("Data\\systxt\\main.dat")));
        if (state_.lesson) {
            // What our lesson movie needs to show the lesson (see docs/movies.md).
            const CurrentLesson& lesson = *state_.lesson;
            const QString reading = path(lesson.lessonReadingFile(state_.edition()));
            const auto readFile = [](const QString& file) {
                QFile in(file);
                return in.open(QIODevice::ReadOnly) ? in.read(1024 * 1024) : QByteArray();
            };
            const QString stem = lesson.bb + lesson.uu + lesson.ll + QStringLiteral(".txt");
            const QList<LessonSegment> segments = mergeLessonSegments(
                parseLessonText(readFile(path(QStringLiteral("DATA\\") + state_.edition() +
                                              QStringLiteral("\\lessontext\\") + stem))),
                parseLessonTimings(readFile(reading.left(reading.size() - 4) + QStringLiteral(".txt"))));
            flashbg_->setVariable(QStringLiteral("lesson_title"), lesson.lessonTitle);
            flashbg_->setVariable(QStringLiteral("lesson_book_title"), lesson.bookTitle);
            flashbg_->setVariable(QStringLiteral("lesson_number"),
                                  QStringLiteral("第%1课").arg(lesson.lessonNumber));
            flashbg_->setVariable(QStringLiteral("book_number"), QString::number(lesson.bookNumber));
            flashbg_->setVariable(QStringLiteral("lesson_segments"), lessonSegmentsJson(segments));
            flashbg_->setVariable(QStringLiteral("has_reading"),
                                  QFile::exists(reading) ? QStringLiteral("1") : QStringLiteral("0"));
        }
    });
    wordButtons_->hide();
    if (!isPanelShowing(Panel::LessonStudy)) {
        showPanel(Panel::LessonStudy);
    }
    flashbg_->widget()->setFocus();
}

void MainWindow::enterCharacterStudy() {
    if (!leaveTestAllowed(QStringLiteral("确定要进入字词学习吗？"),
                          QStringLiteral("当前正在进行每课测验，您确定要离开测试页面，进入字词学习吗？\r\r"
                                         "点击确定，进入字词学习，点击取消，会停留在当前测试的页面中。"))) {
        return;
    }
    const SelectedNode selected = selectedNode();
    if (selected == SelectedNode::Top) {
        services_.prompter.inform(QStringLiteral("字词学习说明！"), kNotALesson);
        return;
    }
    if (selected != SelectedNode::Lesson) {
        services_.prompter.inform(
            QStringLiteral("字词学习说明！"),
            QStringLiteral("您选择的不是具体的课文！\r请通过左侧目录，选择用于学习的具体课程！"));
        return;
    }
    if (state_.lists.chars.isEmpty()) {
        showNoCharacters();
        return;
    }
    commonCleanUp(true);
    toolBar_->setMode(MainToolBar::Mode::CharacterStudy);
    hideDrillControls();
    if (!isPanelShowing(Panel::LessonStudy)) {
        showPanel(Panel::LessonStudy);
    }
    guarded([this] { browser_->enter(); });
    guarded([this] { services_.audio.free(AudioSlot::Reading); });
    stopStudyTimers();
    flashbg_->widget()->show();
    strokeMovie_->widget()->show();
    placeStrokeBoxForLayout();
    strokeMovie_->widget()->setFocus();
    flashbg_->widget()->setFocus();
}

void MainWindow::placeStrokeBoxForLayout() {
    const QWidget* host = flashbg_->widget();
    QRect box = strokeBox(host->width(), host->height(), kStrokeBoxOnLayout);
    box.translate(host->pos());
    strokeMovie_->widget()->setGeometry(box);
    strokeMovie_->widget()->raise();
}

void MainWindow::startLessonTest() {
    if (!services_.companions.available(CompanionWindows::Activity::LessonTest)) {
        return; // this build has no per-lesson tests
    }
    hideDrillControls();
    if (lessonTestInProgress() &&
        !services_.prompter.confirm(
            QStringLiteral("确定要开始新的测试吗？"),
            QStringLiteral("当前正在进行每课测验，您确定要重新开始所选课文的测试吗？\r\r"
                           "点击确定，将开始所选课文的测试，点击取消，则不会开始新的课文内容测试。"))) {
        return;
    }
    commonCleanUp(true);
    if (selectedNode() != SelectedNode::Lesson || !state_.lesson) {
        services_.prompter.inform(QStringLiteral("每课测验说明！"),
                                  QStringLiteral("请通过左侧目录，选择进行每课测验的具体课程！"));
        return;
    }
    toolBar_->setMode(MainToolBar::Mode::LessonTest);
    const CurrentLesson& lesson = *state_.lesson;
    const LessonTestRequest request{
        QStringLiteral("c%1s%2").arg(lesson.unitNumber).arg(lesson.lessonNumber),
        QStringLiteral("book%1").arg(lesson.bookNumber),
        QStringLiteral("LessonTest%1").arg(lesson.bookNumber),
        QStringLiteral("【") + lesson.lessonTitle + QStringLiteral("】测验"),
    };
    guarded([this] {
        if (lessonTestWindow_) {
            lessonTestWindow_->close();
        }
    });
    lessonTestWindow_ = services_.companions.openLessonTest(studyArea_, request);
    timerPanel_->setText(QStringLiteral("计时开始"));
    if (lessonTestWindow_) {
        lessonTestWindow_->setGeometry(studyArea_->rect());
        lessonTestWindow_->show();
        lessonTestWindow_->raise();
    }
}

void MainWindow::enterQuickMemorise() {
    if (!leaveTestAllowedFor(toolBar_->quickMemoriseButton()->text())) {
        return;
    }
    const SelectedNode selected = selectedNode();
    if (selected != SelectedNode::Lesson) {
        services_.prompter.inform(QStringLiteral("字词速记说明！"), kNotALesson);
        return;
    }
    if (context_.displayTitle().size() < 5) {
        services_.prompter.inform(QStringLiteral("练习说明！"),
                                  QStringLiteral("请通过左侧目录，先选择用于学习的具体课程！"));
        return;
    }
    ensureActivityPanels();
    commonCleanUp(true);
    toolBar_->setMode(MainToolBar::Mode::QuickMemorise);
    hideDrillControls();
    if (state_.lists.chars.isEmpty()) {
        showNoCharacters();
        return;
    }
    showPanel(Panel::QuickMemorise);
    dictation_->stop();
    quickMemorise_->enter();
}

void MainWindow::enterDictation() {
    if (!leaveTestAllowedFor(toolBar_->dictationButton()->text())) {
        return;
    }
    if (const auto problem = dictationSelectionProblem(selectedNode(), state_)) {
        services_.prompter.ask(*problem);
        return;
    }
    ensureActivityPanels();
    commonCleanUp(true);
    toolBar_->setMode(MainToolBar::Mode::Dictation);
    guarded([this] { flashbg_->loadMovie(0, QString()); });
    guarded([this] { services_.audio.stop(AudioSlot::Reading); });
    if (const auto problem = dictationLessonProblem(state_)) {
        services_.prompter.ask(*problem);
        return;
    }
    hideDrillControls();
    showPanel(Panel::Dictation);
    dictation_->enter(toolBar_->voicePromptsItem()->isChecked());
}

void MainWindow::enterDrill(Drill drill) {
    const QString caption = toolBar_->drillItem(drill)->text();
    if (!leaveTestAllowedFor(caption)) {
        return;
    }
    ensureActivityPanels();
    for (int i = 0; i < 4; ++i) {
        toolBar_->drillItem(Drill(i))->setChecked(Drill(i) == drill);
        drillPanels_[size_t(i)]->feedbackMovie().widget()->hide();
    }
    if (const auto problem = drillEntryProblem(selectedNode(), state_.lists, context_.displayTitle())) {
        if (drillNeedsNoCharactersPanel(*problem)) {
            showNoCharacters();
        } else {
            services_.prompter.ask(*problem);
        }
        return;
    }
    commonCleanUp(false);
    toolBar_->setMode(MainToolBar::Mode::Drills);
    guarded([this] { flashbg_->loadMovie(0, QString()); });
    guarded([this] { services_.audio.stop(AudioSlot::Reading); });
    services_.random.reseed();
    static const std::array<Panel, 4> kPanels{Panel::DrillCharToPinyin, Panel::DrillSoundToChar,
                                              Panel::DrillPinyinToChar, Panel::DrillSoundToPinyin};
    showPanel(kPanels[size_t(drill)]);
    drillPanels_[size_t(drill)]->start();
    drillControls_->place(studyArea_->rect());
}

void MainWindow::openCharacterTable() {
    stopDrills();
    if (quickMemorise_ != nullptr) {
        quickMemorise_->stop();
    }
    guarded([this] { services_.audio.stop(AudioSlot::Reading); });
    if (characterTable_ == nullptr) {
        characterTable_ = new CharacterTableWindow(context_, this);
    }
    characterTable_->open();
}

void MainWindow::openSynonyms() {
    if (!services_.companions.available(CompanionWindows::Activity::TopicChooser)) {
        return; // this build has no synonym activities
    }
    if (!leaveTestAllowedFor(toolBar_->synonymsItem()->text())) {
        return;
    }
    commonCleanUp(true);
    toolBar_->setMode(MainToolBar::Mode::SpecialStudy);
    guarded([this] { services_.audio.free(AudioSlot::Voice); });
    for (QWidget* panel : panels_) {
        if (panel != nullptr) {
            panel->hide();
        }
    }
    hideDrillControls();
    studyArea_->show();
    topicChooser_ = services_.companions.openTopicChooser(studyArea_);
    if (topicChooser_) {
        topicChooser_->setGeometry(studyArea_->rect());
        topicChooser_->show();
    }
}

void MainWindow::openPinyinLessons() {
    if (services_.companions.openPinyinLessons()) {
        toggleParking(this);
    }
}

void MainWindow::openUnitCard(int book, int unit, const QString& unitCaption) {
    services_.companions.showUnitCard(
        book, unit, QStringLiteral("　　　") + unitCaption + QStringLiteral("基础知识点归纳"));
}

void MainWindow::openTestPaper(int book, const QString& bookCaption, const QString& paperName) {
    if (!services_.companions.available(CompanionWindows::Activity::TestPaper)) {
        return;
    }
    testPaperHost_->move(-5000, 0);
    const TestPaperRequest request{
        paperName,
        QStringLiteral("book") + (state_.settings.singleBook() ? state_.bookMode() : QString::number(book)),
        bookCaption + paperName,
    };
    guarded([this] {
        if (testPaperWindow_) {
            testPaperWindow_->close();
        }
    });
    testPaperWindow_ = services_.companions.openTestPaper(testPaperHost_, request);
    if (!testPaperWindow_) {
        return;
    }
    connect(testPaperWindow_, &QObject::destroyed, this, [this] {
        testPaperHost_->hide();
        statusBar()->show();
    });
    testPaperHost_->setGeometry(QRect(QPoint(-5000, 0), rect().size()));
    testPaperHost_->show();
    testPaperHost_->raise();
    testPaperWindow_->setGeometry(testPaperHost_->rect());
    testPaperWindow_->show();
    testPaperHost_->move(0, 0);
    statusBar()->hide();
    stopStudyTimers();
    stopDrills();
    guarded([this] { services_.audio.free(AudioSlot::Reading); });
    timerPanel_->hide();
}

void MainWindow::chooseTestFontSize(int index) {
    for (int i = 0; i < 5; ++i) {
        toolBar_->fontSizeItem(i)->setChecked(i == index);
    }
    if (auto* menu = qobject_cast<QMenu*>(toolBar_->fontSizeItem(index)->parent())) {
        menu->setDefaultAction(toolBar_->fontSizeItem(index));
    }
    state_.testPaperText = TestPaperText::fromMenuSize(MainToolBar::kFontSizes[size_t(index)]);
    if (toolBar_->isDown(MainToolBar::Mode::LessonTest) &&
        services_.prompter.confirm(QStringLiteral("是否立即应用所选的试卷字体？"),
                                   QStringLiteral("当前正在进行每课测验，是否将试卷字体改动马上进行应用？\r\r"
                                                  "点击确定，将会应用本字体大小，但是会重新开始考试！\r\r"
                                                  "点击取消，试卷字体会在本次测验后，自动调整。"))) {
        startLessonTest();
    }
}

void MainWindow::chooseStartGrade(int grade) {
    writeIniFile(path(QStringLiteral("Data\\systxt\\Set.ini")), QStringLiteral("BasicSet"),
                 QStringLiteral("default_xinban"), QString::number(grade));
    for (int g = 1; g <= 6; ++g) {
        toolBar_->startGradeItem(g)->setChecked(g == grade);
    }
}

void MainWindow::openHandwritingPad() {
    if (!startHandwritingPad(services_.launcher, services_.programDirectory)) {
        services_.prompter.inform(
            QStringLiteral("手写板启动失败！"),
            QStringLiteral("没有找到软件中的手写板！\r\r可能是软件安装不完整或手写板被删除的原因"));
    }
}

void MainWindow::showHandwritingSetup() {
    services_.companions.showHandwritingSetup();
}

void MainWindow::buildTestPaperMenu() {
    QMenu* menu = toolBar_->testPaperMenu();
    const auto addPapers = [this](QMenu* into, int book, const QString& bookCaption, bool icons) {
        const QStringList names =
            testPaperNames(path(QStringLiteral("Data\\") + state_.edition() +
                                QStringLiteral("\\ceshi\\book") + QString::number(book)));
        for (qsizetype i = 0; i < names.size(); ++i) {
            QAction* item = into->addAction(names[i]);
            if (icons) {
                item->setIcon(paperMenuIcon(testPaperIcon(book, int(i))));
            }
            const QString name = names[i];
            connect(item, &QAction::triggered, this,
                    [this, book, bookCaption, name] { openTestPaper(book, bookCaption, name); });
        }
    };
    if (!state_.settings.singleBook()) {
        for (int book = 1; book <= 12; ++book) {
            QMenu* bookMenu = toolBar_->testPaperBookMenu(book);
            bookMenu->clear();
            addPapers(bookMenu, book, bookMenu->title(), true);
        }
        return;
    }
    menu->clear();
    bool ok = false;
    const int single = state_.bookMode().toInt(&ok);
    if (ok) {
        addPapers(menu, single, MainToolBar::bookTitles().value(single - 1), false);
    }
}

// ---------------------------------------------------------------------------------------------
// Movie commands, pad, message filter, exit

void MainWindow::onLessonMovieCommand(const QString& command, const QString& arguments) {
    using Kind = LessonMovieCommand::Kind;
    const LessonMovieCommand parsed = parseLessonMovieCommand(command, arguments);
    const bool earlyBook = state_.lesson && state_.lesson->bb.toInt() < 9;
    const QString reading =
        state_.lesson ? path(state_.lesson->lessonReadingFile(state_.edition())) : QString();
    switch (parsed.kind) {
    case Kind::ShowLessonCard:
        guarded([this] { services_.companions.showLessonCard(); });
        break;
    case Kind::OpenClickRead:
        guarded([this] {
            if (services_.companions.openClickRead()) {
                toggleParking(this);
            }
        });
        break;
    case Kind::ReadLesson:
        guarded([&] {
            services_.audio.free(AudioSlot::Reading);
            services_.audio.playFile(AudioSlot::Reading, reading);
            if (earlyBook) {
                flashbg_->gotoFrame(1);
                flashbg_->play();
            }
        });
        break;
    case Kind::StopReading:
        guarded([this] {
            services_.audio.stop(AudioSlot::Voice);
            services_.audio.stop(AudioSlot::Reading);
            flashbg_->stop();
        });
        break;
    case Kind::PageTurned:
        if (earlyBook) {
            guarded([this] {
                services_.audio.stop(AudioSlot::Reading);
                flashbg_->stop();
            });
        }
        break;
    case Kind::QuickMemorise:
        enterQuickMemorise();
        toolBar_->setMode(MainToolBar::Mode::QuickMemorise);
        break;
    case Kind::SpeakCharacter:
        browser_->speakCharacter();
        break;
    case Kind::SpeakWordGroup:
        browser_->speakWordGroup(parsed.wordGroup);
        break;
    case Kind::SpeakSentence:
        browser_->speakSentence();
        break;
    case Kind::PlaySegment:
        guarded([&] {
            services_.audio.free(AudioSlot::Reading);
            services_.audio.playSegment(AudioSlot::Reading, reading, parsed.start, parsed.end);
            flashbg_->stop();
        });
        break;
    case Kind::Ignored:
        break;
    }
}

void MainWindow::onHandwritingTimer() {
    handwritingTimer_.stop();
    const QString& mode = state_.settings.handwritingMode;
    if (mode == u"-1") {
        guarded([this] { services_.companions.showHandwritingSetup(); });
    } else if (mode == u"1") {
        guarded([this] { startHandwritingPad(services_.launcher, services_.programDirectory); });
    }
}

void MainWindow::onToolButtonHovered(const QString& hint) {
    if (toolBar_->voicePromptsItem()->isChecked()) {
        services_.audio.playFile(AudioSlot::Voice, context_.interfaceSound(hint + QStringLiteral(".mp3")));
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
        if (!browser_->currentReading().isEmpty()) {
            services_.audio.playFile(AudioSlot::Voice, characterSoundPath(browser_->currentReading()));
        }
    });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (testPaperHost_ != nullptr && testPaperHost_->isVisible()) {
        testPaperHost_->setGeometry(rect());
    }
}

void MainWindow::relayoutStudy() {
    if (activityPanelsBuilt()) {
        for (DrillPanel* drill : drillPanels_) {
            if (drill->isVisible()) {
                drill->relayout();
            }
        }
        if (dictation_->isVisible()) {
            dictation_->relayout();
        }
        if (quickMemorise_->isVisible()) {
            quickMemorise_->relayout();
        }
        drillControls_->place(studyArea_->rect());
    }
    if (toolBar_->isDown(MainToolBar::Mode::CharacterStudy) && isPanelShowing(Panel::LessonStudy)) {
        browser_->layoutFirstGroup();
        placeStrokeBoxForLayout();
    }
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
