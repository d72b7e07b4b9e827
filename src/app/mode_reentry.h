#pragma once

#include "study/drill_kind.h"

namespace qinghe {

// Which study mode the tool bar is in: the group button that is down and the drill item that
// carries its check mark (the check stays when another mode is chosen).
struct ModeState {
    bool lesson = false;
    bool lessonTest = false;
    bool characterStudy = false;
    bool quickMemorise = false;
    bool dictation = false;
    bool drillCheck[4] = {false, false, false, false}; // by Drill
};

enum class Reentry {
    Lesson,
    LessonTest,
    NoCharacters,
    QuickMemorise,
    CharacterStudy,
    Dictation,
    Drill,
    Nothing
};

struct ReentryChoice {
    Reentry action = Reentry::Nothing;
    Drill drill = Drill::CharacterToPinyin; // when action is Drill
};

// What a new lesson selection does to the current mode: the first rule that applies.
ReentryChoice chooseReentry(const ModeState& mode, bool lessonHasCharacters);

} // namespace qinghe
