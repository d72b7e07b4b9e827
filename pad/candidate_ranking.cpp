#include "pad/candidate_ranking.h"

#include <algorithm>

namespace qinghe::pad {

QSet<QString> characterSet(const QString& text) {
    QSet<QString> set;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.sliced(i, width);
        i += width - 1;
        if (!character[0].isSpace()) {
            set.insert(character);
        }
    }
    return set;
}

QStringList rankCandidates(const QList<Candidate>& results, const QSet<QString>& book, int count, int window,
                           int keep) {
    QStringList order; // the recognizer's, without repeats
    const qsizetype considered = std::min<qsizetype>(results.size(), std::max(window, count));
    for (qsizetype i = 0; i < considered; ++i) {
        if (!results[i].character.isEmpty() && !order.contains(results[i].character)) {
            order.append(results[i].character);
        }
    }
    QStringList ranked;
    const int ahead = std::max(0, count - keep);
    for (const QString& character : std::as_const(order)) {
        if (ranked.size() < ahead && book.contains(character)) {
            ranked.append(character);
        }
    }
    for (const QString& character : std::as_const(order)) {
        if (ranked.size() >= count) {
            break;
        }
        if (!ranked.contains(character)) {
            ranked.append(character);
        }
    }
    return ranked;
}

} // namespace qinghe::pad
