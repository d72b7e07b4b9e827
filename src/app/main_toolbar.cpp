#include "app/main_toolbar.h"

#include "app/toolbar_icons.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

namespace qinghe {

namespace {

const QStringList kUnitNames{
    QStringLiteral("第一单元"), QStringLiteral("第二单元"), QStringLiteral("第三单元"),
    QStringLiteral("第四单元"), QStringLiteral("第五单元"), QStringLiteral("第六单元"),
    QStringLiteral("第七单元"), QStringLiteral("第八单元"),
};

// The unit numbers each book's key-point sub-menu offers.
QList<int> unitsOfBook(int book) {
    if (book == 10) {
        return {1, 2, 4, 5, 6, 7, 8};
    }
    if (book == 12) {
        return {1, 2, 3, 4, 5};
    }
    return {1, 2, 3, 4, 5, 6, 7, 8};
}

// A group button changes state only when the program says so: a click runs the handler, which
// decides (a cancelled mode change must leave the buttons as they were).
class GroupButton final : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void nextCheckState() override {}
};

void addSeparator(QToolBar* bar) {
    auto* gap = new QWidget(bar);
    gap->setFixedWidth(8);
    bar->addWidget(gap);
}

} // namespace

const QStringList& MainToolBar::bookTitles() {
    static const QStringList titles{
        QStringLiteral("一年级上册"), QStringLiteral("一年级下册"), QStringLiteral("二年级上册"),
        QStringLiteral("二年级下册"), QStringLiteral("三年级上册"), QStringLiteral("三年级下册"),
        QStringLiteral("四年级上册"), QStringLiteral("四年级下册"), QStringLiteral("五年级上册"),
        QStringLiteral("五年级下册"), QStringLiteral("六年级上册"), QStringLiteral("六年级下册"),
    };
    return titles;
}

MainToolBar::MainToolBar(QWidget* window)
    : QObject(window) {
    bar_ = new QToolBar(window);
    bar_->setObjectName(QStringLiteral("TOBzhuanti"));
    bar_->setAccessibleName(QStringLiteral("工具栏"));
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar_->setIconSize(QSize(36, 36));
    bar_->setContextMenuPolicy(Qt::PreventContextMenu);

    lesson_ =
        addButton("TBlesson", QStringLiteral("同步学课文"), QStringLiteral("tbxkw"), int(ToolIcon::Lesson));
    study_ = addButton("tb_zcxx", QStringLiteral(" 字词学习 "), QStringLiteral("zcxx"),
                       int(ToolIcon::CharacterStudy));
    test_ =
        addButton("tbtest", QStringLiteral(" 每课测验 "), QStringLiteral("mkcy"), int(ToolIcon::LessonTest));
    papers_ = addButton("ToolButton5", QStringLiteral("综合测试"), QStringLiteral("zhcs"),
                        int(ToolIcon::TestPapers));
    addSeparator(bar_);
    quick_ = addButton("tb_zcsj", QStringLiteral(" 字词速记 "), QStringLiteral("zcsj"),
                       int(ToolIcon::QuickMemorise));
    drills_ =
        addButton("TB_zclx", QStringLiteral(" 字词练习 "), QStringLiteral("zclx"), int(ToolIcon::Drills));
    dictation_ = addButton("TB_listenAndWrite", QStringLiteral(" 我念你写 "), QStringLiteral("wnnx"),
                           int(ToolIcon::Dictation));
    special_ =
        addButton("tb_zxxx", QStringLiteral("专项学习"), QStringLiteral("zxxx"), int(ToolIcon::SpecialStudy));
    addSeparator(bar_);
    table_ =
        addButton("TB_Szb", QStringLiteral(" 生字表 "), QStringLiteral("szb"), int(ToolIcon::CharacterTable));
    addSeparator(bar_);
    settings_ =
        addButton("ToolButton3", QStringLiteral(" 设 置 "), QStringLiteral("set"), int(ToolIcon::Settings));
    exit_ = addButton("ToolButton1", QStringLiteral(" 退  出 "), QStringLiteral("home"), int(ToolIcon::Exit));
    for (QToolButton* group : {lesson_, study_, test_, quick_, drills_, dictation_, special_}) {
        group->setCheckable(true);
    }

    // 字词练习
    auto* drillMenu = new QMenu(drills_);
    drillMenu->setObjectName(QStringLiteral("popzclx"));
    const auto addDrill = [this, drillMenu](Drill drill, const char* name, const QString& caption) {
        QAction* item = drillMenu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        drillItems_[size_t(drill)] = item;
    };
    addDrill(Drill::SoundToCharacter, "N21", QStringLiteral("听发音认汉字"));
    addDrill(Drill::PinyinToCharacter, "N19", QStringLiteral("看拼音认汉字"));
    addDrill(Drill::SoundToPinyin, "N20", QStringLiteral("听发音认拼音"));
    addDrill(Drill::CharacterToPinyin, "N18", QStringLiteral("看汉字认拼音"));
    drills_->setMenu(drillMenu);
    drills_->setPopupMode(QToolButton::InstantPopup);

    // 专项学习 (the per-book key-point sub-menus follow the separator: ensureBookMenus)
    specialMenu_ = new QMenu(special_);
    specialMenu_->setObjectName(QStringLiteral("pmzhuanxiang"));
    pinyinLessons_ = specialMenu_->addAction(QStringLiteral("汉语拼音的动画学习"));
    pinyinLessons_->setObjectName(QStringLiteral("MenuItem34"));
    synonyms_ = specialMenu_->addAction(QStringLiteral("近义词、反义词学习"));
    synonyms_->setObjectName(QStringLiteral("N23"));
    specialMenu_->addSeparator();
    special_->setMenu(specialMenu_);
    special_->setPopupMode(QToolButton::InstantPopup);
    connect(specialMenu_, &QMenu::aboutToShow, this, &MainToolBar::ensureBookMenus);

    // 设置
    auto* settingsMenu = new QMenu(settings_);
    settingsMenu->setObjectName(QStringLiteral("popset"));
    gradeMenu_ = settingsMenu->addMenu(QStringLiteral("软件启动时默认年级"));
    gradeMenu_->setObjectName(QStringLiteral("mnu_default_xinban"));
    auto* grades = new QActionGroup(gradeMenu_);
    for (int grade = 1; grade <= 6; ++grade) {
        QAction* item = gradeMenu_->addAction(QStringLiteral("%1年级").arg(grade));
        item->setObjectName(QStringLiteral("mnu_default_xinban%1").arg(grade));
        item->setCheckable(true);
        item->setChecked(grade == 1);
        item->setActionGroup(grades);
        gradeItems_[size_t(grade - 1)] = item;
    }
    grades->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    settingsMenu->addSeparator();
    QMenu* pad = settingsMenu->addMenu(QStringLiteral("手写板"));
    openPad_ = pad->addAction(QStringLiteral("打开手写板"));
    openPad_->setObjectName(QStringLiteral("N16"));
    padSetup_ = pad->addAction(QStringLiteral("手写板启动设置"));
    padSetup_->setObjectName(QStringLiteral("N17"));
    QMenu* fonts = settingsMenu->addMenu(QStringLiteral("字体大小（测验）"));
    const QStringList fontCaptions{QStringLiteral("大　字"), QStringLiteral("较大字"),
                                   QStringLiteral("中字（默认）"), QStringLiteral("较小字"),
                                   QStringLiteral("小　字")};
    for (int i = 0; i < 5; ++i) {
        QAction* item = fonts->addAction(fontCaptions[i]);
        item->setObjectName(QStringLiteral("N12_%1").arg(i));
        item->setCheckable(true);
        item->setChecked(i == 2);
        item->setProperty("fontSize", kFontSizes[size_t(i)]);
        fontItems_[size_t(i)] = item;
    }
    fonts->setDefaultAction(fontItems_[2]);
    settingsMenu->addSeparator();
    voicePrompts_ = settingsMenu->addAction(QStringLiteral("语音提示"));
    voicePrompts_->setObjectName(QStringLiteral("N1"));
    voicePrompts_->setCheckable(true);
    voicePrompts_->setVisible(false);
    settings_->setMenu(settingsMenu);
    settings_->setPopupMode(QToolButton::InstantPopup);

    // 综合测试 (its per-book sub-menus: ensureBookMenus)
    testPapers_ = new QMenu(papers_);
    testPapers_->setObjectName(QStringLiteral("pop_ceshi"));
    papers_->setMenu(testPapers_);
    papers_->setPopupMode(QToolButton::InstantPopup);
    connect(testPapers_, &QMenu::aboutToShow, this, &MainToolBar::ensureBookMenus);
}

void MainToolBar::ensureBookMenus() {
    if (bookMenusMade_) {
        return;
    }
    bookMenusMade_ = true;
    for (int book = 1; book <= 12; ++book) {
        QMenu* units = specialMenu_->addMenu(bookTitles()[book - 1] + QStringLiteral("单元知识点归纳"));
        units->setObjectName(QStringLiteral("mnu_dyzs%1").arg(book));
        units->menuAction()->setProperty("book", book);
        for (const int unit : unitsOfBook(book)) {
            QAction* item = units->addAction(kUnitNames[unit - 1]);
            item->setProperty("book", book);
            item->setProperty("unit", unit);
            connect(item, &QAction::triggered, this, [this, item] {
                Q_EMIT unitCardChosen(item->property("book").toInt(), item->property("unit").toInt(),
                                      item->text());
            });
        }
        unitMenus_[size_t(book - 1)] = units;
    }
    for (int book = 1; book <= 12; ++book) {
        QMenu* papers = testPapers_->addMenu(bookTitles()[book - 1]);
        papers->menuAction()->setProperty("book", book);
        paperBooks_[size_t(book - 1)] = papers;
    }
    if (oneBook_) {
        showOnlyBook(onlyBook_);
    }
}

void MainToolBar::showOnlyBook(std::optional<int> book) {
    oneBook_ = true;
    onlyBook_ = book;
    if (!bookMenusMade_) {
        return;
    }
    for (int each = 1; each <= 12; ++each) {
        unitMenus_[size_t(each - 1)]->menuAction()->setVisible(book == each);
    }
    if (book) {
        for (QAction* item : unitMenus_[0]->actions()) {
            item->setProperty("book", *book);
        }
    }
}

QMenu* MainToolBar::unitCardMenu(int book) {
    ensureBookMenus();
    return unitMenus_[size_t(book - 1)];
}

QMenu* MainToolBar::testPaperMenu() {
    ensureBookMenus();
    return testPapers_;
}

QMenu* MainToolBar::testPaperBookMenu(int book) {
    ensureBookMenus();
    return paperBooks_[size_t(book - 1)];
}

QToolButton* MainToolBar::addButton(const char* name, const QString& caption, const QString& hint, int icon) {
    auto* button = new GroupButton(bar_);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setProperty("hint", hint);
    button->setAccessibleName(caption.trimmed());
    button->setIcon(toolbarIcon(ToolIcon(icon)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(93, 63);
    button->setAutoRaise(true);
    button->installEventFilter(this);
    bar_->addWidget(button);
    return button;
}

QList<QToolButton*> MainToolBar::buttons() const {
    return {lesson_, study_, test_, papers_, quick_, drills_, dictation_, special_, table_, settings_, exit_};
}

QToolButton* MainToolBar::modeButton(Mode mode) const {
    switch (mode) {
    case Mode::Lesson:
        return lesson_;
    case Mode::CharacterStudy:
        return study_;
    case Mode::LessonTest:
        return test_;
    case Mode::QuickMemorise:
        return quick_;
    case Mode::Drills:
        return drills_;
    case Mode::Dictation:
        return dictation_;
    case Mode::SpecialStudy:
        return special_;
    }
    return lesson_;
}

void MainToolBar::setMode(Mode mode) {
    releaseAll();
    modeButton(mode)->setChecked(true);
}

void MainToolBar::releaseAll() {
    for (const Mode mode : {Mode::Lesson, Mode::CharacterStudy, Mode::LessonTest, Mode::QuickMemorise,
                            Mode::Drills, Mode::Dictation, Mode::SpecialStudy}) {
        modeButton(mode)->setChecked(false);
    }
}

bool MainToolBar::isDown(Mode mode) const {
    return modeButton(mode)->isChecked();
}

bool MainToolBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        Q_EMIT buttonHovered(watched->property("hint").toString());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qinghe
