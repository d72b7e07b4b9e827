#pragma once

#include "lesson_content.h"

#include <vector>

namespace qinghe::lint {

class ReadingRules;
class Report;

// What each character record must hold for the study modes to work: one character, a reading
// Unihan knows (when `readings` is given), word groups and a sentence that contain the character, a
// must-master flag of 0 or 1.
void checkCharacterRecord(const CharacterRecord& record, const ReadingRules* readings, Report& report);
void checkWordRecord(const WordRecord& record, Report& report);

// Checks across the records of each lesson and of the whole edition: every lesson has characters
// and a must-master one, no character comes twice in a lesson or is introduced twice, and no
// sentence recording would have to speak two sentences.
void checkLessons(const std::vector<LessonContent>& lessons, const QString& catalogueFile,
                  const QString& editionFolder, Report& report);

// "lesson «天地人» (lesson101 of book «一年级上册»)", for messages.
QString describeLesson(const LessonContent& lesson);

} // namespace qinghe::lint
