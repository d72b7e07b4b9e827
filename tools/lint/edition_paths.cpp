#include "edition_paths.h"

#include <QDir>

namespace qinghe::lint {

EditionPaths::EditionPaths(const QString& programDirectory, const QString& editionCode)
    : programDirectory_(QDir(programDirectory).absolutePath() + u'/')
    , resolver_(programDirectory_) {
    editionFolder_ = shown(QStringLiteral("Data/") + editionCode);
}

QString EditionPaths::absolute(const QString& relative) const {
    return resolver_.resolve(relative);
}

QString EditionPaths::shown(const QString& relative) const {
    return shownAbsolute(absolute(relative));
}

QString EditionPaths::shownAbsolute(const QString& absolutePath) const {
    const QString cleaned = QDir::cleanPath(absolutePath);
    if (cleaned.startsWith(programDirectory_)) {
        return cleaned.mid(programDirectory_.size());
    }
    return QDir(programDirectory_).relativeFilePath(cleaned);
}

} // namespace qinghe::lint
