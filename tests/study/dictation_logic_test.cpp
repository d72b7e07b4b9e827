#include "study/dictation/dictation_entry.h"
#include "study/dictation/dictation_layout.h"
#include "study/dictation/dictation_pace.h"
#include "study/dictation/dictation_session.h"
#include "support/qt_printers.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

const QString kTitle = QStringLiteral("一年级上册→【天地人】");

LessonLists lessonLists() {
    LessonLists lists;
    lists.chars = {QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人")};
    lists.pinyins = {QStringLiteral("tiān"), QStringLiteral("dì"), QStringLiteral("rén")};
    lists.mustChars = {QStringLiteral("天"), QStringLiteral("地")};
    lists.mustPinyins = {QStringLiteral("tiān"), QStringLiteral("dì")};
    lists.words = {QStringLiteral("天空"), QStringLiteral("土地")};
    return lists;
}

TEST(DictationSession, StepsReadEveryEntryThenFinishOnTheNextStep) {
    DictationSession session;
    session.start(DictationKind::AllCharacters, lessonLists(), kTitle);
    struct Expected {
        std::optional<QString> recording;
        int repeatIndex;
        std::optional<int> progress;
        QString status;
        bool finished;
        int positionAfter;
    };
    const Expected steps[] = {
        {QStringLiteral("tiān"), 0, 33,
         QStringLiteral("已经听写【1】词，共【3】词_______当前课程：") + kTitle, false, 1},
        {QStringLiteral("dì"), 1, 66, QStringLiteral("已经听写【2】词，共【3】词_______当前课程：") + kTitle,
         false, 2},
        {QStringLiteral("rén"), 2, 100,
         QStringLiteral("已经听写【3】词，共【3】词_______当前课程：") + kTitle, false, 3},
        // The step after the last entry reads nothing, leaves the bar and the status alone, finishes.
        {std::nullopt, 3, std::nullopt, QString(), true, 0},
    };
    int i = 0;
    for (const Expected& e : steps) {
        const DictationStep step = session.step();
        EXPECT_EQ(step.recording, e.recording) << i;
        EXPECT_EQ(step.repeatIndex, e.repeatIndex) << i;
        EXPECT_EQ(step.progress, e.progress) << i;
        EXPECT_EQ(step.status, e.status) << i;
        EXPECT_EQ(step.finished, e.finished) << i;
        EXPECT_EQ(session.position(), e.positionAfter) << i;
        ++i;
    }
    // Finished: the position is back at the start, so the next step begins again with the first.
    EXPECT_EQ(session.step().recording, QStringLiteral("tiān"));
}

TEST(DictationSession, ReadAgainRefersToTheEntryLastRead) {
    DictationSession session;
    EXPECT_EQ(session.lastRead(), std::nullopt);
    session.start(DictationKind::Words, lessonLists(), kTitle);
    EXPECT_EQ(session.lastRead(), std::nullopt); // nothing read yet
    session.step();
    EXPECT_EQ(session.lastRead(), QStringLiteral("天空"));
    session.step();
    EXPECT_EQ(session.lastRead(), QStringLiteral("土地"));
    EXPECT_TRUE(session.step().finished);
    EXPECT_EQ(session.lastRead(), std::nullopt); // the entry before position 0
    EXPECT_EQ(session.recordingAt(-1), std::nullopt);
    EXPECT_EQ(session.recordingAt(2), std::nullopt);
    EXPECT_EQ(session.recordingAt(1), QStringLiteral("土地"));
}

TEST(DictationSession, FiftyCharactersAreAllReadButTheListShowsFortyTwo) {
    LessonLists lists;
    for (int i = 0; i < 50; ++i) {
        lists.chars << QString(QChar(0x4e00 + i));
        lists.pinyins << QStringLiteral("p%1").arg(i);
    }
    DictationSession session;
    session.start(DictationKind::AllCharacters, lists, kTitle);
    QStringList read;
    std::vector<int> progress;
    DictationStep step;
    int steps = 0;
    do {
        step = session.step();
        ++steps;
        if (step.recording) {
            read << *step.recording;
        }
        if (step.progress) {
            progress.push_back(*step.progress);
        }
        if (steps == 50) {
            EXPECT_EQ(step.status, QStringLiteral("已经听写【50】词，共【50】词_______当前课程：") + kTitle);
        }
    } while (!step.finished && steps < 100);
    EXPECT_EQ(steps, 51);
    EXPECT_EQ(read, lists.pinyins);
    ASSERT_EQ(progress.size(), 50u);
    EXPECT_EQ(progress[0], 2);   // 1 * 100 / 50
    EXPECT_EQ(progress[24], 50); // 25 * 100 / 50
    EXPECT_EQ(progress[49], 100);

    const AnswerGridShape shape = answerGridShape(DictationKind::AllCharacters);
    const QStringList cells = answerCells(session.lists().shown, shape);
    ASSERT_EQ(cells.size(), 42);
    EXPECT_EQ(cells, lists.chars.mid(0, 42));
}

TEST(DictationSession, ProgressUsesIntegerDivision) {
    LessonLists lists;
    lists.words = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
                   QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七")};
    DictationSession session;
    session.start(DictationKind::Words, lists, kTitle);
    std::vector<int> progress;
    for (int i = 0; i < 7; ++i) {
        progress.push_back(session.step().progress.value_or(-1));
    }
    EXPECT_EQ(progress, (std::vector<int>{14, 28, 42, 57, 71, 85, 100}));
}

TEST(DictationSession, FinishedMessages) {
    const QString caption = QStringLiteral("听写练习说明！");
    EXPECT_EQ(dictationFinishedPrompt(DictationKind::AllCharacters).caption, caption);
    EXPECT_EQ(dictationFinishedPrompt(DictationKind::AllCharacters).text,
              QStringLiteral(
                  "小朋友，本课程中的字词已经听写完成！\r\r点击确定按钮，核对一下你听写的字词是否正确？"));
    EXPECT_EQ(dictationFinishedPrompt(DictationKind::MustMaster).caption, caption);
    EXPECT_EQ(dictationFinishedPrompt(DictationKind::MustMaster).text,
              QStringLiteral("小朋友，本课程中要求【必需掌握】的字词已经听写完成！\r\r"
                             "点击确定按钮，核对一下你听写的字词是否正确？"));
    EXPECT_EQ(dictationFinishedPrompt(DictationKind::Words).caption, caption);
    EXPECT_EQ(
        dictationFinishedPrompt(DictationKind::Words).text,
        QStringLiteral(
            "小朋友，本课生字扩展的词语已经听写完成！\r\r点击确定按钮，核对一下你听写的词语是否正确？"));
}

TEST(DictationEntry, ChecksInOrder) {
    const QString notLesson = QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。");
    const QString pinyin =
        QStringLiteral("汉语拼音，不包括在本练习中，请选择“同步学课文”进入汉语拼音的学习！\r"
                       "也可以选择课文（非汉语拼音）进行练习");
    const QString noTitle = QStringLiteral("请通过左侧目录，先选择用于学习的具体课程！");
    const QString tooFew =
        QStringLiteral("本课程中用于听写练习的字词数量少于2个！\r请选择其它课文进行相关字词的练习！");
    struct Case {
        const char* name;
        SelectedNode selected;
        QString unitTitle;
        QString displayTitle;
        int characters;
        QString caption; // empty: no message
        QString text;
    };
    const Case cases[] = {
        {"top node", SelectedNode::Top, QStringLiteral("识字(一)"), kTitle, 3, QStringLiteral("学习说明！"),
         notLesson},
        {"unit node", SelectedNode::BookOrUnit, QStringLiteral("识字(一)"), kTitle, 3,
         QStringLiteral("学习说明！"), notLesson},
        {"nothing", SelectedNode::None, QString(), kTitle, 3, QStringLiteral("学习说明！"), notLesson},
        {"pinyin unit", SelectedNode::Lesson, QStringLiteral("汉语拼音"), kTitle, 3,
         QStringLiteral("练习说明！"), pinyin},
        {"numbered pinyin unit is a unit like others", SelectedNode::Lesson, QStringLiteral("汉语拼音(一)"),
         kTitle, 3, QString(), QString()},
        {"four-character title", SelectedNode::Lesson, QStringLiteral("识字(一)"), QStringLiteral("一二→【"),
         3, QStringLiteral("学习说明！"), noTitle},
        {"five-character title", SelectedNode::Lesson, QStringLiteral("识字(一)"),
         QStringLiteral("一→【二】"), 3, QString(), QString()},
        {"one character", SelectedNode::Lesson, QStringLiteral("识字(一)"), kTitle, 1,
         QStringLiteral("生字练习说明！"), tooFew},
        {"two characters", SelectedNode::Lesson, QStringLiteral("识字(一)"), kTitle, 2, QString(), QString()},
    };
    for (const Case& c : cases) {
        RunState state;
        CurrentLesson lesson;
        lesson.unitTitle = c.unitTitle;
        lesson.displayTitle = c.displayTitle;
        state.lesson = lesson;
        for (int i = 0; i < c.characters; ++i) {
            state.lists.chars << QStringLiteral("字");
        }
        std::optional<Prompt> problem = dictationSelectionProblem(c.selected, state);
        if (!problem) {
            problem = dictationLessonProblem(state);
        }
        if (c.caption.isEmpty()) {
            EXPECT_FALSE(problem.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << c.name;
        EXPECT_EQ(problem->caption, c.caption) << c.name;
        EXPECT_EQ(problem->text, c.text) << c.name;
        EXPECT_EQ(problem->icon, PromptIcon::Information) << c.name;
    }
    // No lesson at all counts as a title too short.
    EXPECT_EQ(dictationLessonProblem(RunState{})->text, noTitle);
}

TEST(DictationEntry, KindsNeedTheirLists) {
    LessonLists lists = lessonLists();
    EXPECT_FALSE(dictationKindProblem(DictationKind::AllCharacters, lists));
    EXPECT_FALSE(dictationKindProblem(DictationKind::MustMaster, lists));
    EXPECT_FALSE(dictationKindProblem(DictationKind::Words, lists));
    lists.mustChars.clear();
    lists.words.clear();
    const std::optional<Prompt> must = dictationKindProblem(DictationKind::MustMaster, lists);
    ASSERT_TRUE(must);
    EXPECT_EQ(must->caption, QStringLiteral("生字练习说明！"));
    EXPECT_EQ(must->text,
              QStringLiteral("本课没有“必需掌握”的生字！\r可以进行“全部生字”的默写试一下你的水平吧！"));
    const std::optional<Prompt> words = dictationKindProblem(DictationKind::Words, lists);
    ASSERT_TRUE(words);
    EXPECT_EQ(words->caption, QStringLiteral("生字练习说明！"));
    EXPECT_EQ(words->text,
              QStringLiteral("本课没有要听写的词语！\r\r可以进行“全部生字”的默写试一下你的水平吧！"));
    lists.chars.clear();
    EXPECT_FALSE(dictationKindProblem(DictationKind::AllCharacters, lists)); // checked on entry instead
}

TEST(DictationPace, TimerRunsWithoutTickingWhileTheIntervalIsZero) {
    PaceTimer timer(8000);
    QSignalSpy ticks(&timer, &PaceTimer::timeout);
    EXPECT_FALSE(timer.isRunning());
    timer.start();
    EXPECT_TRUE(timer.isRunning());
    EXPECT_TRUE(timer.isTicking());
    timer.setInterval(0); // "手动" chosen while running
    EXPECT_TRUE(timer.isRunning());
    EXPECT_FALSE(timer.isTicking());
    QTest::qWait(30);
    EXPECT_EQ(ticks.count(), 0);
    timer.setInterval(10); // a pace chosen again: ticks resume
    EXPECT_TRUE(timer.isTicking());
    EXPECT_TRUE(ticks.wait(1000));
    timer.stop();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_FALSE(timer.isTicking());
    timer.setInterval(6000); // a stopped timer stays stopped
    EXPECT_FALSE(timer.isTicking());
}

TEST(DictationLayout, AnswerGridShapes) {
    struct Case {
        DictationKind kind;
        int columns, columnWidth, fontSize, gridWidth, capacity;
    };
    const Case cases[] = {
        {DictationKind::AllCharacters, 6, 80, 45, 489, 42},
        {DictationKind::MustMaster, 6, 80, 45, 489, 42},
        {DictationKind::Words, 5, 150, 26, 760, 35},
    };
    for (const Case& c : cases) {
        const AnswerGridShape shape = answerGridShape(c.kind);
        EXPECT_EQ(shape.rows, 7);
        EXPECT_EQ(shape.columns, c.columns);
        EXPECT_EQ(shape.columnWidth, c.columnWidth);
        EXPECT_EQ(shape.fontSize, c.fontSize);
        EXPECT_EQ(shape.gridWidth, c.gridWidth);
        EXPECT_EQ(shape.capacity(), c.capacity);
    }
    const AnswerGridShape words = answerGridShape(DictationKind::Words);
    EXPECT_EQ(answerIndex(0, 0, words), 0);
    EXPECT_EQ(answerIndex(1, 2, words), 7);
    EXPECT_EQ(answerIndex(6, 4, words), 34);
    EXPECT_EQ(answerIndex(1, 2, answerGridShape(DictationKind::AllCharacters)), 8);

    QStringList fewWords = {QStringLiteral("天空"), QStringLiteral("土地")};
    const QStringList cells = answerCells(fewWords, words);
    ASSERT_EQ(cells.size(), 35);
    EXPECT_EQ(cells[0], QStringLiteral("天空"));
    EXPECT_EQ(cells[1], QStringLiteral("土地"));
    EXPECT_EQ(cells.mid(2), QStringList(33, QString()));

    EXPECT_EQ(centredGridOrigin(QSize(1000, 700), QSize(489, 569)), QPoint(255, 65));
    EXPECT_EQ(centredGridOrigin(QSize(600, 500), QSize(760, 569)), QPoint(-80, -34));
}

TEST(DictationLayout, StartPanel) {
    const StartPanelLayout layout =
        layoutStartPanel(QSize(1100, 640), QSize(800, 64), QSize(460, 56), QSize(110, 32), QSize(80, 24));
    // First button centred, its top half the height less half its own plus 40; then 40 between buttons.
    EXPECT_EQ(layout.buttons[0], QRect(320, 332, 460, 56));
    EXPECT_EQ(layout.buttons[1], QRect(320, 428, 460, 56));
    EXPECT_EQ(layout.buttons[2], QRect(320, 524, 460, 56));
    // Pace chooser 5 from the right; its label to its left, reaching 3 pixels under it.
    EXPECT_EQ(layout.paceBox, QRect(985, 5, 110, 32));
    EXPECT_EQ(layout.paceLabel, QRect(908, 9, 80, 24));
    EXPECT_EQ(layout.invitation, QRect(150, 228, 800, 64));

    // A low panel keeps the invitation below the pace chooser.
    const StartPanelLayout low =
        layoutStartPanel(QSize(600, 200), QSize(500, 64), QSize(460, 56), QSize(110, 32), QSize(80, 24));
    EXPECT_EQ(low.buttons[0].top(), 112);
    EXPECT_EQ(low.invitation.top(), 42);
}

TEST(DictationLayout, RunningPanel) {
    const RunningPanelLayout layout = layoutRunningPanel(QSize(1100, 640), QSize(250, 250), 36, 24);
    EXPECT_EQ(layout.panel, QRect(0, 0, 1100, 640));
    EXPECT_EQ(layout.progress, QRect(24, 592, 1052, 24));
    EXPECT_EQ(layout.status, QRect(24, 546, 1052, 36));
    // Centred across, and in the height above the status line.
    EXPECT_EQ(layout.loudspeaker, QPoint(425, 148));
}

} // namespace
} // namespace qinghe
