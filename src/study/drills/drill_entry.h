#pragma once

#include "base/prompter.h"
#include "catalogue/lesson_lists.h"
#include "study/study_context.h"

#include <QString>

#include <optional>

namespace qinghe {

// The checks made when a drill is chosen from the menu, in order: a lesson must be selected, it
// must have characters, its display title must be a real one, and it must have at least two
// characters. Returns the message that stops the entry, or nothing when the drill may start.
//
// The empty-lesson message is the one every character mode shows; with it the main window also
// shows its information panel instead of the study panels, and it shows that message itself (it
// knows whether the panel is already up). Ask drillNeedsNoCharactersPanel() to tell it apart.
std::optional<Prompt> drillEntryProblem(SelectedNode selected, const LessonLists& lists,
                                        const QString& displayTitle);

// True for the empty-lesson problem: show the information panel (and its message) rather than
// just this message.
bool drillNeedsNoCharactersPanel(const Prompt& problem);

} // namespace qinghe
