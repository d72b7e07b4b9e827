#pragma once

#include "content_model.h"

#include <QByteArray>
#include <QString>

namespace qinghe::edition {

// The texts of the key-point cards, for a child and a parent reading together: a heading line per
// part, the new characters (to write and to recognise, apart), the words to write and the note.
// The note is the one written in the content; where none is written yet, a short summary is made
// from the lesson's or unit's own data.

// bookTitle and unitTitle place the lesson ("一年级上册　识字(一)　第2课").
QString lessonKeyPointText(const Lesson& lesson, const QString& bookTitle, const QString& unitTitle,
                           int lessonNumber);
QString unitKeyPointText(const Unit& unit, const QString& bookTitle);

// The notes alone: the authored one, or the summary made in its place.
QString lessonNote(const Lesson& lesson);
QString unitNote(const Unit& unit);

// book<N>.xml: a record "lesson" + unit + two-digit lesson per lesson, its LessonInfo the Base64 of
// the lesson's text.
QByteArray lessonKeyPointsDocument(const Book& book);
// book<N>_dyzs.xml: a record "lesson" + unit per unit.
QByteArray unitKeyPointsDocument(const Book& book);

} // namespace qinghe::edition
