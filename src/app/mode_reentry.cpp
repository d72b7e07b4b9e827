#include "app/mode_reentry.h"

#include <initializer_list>

namespace qinghe {

ReentryChoice chooseReentry(const ModeState& mode, bool lessonHasCharacters) {
    if (mode.lesson) {
        return {Reentry::Lesson};
    }
    if (mode.lessonTest) {
        return {Reentry::LessonTest};
    }
    if (!lessonHasCharacters) {
        return {Reentry::NoCharacters};
    }
    if (mode.quickMemorise) {
        return {Reentry::QuickMemorise};
    }
    if (mode.characterStudy) {
        return {Reentry::CharacterStudy};
    }
    if (mode.dictation) {
        return {Reentry::Dictation};
    }
    for (const Drill drill : {Drill::CharacterToPinyin, Drill::SoundToCharacter, Drill::PinyinToCharacter,
                              Drill::SoundToPinyin}) {
        if (mode.drillCheck[int(drill)]) {
            return {Reentry::Drill, drill};
        }
    }
    return {Reentry::Nothing};
}

} // namespace qinghe
