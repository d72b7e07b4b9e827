#include "folder_index.h"

#include <QDir>

namespace qinghe::lint {

FolderIndex::FolderIndex(const QString& absoluteFolder)
    : folder_(absoluteFolder) {
    const QDir dir(absoluteFolder);
    exists_ = dir.exists();
    if (!exists_) {
        return;
    }
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        exact_.insert(name);
        byFoldedName_.insert(name.toCaseFolded(), name);
    }
}

std::optional<QString> FolderIndex::find(const QString& name) const {
    if (exact_.contains(name)) {
        return name;
    }
    const auto found = byFoldedName_.constFind(name.toCaseFolded());
    if (found != byFoldedName_.cend()) {
        return *found;
    }
    return std::nullopt;
}

} // namespace qinghe::lint
