#pragma once

#include <QString>
#include <QStringList>

namespace qinghe {

// The test papers of a book: the XML files of Data/<edition>/ceshi/book<N>/, sorted by name, without
// their extension (folders are skipped, whatever their name).
QStringList testPaperNames(const QString& folder);

// Icon of a paper in the all-books menu: first volumes number their papers 0, 1, 2 …; second volumes
// all show icon 12.
int testPaperIcon(int book, int position);

} // namespace qinghe
