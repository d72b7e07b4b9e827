#pragma once

#include "base/prompter.h"
#include "catalogue/run_state.h"
#include "study/dictation/dictation_session.h"
#include "study/study_context.h"

#include <optional>

namespace qinghe {

// The checks on the way into dictation and into one kind of it. Each returns the message to show
// (and the entry stops there) or nothing. The main window runs the selection check first, then its
// own clean-up, then the lesson check, so these are separate.

// The selected node must be a lesson, and not one of the pinyin unit.
std::optional<Prompt> dictationSelectionProblem(SelectedNode selected, const RunState& state);
// A lesson chosen for study (its display title has at least 5 characters) with at least two
// characters.
std::optional<Prompt> dictationLessonProblem(const RunState& state);
// The list a kind reads must not be empty (the character list was checked on entry).
std::optional<Prompt> dictationKindProblem(DictationKind kind, const LessonLists& lists);

} // namespace qinghe
