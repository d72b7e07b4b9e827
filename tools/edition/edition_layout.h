#pragma once

#include "content_model.h"

#include <QList>
#include <QSet>
#include <QString>

namespace qinghe::edition {

// What one run of the generator makes.
struct Options {
    QString contentDirectory;
    QString outputDirectory;     // the program folder; data goes to <out>/Data
    QString strokeDataDirectory; // the hanzi-writer-data package
    int singleBook = 0;          // 0: all books; N: a one-book installation of book N
    bool audio = true;
    QSet<int> books; // books whose recordings and movies are made; empty = all
    int jobs = 2;

    bool wantsBook(int number) const { return books.isEmpty() || books.contains(number); }
};

inline const QString kEditionFolder = QStringLiteral("Data/RJ/");

// The books as the installation holds them, with their position in the tree (1-based): all of them,
// or only the single book at position 1.
struct PlacedBook {
    int position = 0;
    const Book* book = nullptr;
};
QList<PlacedBook> placedBooks(const Edition& edition, const Options& options);

// Pages of a book's click-to-read pictures: a contents page, then two pages per lesson.
struct PageRange {
    int first = 1;
    int last = 1;
};
PageRange pageRange(const Book& book);

// The name shared by a lesson's reading and text files: BB UU LL, two digits each, BB the book's
// position in the installed tree (1-based numbers).
QString lessonFileStem(int bookPosition, int unit, int lesson);

// "lesson" + unit + two-digit lesson, from 0-based indexes.
QString lessonKeyFor(int unitIndex, int lessonIndex);

} // namespace qinghe::edition
