#pragma once

#include "content_model.h"
#include "edition_layout.h"
#include "output_tree.h"

namespace qinghe::edition {

// Set.ini, the table of contents unit.xml, the character and word documents of every book and the
// text of every lesson.
// An existing Set.ini keeps the user's own settings: only the keys that describe the edition change.
// Returns the number of files written.
int writeDocuments(const Edition& edition, const Options& options, OutputTree& out);

// The documents as bytes (tests read them without touching disk).
QByteArray settingsFile(const Edition& edition, const Options& options, const QByteArray& existing);
QByteArray catalogueDocument(const Edition& edition, const Options& options);
QByteArray characterDocument(const Book& book);
QByteArray wordDocument(const Book& book);
// A lesson's text for the lesson movie (lessontext/BBUULL.txt): one line per segment of the lesson
// reading, tab-separated index, text and pinyin.
QByteArray lessonTextDocument(const Lesson& lesson);

} // namespace qinghe::edition
