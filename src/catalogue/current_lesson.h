#pragma once

#include <QString>

namespace qinghe {

// Where a lesson node sits in the tree: 0-based indexes of its book among the top node's children,
// of its unit in the book and of the lesson in the unit, with the captions the titles come from.
struct LessonPlace {
    int bookIndex = 0;
    int unitIndex = 0;
    int lessonIndex = 0;
    QString bookCaption;
    QString unitCaption;
    QString lessonCaption;
};

// The lesson being studied, as every study mode reads it.
struct CurrentLesson {
    int bookPosition = 0; // 1-based position of the book in the tree: names hanzi<N>.xml
    int bookNumber = 0;   // the book's number in folder names (the single installed book's number)
    int unitNumber = 0;
    int lessonNumber = 0;
    QString bb, uu, ll; // two-digit forms
    QString lessonKey;  // "lesson" + unit + LL, e.g. lesson105
    QString lessonTitle;
    QString unitTitle;
    QString bookTitle;
    QString displayTitle;  // book caption + "→【" + lesson title + "】"
    QString characterFile; // relative to the program folder, Windows-style as the content expects
    QString wordFile;

    QString statusText() const { return QStringLiteral("当前课文：") + displayTitle; }
    // "DATA\<ed>\lessonread\BBUULL.mp3"
    QString lessonReadingFile(const QString& edition) const;
};

// bookMode is the GBegin setting: "0" for all twelve books, otherwise the one installed book's
// number (a value that is not a number leaves the book number at the position).
CurrentLesson makeCurrentLesson(const LessonPlace& place, const QString& bookMode, const QString& edition);

// "lesson" + unit number + two-digit lesson number.
QString lessonKey(int unitNumber, int lessonNumber);

} // namespace qinghe
