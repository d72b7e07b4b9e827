#include "base/ini_file.h"
#include "main_window_fixture.h"
#include "study/browser/stroke_box.h"
#include "study/browser/word_group_browser.h"
#include "study/drills/drill_panel.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace qinghe {
namespace {

using test::MainWindowTest;
using Activity = CompanionWindows::Activity;

class MainWindowModes : public MainWindowTest {
protected:
    MainWindow& started() {
        MainWindow& w = make();
        EXPECT_TRUE(w.initialise());
        return w;
    }
    // Starts a per-lesson test: its window shows with its hand-in button.
    void startTest(MainWindow& w) {
        w.show();
        w.startLessonTest();
        ASSERT_TRUE(companions.lessonTest);
        ASSERT_TRUE(w.lessonTestInProgress());
    }
};

TEST_F(MainWindowModes, LeavingARunningTestAsks) {
    companions.offer(Activity::LessonTest);
    MainWindow& w = started();
    startTest(w);
    EXPECT_EQ(companions.calls.last(),
              QStringLiteral("openLessonTest(c1s1, book1, LessonTest1, 【天地人】测验)"));
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::LessonTest));

    // Cancel: the test stays, its button stays down.
    prompter.answers = {PromptAnswer::Cancel};
    w.enterDictation();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("确定要取消当前课文的测试吗？"));
    EXPECT_EQ(prompter.prompts[0].text,
              QStringLiteral("当前正在进行每课测验，您确定要离开测试页面，进入[ 我念你写 ]？\r\r"
                             "点击确定，进入[ 我念你写 ]，点击取消，会停留在当前测试的页面中。"));
    EXPECT_EQ(prompter.prompts[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompter.prompts[0].buttons, PromptButtons::OkCancel);
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::LessonTest));
    EXPECT_FALSE(w.toolBar().isDown(MainToolBar::Mode::Dictation));
    EXPECT_TRUE(companions.lessonTest->isVisible());

    // The lesson and character study modes have texts of their own.
    prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Cancel};
    w.enterLessonMode();
    w.enterCharacterStudy();
    EXPECT_EQ(prompter.prompts[1].caption, QStringLiteral("确定要进入同步学课文吗？"));
    EXPECT_EQ(prompter.prompts[2].caption, QStringLiteral("确定要进入字词学习吗？"));
    EXPECT_EQ(prompter.prompts[2].text,
              QStringLiteral("当前正在进行每课测验，您确定要离开测试页面，进入字词学习吗？\r\r"
                             "点击确定，进入字词学习，点击取消，会停留在当前测试的页面中。"));

    // A new test while one runs asks first.
    prompter.answers = {PromptAnswer::Cancel};
    const QPointer<QWidget> first = companions.lessonTest;
    w.startLessonTest();
    EXPECT_EQ(prompter.prompts.last().caption, QStringLiteral("确定要开始新的测试吗？"));
    EXPECT_EQ(companions.lessonTest, first);

    // OK enters dictation; the test window is hidden.
    prompter.answers = {PromptAnswer::Ok};
    w.enterDictation();
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::Dictation));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::Dictation));
    EXPECT_FALSE(companions.lessonTest->isVisible());

    // A handed-in test (hand-in button hidden) asks nothing.
    startTest(w);
    companions.lessonTest->findChild<QWidget*>(QStringLiteral("btnkey"))->hide();
    const qsizetype asked = prompter.prompts.size();
    w.enterQuickMemorise();
    EXPECT_EQ(prompter.prompts.size(), asked);
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::QuickMemorise));
}

TEST_F(MainWindowModes, ModesNeedALesson) {
    MainWindow& w = started();
    QTreeWidget* tree = w.lessonTree();
    struct Case {
        NodePath node;
        void (MainWindow::*action)();
        QString caption, text;
    };
    const QString notLesson = QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。");
    const Case cases[] = {
        {{0, 0},
         &MainWindow::enterCharacterStudy,
         QStringLiteral("字词学习说明！"),
         QStringLiteral("您选择的不是具体的课文！\r请通过左侧目录，选择用于学习的具体课程！")},
        {{0, 0, 1}, &MainWindow::enterQuickMemorise, QStringLiteral("字词速记说明！"), notLesson},
        {{0, 0}, &MainWindow::enterDictation, QStringLiteral("学习说明！"), notLesson},
    };
    for (const Case& c : cases) {
        prompter.prompts.clear();
        tree->setCurrentItem(itemAt(tree, c.node));
        (w.*c.action)();
        ASSERT_EQ(prompter.prompts.size(), 1) << c.caption.toStdString();
        EXPECT_EQ(prompter.prompts[0].caption, c.caption);
        EXPECT_EQ(prompter.prompts[0].text, c.text);
        EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::Lesson)) << c.caption.toStdString();
    }
    // The top node cannot stay selected (it stands for the first lesson), so character study on it is
    // reached only before any selection: nothing selected counts as "not a lesson".
}

TEST_F(MainWindowModes, CharacterStudyPlacesTheStrokeBoxAndReentersOnANewLesson) {
    MainWindow& w = started();
    w.resize(1300, 760);
    w.show();
    w.enterCharacterStudy();
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::CharacterStudy));
    EXPECT_FALSE(w.toolBar().isDown(MainToolBar::Mode::Lesson));
    EXPECT_EQ(w.browser()->currentCharacter(), QStringLiteral("天"));
    const QWidget* card = w.backgroundMovie()->widget();
    const int W = card->width();
    const int H = card->height();
    ASSERT_GT(W, 0);
    // Placed by the entry rule, whose arithmetic the stroke box tests pin down.
    EXPECT_EQ(w.strokeMovie()->widget()->geometry(),
              strokeBox(W, H, kStrokeBoxOnLayout).translated(card->pos()));

    w.lessonTree()->setCurrentItem(itemAt(w.lessonTree(), {0, 1, 0, 0}));
    EXPECT_EQ(w.browser()->currentCharacter(), QStringLiteral("春"));
    EXPECT_TRUE(audio.lastPath(AudioSlot::Voice).endsWith(QStringLiteral(".mp3")));
}

TEST_F(MainWindowModes, LessonMovieCommands) {
    companions.offer(Activity::LessonCard);
    MainWindow& w = started();
    auto* movie = hosts[QStringLiteral("flashbg")];
    const QString reading = edition.path(QStringLiteral("Data/RJ/lessonread/010101.mp3"));

    movie->clearCalls();
    movie->sendCommand(QStringLiteral("read_lx"), QStringLiteral("true"));
    EXPECT_EQ(audio.lastPath(AudioSlot::Reading), reading);
    EXPECT_EQ(movie->calls(), (QStringList{QStringLiteral("gotoFrame(1)"), QStringLiteral("play()")}));

    movie->clearCalls();
    audio.clearCalls();
    movie->sendCommand(QStringLiteral("lesson_play"), QStringLiteral("1000,0"));
    ASSERT_EQ(audio.calls().size(), 2u);
    EXPECT_EQ(audio.calls()[0].op, QStringLiteral("free"));
    EXPECT_EQ(audio.calls()[1].op, QStringLiteral("playSegment"));
    EXPECT_EQ(audio.calls()[1].slot, AudioSlot::Reading);
    EXPECT_EQ(audio.calls()[1].start, 1000);
    EXPECT_EQ(audio.calls()[1].end, 0);
    EXPECT_EQ(movie->calls(), QStringList{QStringLiteral("stop()")});

    audio.clearCalls();
    movie->clearCalls();
    for (const auto& [command, arguments] :
         {std::pair{QStringLiteral("lesson_play"), QStringLiteral("x,1")},
          std::pair{QStringLiteral("lesson_play"), QStringLiteral("500,100")},
          std::pair{QStringLiteral("nonsense"), QString()}}) {
        movie->sendCommand(command, arguments);
    }
    EXPECT_TRUE(audio.calls().empty());
    EXPECT_TRUE(movie->calls().isEmpty());

    movie->sendCommand(QStringLiteral("read_lx"), QStringLiteral("false"));
    EXPECT_EQ(audio.ops(), (QStringList{QStringLiteral("stop"), QStringLiteral("stop")}));
    EXPECT_EQ(movie->calls(), QStringList{QStringLiteral("stop()")});

    movie->sendCommand(QStringLiteral("btnbkyd"));
    EXPECT_EQ(companions.calls.last(), QStringLiteral("showLessonCard"));
    movie->sendCommand(QStringLiteral("btnzcsj"));
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::QuickMemorise));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::QuickMemorise));

    // Book 9 and later: the reading plays but the movie keeps its frame.
    RunState& state = w.runState();
    state.lesson->bb = QStringLiteral("09");
    movie->clearCalls();
    movie->sendCommand(QStringLiteral("read_lx"), QStringLiteral("true"));
    EXPECT_TRUE(movie->calls().isEmpty());
    movie->sendCommand(QStringLiteral("lesson_page"));
    EXPECT_TRUE(movie->calls().isEmpty());
}

TEST_F(MainWindowModes, FontSizeStartGradeAndVoicePrompts) {
    companions.offer(Activity::LessonTest);
    MainWindow& w = started();
    w.chooseTestFontSize(0);
    EXPECT_EQ(w.runState().testPaperText.sizes, (std::array<int, 5>{32, 32, 31, 31, 31}));
    EXPECT_TRUE(prompter.prompts.isEmpty());
    EXPECT_TRUE(w.toolBar().fontSizeItem(0)->isChecked());
    EXPECT_FALSE(w.toolBar().fontSizeItem(2)->isChecked());

    startTest(w);
    prompter.answers = {PromptAnswer::Ok};
    const QPointer<QWidget> first = companions.lessonTest;
    w.chooseTestFontSize(4);
    ASSERT_EQ(prompter.prompts.size(), 2); // the font question, then the new-test question
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("是否立即应用所选的试卷字体？"));
    EXPECT_EQ(w.runState().testPaperText.sizes, (std::array<int, 5>{16, 16, 15, 15, 15}));

    w.chooseStartGrade(4);
    EXPECT_EQ(IniDocument::load(edition.path(QStringLiteral("Data/systxt/Set.ini")))
                  .string(u"BasicSet", u"default_xinban", {}),
              QStringLiteral("4"));
    EXPECT_EQ(w.checkedStartGrade(), 4);

    audio.clearCalls();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.toolBar().dictationButton(), &enter);
    EXPECT_TRUE(audio.calls().empty());
    w.toolBar().voicePromptsItem()->setChecked(true);
    QApplication::sendEvent(w.toolBar().dictationButton(), &enter);
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), edition.path(QStringLiteral("Data/sndsoft/wnnx.mp3")));
}

TEST_F(MainWindowModes, TestPaperAndUnitMenusByBookMode) {
    for (const char* paper :
         {"book1/第一单元测试.xml", "book1/期末测试.xml", "book2/期中测试.xml", "book5/第五单元.xml"}) {
        test::writeFile(edition.path(QStringLiteral("Data/RJ/ceshi/") + QString::fromUtf8(paper)), "<x/>");
    }
    companions.offer(CompanionWindows::Activity::UnitCard);
    MainWindow& w = started();
    w.buildTestPaperMenu();
    QStringList first;
    for (QAction* item : w.toolBar().testPaperBookMenu(1)->actions()) {
        first << item->text();
    }
    EXPECT_EQ(first, (QStringList{QStringLiteral("期末测试"), QStringLiteral("第一单元测试")}));
    EXPECT_EQ(w.toolBar().testPaperBookMenu(2)->actions().size(), 1);
    EXPECT_FALSE(w.toolBar().testPaperBookMenu(2)->actions()[0]->icon().isNull());
    w.toolBar().unitCardMenu(3)->actions()[1]->trigger();
    EXPECT_EQ(companions.calls.last(), QStringLiteral("showUnitCard(3, 2, 　　　第二单元基础知识点归纳)"));

    // One-book installation: the book's first unit is selected, no lesson yet; the papers stand in the
    // menu itself, and the first book menu of unit items stands for the installed book.
    changeSettings("GBegin=0", "GBegin=5");
    MainWindow& single = started();
    EXPECT_EQ(nodePath(single.lessonTree()->currentItem()), (NodePath{0, 0, 0}));
    EXPECT_FALSE(single.runState().lesson.has_value());
    EXPECT_EQ(single.statusPanel(2)->text(), QStringLiteral("请选择相应的课文，进行每课内容的学习或练习！"));
    single.buildTestPaperMenu();
    const QList<QAction*> items = single.toolBar().testPaperMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), QStringLiteral("第五单元"));
    EXPECT_TRUE(items[0]->icon().isNull());
    EXPECT_FALSE(single.toolBar().startGradeMenu()->menuAction()->isVisible());
    EXPECT_TRUE(single.toolBar().unitCardMenu(5)->menuAction()->isVisible());
    EXPECT_FALSE(single.toolBar().unitCardMenu(1)->menuAction()->isVisible());
    single.toolBar().unitCardMenu(1)->actions()[0]->trigger();
    EXPECT_EQ(companions.calls.last(), QStringLiteral("showUnitCard(5, 1, 　　　第一单元基础知识点归纳)"));
}

TEST_F(MainWindowModes, ActivitiesThisBuildLacksChangeNothing) {
    MainWindow& w = started();
    w.openSynonyms();
    w.startLessonTest();
    w.openPinyinLessons();
    w.openTestPaper(1, QStringLiteral("一年级上册"), QStringLiteral("x"));
    EXPECT_TRUE(w.toolBar().isDown(MainToolBar::Mode::Lesson));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::LessonStudy));
    EXPECT_TRUE(prompter.prompts.isEmpty());
    EXPECT_EQ(companions.calls, QStringList{QStringLiteral("openPinyinLessons")});

    // The pad menu: a missing pad says so.
    launcher.succeeds = false;
    w.openHandwritingPad();
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("手写板启动失败！"));
    EXPECT_EQ(prompter.prompts[0].text,
              QStringLiteral("没有找到软件中的手写板！\r\r可能是软件安装不完整或手写板被删除的原因"));
}

} // namespace
} // namespace qinghe
