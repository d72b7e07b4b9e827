#pragma once

#include <QIcon>

namespace qinghe {

// The tool bar's pictures, drawn by the program (no image files to lose).
enum class ToolIcon {
    Lesson,
    CharacterStudy,
    LessonTest,
    TestPapers,
    QuickMemorise,
    Drills,
    Dictation,
    SpecialStudy,
    CharacterTable,
    Settings,
    Exit
};

QIcon toolbarIcon(ToolIcon icon);

// Small numbered pictures for the test-paper menu: 0..11 show the number + 1, 12 a star.
QIcon paperMenuIcon(int index);

} // namespace qinghe
