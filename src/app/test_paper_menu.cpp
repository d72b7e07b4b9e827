#include "app/test_paper_menu.h"

#include <QDir>
#include <QFileInfo>

namespace qinghe {

QStringList testPaperNames(const QString& folder) {
    QStringList names;
    // Name filters match without regard to case, as on the systems the content comes from.
    const QFileInfoList entries =
        QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& entry : entries) {
        names << entry.completeBaseName();
    }
    return names;
}

int testPaperIcon(int book, int position) {
    return book % 2 == 0 ? 12 : position;
}

} // namespace qinghe
