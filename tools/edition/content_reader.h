#pragma once

#include "content_model.h"

#include <QList>
#include <QString>

namespace qinghe::edition {

struct ContentRead {
    Edition edition;
    QList<ContentProblem> problems; // anything here is an error: the edition is not generated
};

// Reads content/edition.json and the book files it lists, and checks what the program relies on:
// at most 8 units per book, word groups of two or more characters containing their character, one
// pinyin syllable per Han character, a word text with one reading edition-wide, unique first word
// groups, every character introduced once.
ContentRead readContent(const QString& contentDirectory);

// Han characters of a text (what pinyin syllables are counted against).
int hanCount(const QString& text);
// Pinyin syllables of a text, punctuation ignored.
QStringList syllables(const QString& pinyin);

} // namespace qinghe::edition
