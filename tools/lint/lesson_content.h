#pragma once

#include "edition_model.h"

#include <vector>

namespace qinghe::lint {

class Report;

// The records of one book's two documents.
struct BookRecords {
    int position = 0;
    QString characterFile; // as shown in messages
    QString wordFile;
    bool charactersLoaded = false;
    bool wordsLoaded = false;
    std::vector<CharacterRecord> characters;
    std::vector<WordRecord> words;
};

// One lesson of the tree with the records the program shows for it, in document order.
struct LessonContent {
    const TreeBook* book = nullptr;
    const TreeUnit* unit = nullptr;
    const TreeLesson* lesson = nullptr;
    std::vector<const CharacterRecord*> characters;
    std::vector<const WordRecord*> words;
};

// Puts every record into the lessons whose key its element name contains, as the program selects
// them, and warns about records that belong to no lesson of the tree. `books` is indexed by book
// position - 1 and must outlive the result.
std::vector<LessonContent> bindRecords(const EditionTree& tree, const std::vector<BookRecords>& books,
                                       Report& report);

} // namespace qinghe::lint
