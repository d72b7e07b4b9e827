#include "drills_scripted_random.h"
#include "study/drills/choice_picker.h"
#include "study/drills/drill_entry.h"
#include "study/drills/drill_layout.h"
#include "study/drills/drill_session.h"
#include "study/drills/drill_traits.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

using test::ScriptedRandom;

QStringList split(const char* texts) {
    return QString::fromUtf8(texts).split(u' ');
}

TEST(DrillChoices, FourButtonsRedrawUntilAllDiffer) {
    struct Case {
        const char* texts;
        int index;
        QList<int> script; // right button, then three draws per round
        const char* captions;
    };
    const Case cases[] = {
        // Accepted at once; the right text on button 2.
        {"天 地 人 大 小", 2, {1, 0, 3, 4}, "天 人 大 小"},
        // Round 1 repeats 天, round 2 draws the right text itself; round 3 is good. Right on button 4.
        {"天 地 人 大 小", 4, {3, 0, 0, 1, 4, 1, 2, 3, 0, 1}, "大 天 地 小"},
        // Readings shared by two characters: a round with tā twice is drawn again.
        {"tā tā hǎo shān rén", 0, {0, 1, 2, 3, 2, 3, 4}, "tā hǎo shān rén"},
        {"tā tā hǎo shān rén", 1, {2, 0, 2, 3, 2, 3, 4}, "hǎo shān tā rén"},
        // An empty reading (a failed lookup) is an ordinary choice.
        {"tiān  rén dì", 1, {0, 0, 2, 3}, " tiān rén dì"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.texts);
        ScriptedRandom random(c.script);
        const QStringList texts = split(c.texts);
        const DrillChoices choices = pickChoices(texts, c.index, random);
        EXPECT_EQ(choices.captions, split(c.captions));
        EXPECT_EQ(choices.right, texts[c.index]);
        EXPECT_EQ(choices.rightCount(), 1);
        EXPECT_TRUE(random.script.isEmpty()) << "left over: " << random.script.size();
        ASSERT_FALSE(random.bounds.isEmpty());
        EXPECT_EQ(random.bounds.front(), 4);
        EXPECT_EQ(random.bounds.mid(1).count(int(texts.size())), random.bounds.size() - 1);
    }
}

TEST(DrillChoices, TwoButtonForm) {
    struct Case {
        const char* texts;
        int index;
        QList<int> script;
        const char* captions;
        QList<int> bounds;
    };
    const Case cases[] = {
        // Two characters; the first pick is wrong, so the right one goes on button 2.
        {"天 地", 0, {1}, "地 天", {2}},
        // i = 0 and the first pick is the right answer: the second button shows the last character.
        {"天 地", 0, {0}, "天 地", {2}},
        {"天 地 人", 0, {0}, "天 人", {3}},
        // i > 0 and the first pick right: an earlier entry, drawn from [0, i).
        {"天 地", 1, {1, 0}, "地 天", {2, 1}},
        {"天 地 人", 2, {2, 1}, "人 地", {3, 2}},
        {"天 地 人", 1, {0}, "天 地", {3}},
        // Shared readings never stand on both buttons: the next entry that reads differently.
        {"tā tā hǎo", 1, {0, 0}, "tā hǎo", {3, 1}},
        {"tā hǎo tā", 0, {2}, "tā hǎo", {3}},
        // Every entry reads the same: one button, the right one.
        {"tā tā", 1, {0, 0}, "tā", {2, 1}},
        // Four or more entries but fewer than four different texts fall back to this form.
        {"tā tā hǎo shān tā", 0, {1}, "tā hǎo", {5}},
        {"天 天 地 地", 3, {0}, "天 地", {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.texts) + " index " + std::to_string(c.index));
        ScriptedRandom random(c.script);
        const QStringList texts = split(c.texts);
        const DrillChoices choices = pickChoices(texts, c.index, random);
        EXPECT_EQ(choices.captions, split(c.captions));
        EXPECT_EQ(choices.rightCount(), 1);
        EXPECT_EQ(random.bounds, c.bounds);
        EXPECT_TRUE(random.script.isEmpty());
    }
}

TEST(DrillChoices, NoQuestionOutsideTheLesson) {
    ScriptedRandom random;
    EXPECT_TRUE(pickChoices({}, 0, random).captions.isEmpty());
    EXPECT_TRUE(pickChoices(split("天 地"), 2, random).captions.isEmpty());
    EXPECT_TRUE(pickChoices(split("天 地"), -1, random).captions.isEmpty());
    EXPECT_TRUE(random.bounds.isEmpty());
}

// Over many random lessons (with repeated texts) and questions: one right caption, never a text on
// two buttons, four buttons exactly when four different texts exist.
TEST(DrillChoices, AlwaysDistinctCaptionsWithTheRightOneOnce) {
    SeededRandom lessons(7);
    SeededRandom random(11);
    const QStringList pool = split("tiān dì rén tā hǎo shān dà xiǎo");
    int fourButtonQuestions = 0;
    int rightPlaces[4] = {0, 0, 0, 0};
    for (int lesson = 0; lesson < 400; ++lesson) {
        const int n = 2 + lessons.below(9);
        const int variety = 1 + lessons.below(int(pool.size()));
        QStringList texts;
        for (int i = 0; i < n; ++i) {
            texts << pool[lessons.below(variety)];
        }
        const int distinct = distinctTexts(texts);
        for (int i = 0; i < n; ++i) {
            const DrillChoices choices = pickChoices(texts, i, random);
            ASSERT_EQ(choices.right, texts[i]);
            ASSERT_EQ(choices.rightCount(), 1) << texts.join(u' ').toStdString();
            ASSERT_EQ(distinctTexts(choices.captions), choices.captions.size());
            const int expected = n >= 4 && distinct >= 4 ? 4 : (distinct == 1 ? 1 : 2);
            ASSERT_EQ(choices.captions.size(), expected) << texts.join(u' ').toStdString();
            if (expected == 4) {
                ++fourButtonQuestions;
                ++rightPlaces[choices.captions.indexOf(choices.right)];
            }
        }
    }
    ASSERT_GT(fourButtonQuestions, 400);
    for (int place : rightPlaces) {
        EXPECT_GT(place, fourButtonQuestions / 6); // every button gets its share of right answers
    }
}

TEST(DrillChoices, BrokenRandomSourceCannotHang) {
    test::StuckRandom random;
    const DrillChoices choices = pickChoices(split("a b c d"), 3, random);
    EXPECT_EQ(choices.captions, split("d a b c"));
    EXPECT_GT(random.draws, 1000000);
}

TEST(DrillSession, WalkAsksEveryEntryOnceThenAsks) {
    for (int n = 2; n <= 6; ++n) {
        SCOPED_TRACE(n);
        SeededRandom random(3);
        DrillSession session(random);
        QStringList texts;
        for (int i = 0; i < n; ++i) {
            texts << QString(QChar(0x5929 + i));
        }
        session.begin(texts, false);
        QList<int> asked;
        QList<int> bars;
        for (;;) {
            session.draw();
            asked << session.index();
            bars << session.barPosition();
            if (session.advance(false) == DrillSession::Advance::WalkFinished) {
                break;
            }
        }
        QList<int> expected;
        for (int i = 0; i < n; ++i) {
            expected << i;
        }
        EXPECT_EQ(asked, expected);
        QList<int> expectedBars = expected;
        for (int& bar : expectedBars) {
            ++bar;
        }
        EXPECT_EQ(bars, expectedBars);
        EXPECT_EQ(session.barMaximum(), n);
        EXPECT_EQ(session.barPosition(), n); // held at the bar's maximum
        EXPECT_FALSE(session.hasEntry());
        EXPECT_TRUE(session.draw().captions.isEmpty());
        session.restartWalk();
        EXPECT_EQ(session.index(), 0);
        EXPECT_EQ(session.barPosition(), 1);
    }
}

TEST(DrillSession, ContinuousModeAndTheSwitch) {
    ScriptedRandom random({2, /* q */ 1, /* next */ 0, /* next */ 2});
    DrillSession session(random);
    const QStringList texts = split("天 地 人");
    session.begin(texts, true);
    EXPECT_EQ(session.index(), 2);
    EXPECT_EQ(random.bounds, (QList<int>{3}));
    EXPECT_EQ(session.draw().captions, split("地 人"));
    EXPECT_TRUE(session.isRight(QStringLiteral("人")));
    EXPECT_FALSE(session.isRight(QStringLiteral("地")));

    EXPECT_EQ(session.advance(true), DrillSession::Advance::NextQuestion);
    EXPECT_EQ(session.index(), 0);
    EXPECT_EQ(session.advance(true), DrillSession::Advance::NextQuestion);
    EXPECT_EQ(session.index(), 2); // the same entry may come twice in a row
    EXPECT_EQ(random.reseeds, 2);

    // Switched off: back to the first entry with the bar at 1; the next tick asks the second.
    session.switchContinuous(false);
    EXPECT_EQ(session.index(), 0);
    EXPECT_EQ(session.barPosition(), 1);
    EXPECT_EQ(session.advance(false), DrillSession::Advance::NextQuestion);
    EXPECT_EQ(session.index(), 1);
    EXPECT_EQ(session.barPosition(), 2);
    // Switched on: nothing moves until the tick draws a random entry.
    session.switchContinuous(true);
    EXPECT_EQ(session.index(), 1);
    EXPECT_EQ(session.barPosition(), 2);
    EXPECT_TRUE(random.script.isEmpty());
}

TEST(DrillSession, NothingIsRightBeforeAQuestion) {
    ScriptedRandom random;
    DrillSession session(random);
    session.begin({}, false);
    EXPECT_FALSE(session.hasEntry());
    EXPECT_FALSE(session.isRight(QString()));
    EXPECT_EQ(session.advance(false), DrillSession::Advance::WalkFinished);
}

TEST(DrillLayout, ButtonRowsAndLabels) {
    struct Case {
        Drill kind;
        QSize panel;
        int shown;
        QList<int> lefts; // of the shown buttons
        int top;
        int labelHeight; // 0: no label
        QRect replay;
    };
    const QSize button(100, 101);
    const QSize replay(200, 60);
    // W = 1001: W/6 + W/12 = 166 + 83 = 249 (not 3W/12 = 250); centres 249, 416, 583, 750.
    const Case cases[] = {
        {Drill::SoundToCharacter, {1001, 641}, 4, {199, 366, 533, 700}, 320 - 50, 0, {400, 160, 200, 60}},
        {Drill::SoundToPinyin, {1001, 641}, 4, {139, 346, 553, 760}, 270, 0, {400, 160, 200, 60}},
        {Drill::PinyinToCharacter, {1001, 641}, 4, {199, 366, 533, 700}, 349 + 50, 466, {}},
        {Drill::CharacterToPinyin, {1001, 641}, 4, {139, 346, 553, 760}, 291 + 50, 407, {}},
        // Two buttons: 50 pixels either side of the centre line, 70 for readings.
        {Drill::SoundToCharacter, {1001, 641}, 2, {350, 550}, 270, 0, {400, 160, 200, 60}},
        {Drill::PinyinToCharacter, {1100, 640}, 2, {400, 600}, 349 + 50, 465, {}},
        {Drill::CharacterToPinyin, {1100, 640}, 2, {380, 620}, 290 + 50, 407, {}},
        {Drill::SoundToPinyin, {1100, 640}, 2, {380, 620}, 270, 0, {450, 160, 200, 60}},
        {Drill::SoundToPinyin, {1100, 640}, 1, {500}, 270, 0, {450, 160, 200, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(drillTraits(c.kind).panelName.toStdString() + " " + std::to_string(c.shown));
        const DrillGeometry g = layOutDrill(c.kind, c.panel, button, replay, c.shown);
        for (int b = 0; b < 4; ++b) {
            if (b < c.lefts.size()) {
                EXPECT_EQ(g.buttons[size_t(b)], QRect(c.lefts[b], c.top, 100, 101)) << b;
            } else {
                EXPECT_TRUE(g.buttons[size_t(b)].isEmpty()) << b;
            }
        }
        EXPECT_EQ(g.label, c.labelHeight == 0 ? QSize() : QSize(c.panel.width(), c.labelHeight));
        EXPECT_EQ(g.replay, c.replay);
    }
}

TEST(DrillLayout, FourButtonsFitSideBySide) {
    for (const Drill kind : {Drill::SoundToCharacter, Drill::CharacterToPinyin}) {
        for (const QSize panel : {QSize(380, 400), QSize(800, 500), QSize(1100, 640), QSize(1900, 1000)}) {
            const QSize button = drillButtonSize(kind, panel);
            const DrillGeometry g = layOutDrill(kind, panel, button, drillReplaySize(panel), 4);
            for (size_t b = 1; b < 4; ++b) {
                EXPECT_LT(g.buttons[b - 1].right(), g.buttons[b].left()) << panel.width();
            }
            EXPECT_GE(g.buttons[0].left(), 0);
            EXPECT_LE(g.buttons[3].right(), panel.width());
        }
    }
}

TEST(DrillLayout, LabelSlidesInThirtyPixelsATick) {
    struct Case {
        int top;
        std::optional<int> next;
    };
    const Case cases[] = {{-465, -435}, {-60, -30}, {-31, -1},         {-30, 0},
                          {-29, 0},     {-1, 0},    {0, std::nullopt}, {12, std::nullopt}};
    // The whole slide from the label's height is watched in the drill panel tests.
    for (const Case& c : cases) {
        EXPECT_EQ(slideInStep(c.top), c.next) << c.top;
    }
}

TEST(DrillEntry, ChecksInOrder) {
    LessonLists none;
    LessonLists one;
    one.chars = split("天");
    LessonLists two;
    two.chars = split("天 地");
    const QString title = QStringLiteral("一年级上册→【天地人】");
    struct Case {
        SelectedNode node;
        const LessonLists* lists;
        QString title;
        QString caption; // empty: no problem
        QString text;
        bool panel;
    };
    const QString notLesson = QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。");
    const QString empty = QStringLiteral("您当前选择的课文，对应的课本中不包含相应的生字内容！\r\r\r"
                                         "请选择其它课文进行相关生字的学习与训练！");
    const QString untitled = QStringLiteral("请通过左侧目录，先选择用于学习的具体课程！");
    const QString tooFew =
        QStringLiteral("本课程中用于听写练习的字词数量少于2个！\r请选择其它课文进行相关字词的练习！");
    const Case cases[] = {
        {SelectedNode::None, &two, title, QStringLiteral("练习说明！"), notLesson, false},
        {SelectedNode::Top, &none, title, QStringLiteral("练习说明！"), notLesson, false},
        {SelectedNode::BookOrUnit, &one, QString(), QStringLiteral("练习说明！"), notLesson, false},
        {SelectedNode::Lesson, &none, QString(), QStringLiteral("生字说明！"), empty, true},
        {SelectedNode::Lesson, &one, QStringLiteral("一二→【"), QStringLiteral("学习说明！"), untitled,
         false},
        {SelectedNode::Lesson, &one, QStringLiteral("一→【天】"), QStringLiteral("生字练习说明！"), tooFew,
         false},
        {SelectedNode::Lesson, &two, QStringLiteral("一→【天】"), QString(), QString(), false},
        {SelectedNode::Lesson, &two, title, QString(), QString(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString() + " " + std::to_string(int(c.node)));
        const std::optional<Prompt> problem = drillEntryProblem(c.node, *c.lists, c.title);
        if (c.caption.isEmpty()) {
            EXPECT_FALSE(problem.has_value());
            continue;
        }
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->caption, c.caption);
        EXPECT_EQ(problem->text, c.text);
        EXPECT_EQ(problem->icon, PromptIcon::Information);
        EXPECT_EQ(problem->buttons, PromptButtons::Ok);
        EXPECT_EQ(drillNeedsNoCharactersPanel(*problem), c.panel);
    }
}

} // namespace
} // namespace qinghe
