#pragma once

#include "catalogue/current_lesson.h"
#include "catalogue/lesson_lists.h"

namespace qinghe {

// What the lesson selection asks of the character and word records: open the book's two documents
// and read the lesson's lists. The study module implements it.
class LessonRecords {
public:
    virtual ~LessonRecords() = default;
    // Paths are relative to the program folder; a missing or broken file is not an error here.
    virtual void openBook(const QString& characterFile, const QString& wordFile) = 0;
    virtual LessonLists readLessonLists(const CurrentLesson& lesson) = 0;
};

} // namespace qinghe
