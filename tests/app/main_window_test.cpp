#include "app/lesson_tree.h"
#include "app/main_window.h"
#include "base/random_source.h"
#include "main_window_fixture.h"
#include "study/browser/word_group_browser.h"
#include "study/dictation/dictation_panel.h"
#include "study/lesson_records.h"
#include "support/fake_audio.h"
#include "support/fake_movie_host.h"
#include "support/fake_prompter.h"
#include "support/fake_services.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "writing/pad_link.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace qinghe {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, StartsWithTheTreeAndTheFirstLessonOfTheStartGrade) {
    MainWindow& w = make();
    ASSERT_TRUE(w.initialise());
    EXPECT_TRUE(prompter.prompts.isEmpty());
    EXPECT_EQ(w.windowTitle(), QStringLiteral("青禾书屋"));
    EXPECT_EQ(w.minimumSize(), QSize(600, 450));
    EXPECT_EQ(devices.calls,
              (QStringList{QStringLiteral("openRecordingDevice"), QStringLiteral("openOutput")}));
    EXPECT_TRUE(w.runState().recordingAvailable);

    EXPECT_EQ(w.lessonTree()->topLevelItemCount(), 1);
    EXPECT_EQ(treeCaption({0}), QStringLiteral("青禾测试版"));
    EXPECT_EQ(treeCaption({0, 2}), QStringLiteral("二年级上册"));
    EXPECT_EQ(w.lessonTree()->indentation(), 19);
    EXPECT_EQ(nodePath(w.lessonTree()->currentItem()), (NodePath{0, 0, 0, 0}));
    EXPECT_EQ(w.statusPanel(0)->text(), QStringLiteral("无任何广告，给您一个纯净的学习环境！"));
    EXPECT_EQ(w.statusPanel(2)->text(), QStringLiteral("当前课文：一年级上册→【天地人】"));
    EXPECT_EQ(w.checkedStartGrade(), 1);
    ASSERT_TRUE(w.runState().lesson.has_value());
    EXPECT_EQ(w.runState().lesson->lessonKey, QStringLiteral("lesson101"));
    EXPECT_EQ(w.runState().lists.chars,
              (QStringList{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人")}));
    EXPECT_EQ(w.runState().lists.words, (QStringList{QStringLiteral("天空"), QStringLiteral("土地")}));

    // The activity panels wait until after the first paint; once built, their feedback hosts are
    // unloaded and loaded, the loudspeaker sized 250 x 250.
    EXPECT_FALSE(hosts.contains(QStringLiteral("flash_right1")));
    EXPECT_EQ(w.panel(MainWindow::Panel::Dictation), nullptr);
    w.ensureActivityPanels();
    for (int i = 1; i <= 4; ++i) {
        const QStringList calls = hosts[QStringLiteral("flash_right%1").arg(i)]->calls();
        ASSERT_EQ(calls.size(), 2) << i;
        EXPECT_EQ(calls[0], QStringLiteral("loadMovie(0, )"));
        EXPECT_TRUE(calls[1].startsWith(QStringLiteral("setMovie(")) &&
                    calls[1].endsWith(QStringLiteral("lose.txt)")));
    }
    EXPECT_TRUE(hosts[QStringLiteral("flash_laba")]->moviePath().endsWith(QStringLiteral("laba.swf")));
    EXPECT_EQ(w.dictationPanel()->loudspeaker().widget()->size(), QSize(250, 250));
    EXPECT_TRUE(w.backgroundMovie()->moviePath().endsWith(QStringLiteral("main.dat")));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::LessonStudy));
    EXPECT_TRUE(w.strokeMovie()->widget()->isHidden());
    EXPECT_TRUE(w.handwritingTimer().isActive());
    EXPECT_EQ(w.handwritingTimer().interval(), 1000);
    EXPECT_EQ(w.testMenuTimer().interval(), 300);
    EXPECT_EQ(w.runState().testPaperText.sizes, (std::array<int, 5>{20, 20, 18, 18, 18}));
}

TEST_F(MainWindowTest, StartUpMessages) {
    struct Case {
        const char* name;
        QByteArray settings; // replaces Set.ini; "keep" keeps the fixture's
        bool compatible, outputOpens;
        bool started;
        QList<Prompt> expected;
    };
    const Prompt broken{QStringLiteral("程序错误！"), QStringLiteral("无法载入软件所需资源！"),
                        PromptIcon::Information, PromptButtons::Ok};
    const Prompt version{QString(), QStringLiteral("播放声音的库文件版本不合适!"), PromptIcon::Error,
                         PromptButtons::Ok};
    const Prompt output{QString(), QStringLiteral("如果课文点读时无声，请重新启动电脑后重试一次!"),
                        PromptIcon::Information, PromptButtons::Ok};
    const Case cases[] = {
        {"missing Set.ini", "", true, true, false, {broken}},
        {"page with 23 numbers",
         "[BasicSet]\r\nGBegin=0\r\n[Book]\r\npage=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,"
         "23\r\n",
         true,
         true,
         false,
         {broken}},
        {"libraries too old", "keep", false, true, true, {version}},
        {"no output device", "keep", true, false, true, {output}},
        {"both", "keep", false, false, true, {version, output}},
    };
    for (const Case& c : cases) {
        prompter.prompts.clear();
        devices.compatible = c.compatible;
        devices.outputOpens = c.outputOpens;
        if (QByteArray(c.settings) != "keep") {
            QFile::remove(edition.path(QStringLiteral("Data/systxt/Set.ini")));
            if (!c.settings.isEmpty()) {
                test::writeFile(edition.path(QStringLiteral("Data/systxt/Set.ini")), c.settings);
            }
        } else {
            writeSettings();
        }
        MainWindow& w = make();
        EXPECT_EQ(w.initialise(), c.started) << c.name;
        ASSERT_EQ(prompter.prompts.size(), c.expected.size()) << c.name;
        for (qsizetype i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(prompter.prompts[i].caption, c.expected[i].caption) << c.name;
            EXPECT_EQ(prompter.prompts[i].text, c.expected[i].text) << c.name;
            EXPECT_EQ(prompter.prompts[i].icon, c.expected[i].icon) << c.name;
        }
    }
}

TEST_F(MainWindowTest, SelectionRules) {
    MainWindow& w = make();
    ASSERT_TRUE(w.initialise());
    QTreeWidget* tree = w.lessonTree();

    // A unit or a book changes nothing.
    tree->setCurrentItem(itemAt(tree, {0, 1, 0}));
    EXPECT_EQ(w.statusPanel(2)->text(), QStringLiteral("当前课文：一年级上册→【天地人】"));
    tree->setCurrentItem(itemAt(tree, {0, 2}));
    EXPECT_EQ(w.runState().lesson->lessonTitle, QStringLiteral("天地人"));

    // Another lesson: its values.
    tree->setCurrentItem(itemAt(tree, {0, 1, 0, 1}));
    EXPECT_EQ(w.statusPanel(2)->text(), QStringLiteral("当前课文：一年级下册→【小青蛙】"));
    EXPECT_EQ(w.runState().lesson->bb, QStringLiteral("02"));
    EXPECT_EQ(w.runState().lesson->lessonKey, QStringLiteral("lesson102"));
    EXPECT_EQ(w.runState().lists.chars, QStringList{QStringLiteral("青")});

    // The top node stands for the first lesson.
    tree->setCurrentItem(itemAt(tree, {0}));
    EXPECT_EQ(nodePath(tree->currentItem()), (NodePath{0, 0, 0, 0}));
    EXPECT_EQ(w.statusPanel(2)->text(), QStringLiteral("当前课文：一年级上册→【天地人】"));

    // Lesson mode shows a lesson without characters without a word.
    tree->setCurrentItem(itemAt(tree, {0, 0, 1, 0}));
    EXPECT_TRUE(prompter.prompts.isEmpty());
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::LessonStudy));

    // In a character mode it says so once, and not again while the information panel shows.
    w.toolBar().setMode(MainToolBar::Mode::CharacterStudy);
    tree->setCurrentItem(itemAt(tree, {0, 0, 0, 1}));
    tree->setCurrentItem(itemAt(tree, {0, 0, 1, 0}));
    ASSERT_EQ(prompter.prompts.size(), 1);
    EXPECT_EQ(prompter.prompts[0].caption, QStringLiteral("生字说明！"));
    EXPECT_EQ(prompter.prompts[0].text,
              QStringLiteral("您当前选择的课文，对应的课本中不包含相应的生字内容！\r\r\r"
                             "请选择其它课文进行相关生字的学习与训练！"));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::Info));
    EXPECT_FALSE(w.isPanelShowing(MainWindow::Panel::LessonStudy));
    tree->setCurrentItem(itemAt(tree, {0, 0, 1}));
    tree->setCurrentItem(itemAt(tree, {0, 0, 1, 0}));
    EXPECT_EQ(prompter.prompts.size(), 1);
    // A lesson with characters brings the study mode back; the next empty lesson says so again.
    tree->setCurrentItem(itemAt(tree, {0, 0, 0, 1}));
    EXPECT_TRUE(w.isPanelShowing(MainWindow::Panel::LessonStudy));
    EXPECT_EQ(w.browser()->currentCharacter(), QStringLiteral("木"));
    tree->setCurrentItem(itemAt(tree, {0, 0, 1, 0}));
    EXPECT_EQ(prompter.prompts.size(), 2);
}

TEST_F(MainWindowTest, StartSelectionFollowsTheStartGrade) {
    // The choice itself is tested with the start rules; here, that the window follows it. One-book
    // installations are started in the menu tests.
    changeSettings("default_xinban=1", "default_xinban=2");
    MainWindow& second = make();
    ASSERT_TRUE(second.initialise());
    EXPECT_EQ(nodePath(second.lessonTree()->currentItem()), (NodePath{0, 2, 0, 0}));
    EXPECT_EQ(second.checkedStartGrade(), 2);
}

// Counts the mouse presses that reach it.
class PressProbe final : public QWidget {
public:
    int left = 0;
    int right = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        (event->button() == Qt::RightButton ? right : left)++;
    }
};

TEST_F(MainWindowTest, RightButtonNeverReachesAControl) {
    MainWindow& w = make();
    ASSERT_TRUE(w.initialise());
    PressProbe probe;
    const auto press = [&probe](Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), probe.mapToGlobal(QPointF(5, 5)), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(&probe, &event);
    };
    press(Qt::RightButton);
    press(Qt::LeftButton);
    EXPECT_EQ(probe.right, 0);
    EXPECT_EQ(probe.left, 1);

    // A click on the stroke-order movie replays it and speaks the character's reading.
    w.enterCharacterStudy();
    auto* stroke = hosts[QStringLiteral("FlashPlay_Main")];
    stroke->clearCalls();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(stroke->widget(), &click);
    EXPECT_EQ(stroke->calls(), (QStringList{QStringLiteral("gotoFrame(0)"), QStringLiteral("play()")}));
    EXPECT_EQ(audio.lastPath(AudioSlot::Voice), edition.path(QStringLiteral("Data/RJ/sound/dGnEgW4=.mp3")));
}

TEST_F(MainWindowTest, HandwritingTimerStartsThePadWhenSet) {
    changeSettings("Use_HandWrite=0", "Use_HandWrite=1");
    MainWindow& w = make();
    ASSERT_TRUE(w.initialise());
    EXPECT_TRUE(launcher.started.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !launcher.started.isEmpty(); }, 3000));
    ASSERT_EQ(launcher.started.size(), 1);
    EXPECT_EQ(launcher.started[0], padProgramPath(edition.root()));
    EXPECT_FALSE(w.handwritingTimer().isActive());
}

TEST_F(MainWindowTest, ExitSequence) {
    companions.offer(CompanionWindows::Activity::TestPaper);
    MainWindow& w = make();
    ASSERT_TRUE(w.initialise());
    w.show();
    w.openTestPaper(1, QStringLiteral("一年级上册"), QStringLiteral("第一单元测试"));
    ASSERT_TRUE(companions.paper);
    EXPECT_EQ(companions.calls.last(),
              QStringLiteral("openTestPaper(第一单元测试, book1, 一年级上册第一单元测试)"));
    EXPECT_TRUE(companions.paper->isVisible());
    EXPECT_FALSE(w.statusBar()->isVisible());
    pad.running = true;

    // The window's close box closes the test paper only.
    w.close();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(companions.paper->isVisible());
    EXPECT_FALSE(devices.calls.contains(QStringLiteral("close")));

    // The exit button always ends the program: the pad is told to quit, audio released.
    companions.paper->show();
    w.quitProgram();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(pad.quitsSent, 1);
    EXPECT_EQ(devices.calls.last(), QStringLiteral("close"));
}

} // namespace
} // namespace qinghe
