#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace qinghe::lint {

// The file names of one folder, listed once. The edition does not change while it is checked, and
// thousands of look-ups must not list a folder of thousands of recordings again each time.
class FolderIndex {
public:
    FolderIndex() = default;
    explicit FolderIndex(const QString& absoluteFolder);

    bool exists() const { return exists_; }
    const QString& folder() const { return folder_; }
    // The name the program finds for `name`: the exact spelling when present, otherwise one that
    // differs only in letter case.
    std::optional<QString> find(const QString& name) const;

private:
    QString folder_;
    bool exists_ = false;
    QSet<QString> exact_;
    QHash<QString, QString> byFoldedName_;
};

} // namespace qinghe::lint
