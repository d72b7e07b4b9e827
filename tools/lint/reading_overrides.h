#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

#include <utility>
#include <vector>

namespace qinghe::lint {

// Readings accepted although Unihan does not list them, each with the reason an editor gave:
// "char<TAB>reading<TAB>reason" lines; '#' starts a comment line; blank lines are skipped.
struct ReadingOverrides {
    QHash<QString, QSet<QString>> readings;        // character -> NFC readings
    std::vector<std::pair<int, QString>> problems; // line, what is wrong with it

    bool accepts(const QString& character, const QString& reading) const;
};

ReadingOverrides parseReadingOverrides(QByteArrayView text);

} // namespace qinghe::lint
