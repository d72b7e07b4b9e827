#pragma once

#include <QByteArray>
#include <QString>

namespace qinghe {

class PathResolver;
class XmlDocument;

// Where the key-point cards find their texts: one document per book in the edition's XML folder,
// named by the book's own number (in a one-book installation too), one record per lesson or unit.

// "Data\<edition>\xml\book<N>.xml": a record per lesson, keyed "lesson" + unit + two-digit lesson.
QString lessonKeyPointDocument(const QString& edition, int bookNumber);
// "Data\<edition>\xml\book<N>_dyzs.xml": a record per unit, keyed "lesson" + unit.
QString unitKeyPointDocument(const QString& edition, int bookNumber);
QString unitKeyPointKey(int unitNumber);

// The decoded LessonInfo text of the first child of the document element whose name is exactly
// `key` (lesson1050 is not lesson105). Empty when the document is not loaded, the record is missing
// or its text is not valid Base64 of UTF-8.
QString keyPointText(const XmlDocument& document, const QString& key);
// The same from a file (an unreadable or malformed file gives empty text).
QString keyPointTextFromFile(const QString& path, const QString& key);
QString keyPointTextFromBytes(const QByteArray& xml, const QString& key);

// The lesson card's heading: three ideographic spaces, then 《title》课文要点.
QString lessonCardTitle(const QString& lessonTitle);

} // namespace qinghe
