#include "app/mode_reentry.h"
#include "app/start_rules.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(StartSelection, ByBookModeAndStartGrade) {
    // A tree with twelve books of which only books 1..4 have a first lesson.
    const auto exists = [](const NodePath& path) { return path.size() == 4 && path[1] < 4; };
    struct Case {
        const char* bookMode;
        const char* grade;
        NodePath select, expand;
        int checked;
        bool hideGrades;
    };
    const Case cases[] = {
        {"0", "1", {0, 0, 0, 0}, {}, 1, false},
        {"0", "2", {0, 2, 0, 0}, {}, 2, false},
        {"0", "3", {0, 0, 0, 0}, {0, 1}, 3, false}, // book 5 missing: fall back, open book 2
        {"0", "6", {0, 0, 0, 0}, {0, 1}, 6, false},
        {"0", "7", {}, {}, 0, false},
        {"0", "", {}, {}, 0, false},
        {"0", "03", {}, {}, 0, false},
        {"5", "3", {0, 0, 0}, {0, 0}, 0, true},
        {"12", "1", {0, 0, 0}, {0, 0}, 0, true},
    };
    for (const Case& c : cases) {
        const StartSelection start =
            chooseStartSelection(QString::fromUtf8(c.bookMode), QString::fromUtf8(c.grade), exists);
        EXPECT_EQ(start.select, c.select) << c.bookMode << "/" << c.grade;
        EXPECT_EQ(start.expand, c.expand) << c.bookMode << "/" << c.grade;
        EXPECT_EQ(start.checkedGrade, c.checked) << c.bookMode << "/" << c.grade;
        EXPECT_EQ(start.hideGradeMenu, c.hideGrades) << c.bookMode << "/" << c.grade;
    }
    // Grades 1 and 2 never fall back.
    const auto none = [](const NodePath&) { return false; };
    EXPECT_TRUE(chooseStartSelection(QStringLiteral("0"), QStringLiteral("2"), none).select.isEmpty());
    EXPECT_EQ(chooseStartSelection(QStringLiteral("0"), QStringLiteral("3"), exists).select,
              (NodePath{0, 0, 0, 0}));
    const auto all = [](const NodePath&) { return true; };
    EXPECT_EQ(chooseStartSelection(QStringLiteral("0"), QStringLiteral("3"), all).select,
              (NodePath{0, 4, 0, 0}));
}

TEST(MainWindowPlacement, FullScreenOrMaximisedOnTheWorkArea) {
    const QRect screen(0, 0, 1920, 1080);
    const QRect work(0, 0, 1920, 1040);
    const MainWindowPlacement full = placeMainWindow(true, screen, work);
    EXPECT_EQ(full.geometry, QRect(0, 0, 1920, 1080));
    EXPECT_TRUE(full.frameless);
    EXPECT_FALSE(full.maximised);
    const MainWindowPlacement normal = placeMainWindow(false, screen, work);
    EXPECT_EQ(normal.geometry, QRect(0, 0, 1920, 1040));
    EXPECT_FALSE(normal.frameless);
    EXPECT_TRUE(normal.maximised);
}

TEST(MovieBasePath, ForwardSlashesAndDriveMark) {
    EXPECT_EQ(movieBasePath(QStringLiteral("C:\\Prog\\")), QStringLiteral("C|/Prog/"));
    EXPECT_EQ(movieBasePath(QStringLiteral("/opt/qinghe/")), QStringLiteral("/opt/qinghe/"));
    EXPECT_EQ(movieFolderUrl(QStringLiteral("C:\\Prog\\")), QStringLiteral("file:///C|/Prog/"));
    EXPECT_EQ(movieFolderUrl(QStringLiteral("/opt/qinghe/")), QStringLiteral("file:///opt/qinghe/"));
}

TEST(ModeReentry, FirstRuleThatApplies) {
    struct Case {
        const char* name;
        ModeState mode;
        bool hasCharacters;
        Reentry action;
        Drill drill;
    };
    ModeState lesson;
    lesson.lesson = true;
    ModeState test;
    test.lessonTest = true;
    ModeState quick;
    quick.quickMemorise = true;
    quick.drillCheck[int(Drill::SoundToPinyin)] = true;
    ModeState study;
    study.characterStudy = true;
    ModeState dictation;
    dictation.dictation = true;
    ModeState drills;
    drills.drillCheck[int(Drill::PinyinToCharacter)] = true;
    drills.drillCheck[int(Drill::SoundToCharacter)] = true;
    const Case cases[] = {
        {"lesson mode even without characters", lesson, false, Reentry::Lesson, {}},
        {"lesson test even without characters", test, false, Reentry::LessonTest, {}},
        {"no characters", quick, false, Reentry::NoCharacters, {}},
        {"quick memorise before the drill check", quick, true, Reentry::QuickMemorise, {}},
        {"character study", study, true, Reentry::CharacterStudy, {}},
        {"dictation", dictation, true, Reentry::Dictation, {}},
        {"drill checks in their order", drills, true, Reentry::Drill, Drill::SoundToCharacter},
        {"nothing", ModeState{}, true, Reentry::Nothing, {}},
    };
    for (const Case& c : cases) {
        const ReentryChoice choice = chooseReentry(c.mode, c.hasCharacters);
        EXPECT_EQ(choice.action, c.action) << c.name;
        if (c.action == Reentry::Drill) {
            EXPECT_EQ(choice.drill, c.drill) << c.name;
        }
    }
}

} // namespace
} // namespace qinghe
