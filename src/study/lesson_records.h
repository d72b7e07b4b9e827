#pragma once

#include "base/path_resolver.h"
#include "catalogue/lesson_records.h"
#include "catalogue/xml_document_cache.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace qinghe {

// Reading the character and word documents of a book. Every attribute value is Base64 text; a value
// that does not decode reads as empty text (the record keeps its place, so paired lists stay aligned).
// Record names are tested by substring, as the documents' lesson keys require.

// For every record whose name contains the lesson key: the decoded attribute, in document order.
QStringList readRecordList(const XmlDocument& document, const QString& lessonKey, const char* attribute);

// The lesson's character lists (chars, pinyins, and the must-master pair) in one pass.
void readCharacterLists(const XmlDocument& document, const QString& lessonKey, LessonLists& lists);

// Characters of chosen units. unitKeys is "lesson1,lesson3," for units 1 and 3; a record is taken when
// the first seven characters of its name occur in unitKeys. mode 0 takes every record, 1 the
// must-master ones (bx_shengzi "1"), 2 the recognise-only ones (exactly "0"). Returns the count.
enum class UnitSelectionMode { All = 0, MustMaster = 1, RecogniseOnly = 2 };
int readUnitSelection(const XmlDocument& document, const QString& unitKeys, UnitSelectionMode mode,
                      QStringList& characters, QStringList& pinyins);

// The XPath of one character of a lesson: lessonKey[@Chinese="<Base64 of the character>"].
QString characterPath(const QString& lessonKey, const QString& character);

// The decoded attribute of the first element the path selects below the root; a single space when
// anything fails (no match, no attribute, bad Base64, bad path), so callers trim.
QString lookupAttribute(const XmlDocument& document, const QString& path, const char* attribute);

// The current book's two documents, parsed once and reused until their files change, and the lesson
// lists read from them.
class StudyRecords final : public LessonRecords {
public:
    explicit StudyRecords(const PathResolver& paths);

    void openBook(const QString& characterFile, const QString& wordFile) override;
    LessonLists readLessonLists(const CurrentLesson& lesson) override;

    // One attribute of a character of a lesson from the open character document, trimmed
    // (empty when the lookup fails).
    QString characterAttribute(const QString& lessonKey, const QString& character,
                               const char* attribute) const;

    // A character document by its path relative to the program folder (the new-character table).
    std::shared_ptr<const XmlDocument> document(const QString& relativePath);

    // Every character of the open book, in document order, each once (the handwriting pad offers
    // these first). Worked out once per document.
    QString bookCharacters();

    const XmlDocumentCache& cache() const { return cache_; }

    // The resolver the records find their files with; the main window shares it, so each folder is
    // listed once.
    const PathResolver& paths() const { return paths_; }

private:
    const PathResolver& paths_;
    XmlDocumentCache cache_;
    std::shared_ptr<const XmlDocument> characters_;
    std::shared_ptr<const XmlDocument> words_;
    std::shared_ptr<const XmlDocument> bookCharactersOf_;
    QString bookCharacters_;
};

} // namespace qinghe
