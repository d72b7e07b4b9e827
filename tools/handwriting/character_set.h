#pragma once

#include <QString>
#include <QStringList>

namespace qinghe::handwriting {

// The new characters of every book of the edition's content (content/books/bookNN.json, "chars" of
// each lesson), in book and lesson order, each once. Empty with `error` set when no book can be read.
QStringList editionCharacters(const QString& contentDirectory, QString* error = nullptr);

// The 3,500 most common characters: the entries of content/plan/ranked.tsv at level 1 of the Table of
// General Standard Chinese Characters (kTGH), in rank order.
QStringList commonCharacters(const QString& rankedTable, QString* error = nullptr);

// `first`, then those of `second` not in it.
QStringList unionInOrder(const QStringList& first, const QStringList& second);

} // namespace qinghe::handwriting
