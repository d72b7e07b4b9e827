#include "lesson_content.h"

#include "records_document.h"
#include "report.h"

#include <QHash>

namespace qinghe::lint {

namespace {

template <typename Record>
void placeInLessons(const std::vector<Record>& records, const QHash<QString, size_t>& lessonsByKey,
                    std::vector<LessonContent>& lessons, std::vector<const Record*> LessonContent::*list,
                    const QString& bookCaption, Report& report) {
    for (const Record& record : records) {
        bool placed = false;
        for (const QString& key : lessonKeysIn(record.key)) {
            const auto found = lessonsByKey.constFind(key);
            if (found != lessonsByKey.cend()) {
                (lessons[*found].*list).push_back(&record);
                placed = true;
            }
        }
        if (!placed) {
            report.warning(
                record.file, record.line,
                QStringLiteral("record <%1> belongs to no lesson of book «%2» in the table of contents")
                    .arg(record.key, bookCaption));
        }
    }
}

} // namespace

std::vector<LessonContent> bindRecords(const EditionTree& tree, const std::vector<BookRecords>& books,
                                       Report& report) {
    std::vector<LessonContent> lessons;
    for (const TreeBook& book : tree.books) {
        QHash<QString, size_t> lessonsByKey;
        for (const TreeUnit& unit : book.units) {
            for (const TreeLesson& lesson : unit.lessons) {
                lessonsByKey.insert(lesson.lesson.lessonKey, lessons.size());
                lessons.push_back(LessonContent{&book, &unit, &lesson, {}, {}});
            }
        }
        if (book.position < 1 || size_t(book.position) > books.size()) {
            continue;
        }
        const BookRecords& records = books[size_t(book.position) - 1];
        placeInLessons(records.characters, lessonsByKey, lessons, &LessonContent::characters, book.caption,
                       report);
        placeInLessons(records.words, lessonsByKey, lessons, &LessonContent::words, book.caption, report);
    }
    return lessons;
}

} // namespace qinghe::lint
