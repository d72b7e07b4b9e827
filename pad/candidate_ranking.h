#pragma once

#include "pad/handwriting_model.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace qinghe::pad {

// The characters of a book text, each once (spaces and line breaks left out).
QSet<QString> characterSet(const QString& text);

// The candidates a child is offered, `count` at most: the current book's characters among the
// recognizer's first `window` results come first, then the other results, each part in the
// recognizer's order. At most `count - keep` book characters go ahead, so the recognizer's own best
// `keep` always stay on the row.
QStringList rankCandidates(const QList<Candidate>& results, const QSet<QString>& book, int count = 10,
                           int window = 20, int keep = 3);

} // namespace qinghe::pad
