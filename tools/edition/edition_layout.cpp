#include "edition_layout.h"

#include "catalogue/current_lesson.h"

namespace qinghe::edition {

QList<PlacedBook> placedBooks(const Edition& edition, const Options& options) {
    QList<PlacedBook> placed;
    if (options.singleBook != 0) {
        if (const Book* book = edition.book(options.singleBook)) {
            placed.append({1, book});
        }
        return placed;
    }
    for (const Book& book : edition.books) {
        placed.append({book.number, &book});
    }
    return placed;
}

PageRange pageRange(const Book& book) {
    int lessons = 0;
    for (const Unit& unit : book.units) {
        lessons += int(unit.lessons.size());
    }
    return {1, 1 + 2 * lessons};
}

QString lessonFileStem(int bookPosition, int unit, int lesson) {
    return QStringLiteral("%1%2%3")
        .arg(bookPosition, 2, 10, QLatin1Char('0'))
        .arg(unit, 2, 10, QLatin1Char('0'))
        .arg(lesson, 2, 10, QLatin1Char('0'));
}

QString lessonKeyFor(int unitIndex, int lessonIndex) {
    return lessonKey(unitIndex + 1, lessonIndex + 1);
}

} // namespace qinghe::edition
