#pragma once

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringView>

namespace qinghe {

// Data paths come from Windows-era content: written with '\' or '/', in any letter case
// ("DATA\RJ\sound\x.mp3" for the folder "Data/RJ/sound"). The resolver finds the real file by
// matching each component without regard to case, caching directory listings and re-reading a
// listing only when the directory changed (recordings may appear while the program runs).
class PathResolver {
public:
    explicit PathResolver(QString rootDirectory);

    const QString& root() const { return root_; }

    // Absolute path of the existing entry that `relative` names (relative to the root; an absolute
    // path is resolved from '/'). When no such entry exists, returns the path as written with '/'
    // separators, so callers simply fail to open it.
    QString resolve(QStringView relative) const;

    // True when `relative` names an existing file or directory.
    bool exists(QStringView relative) const;

    void clearCache() const { listings_.clear(); }

private:
    struct Listing {
        QDateTime modified;
        bool racy = true; // listed within a second of its last change: may miss a later change
        QSet<QString> exact;
        QHash<QString, QString> byFoldedName; // case-folded name -> the least real name
    };
    const Listing* listing(const QString& directory) const;

    QString root_;
    mutable QHash<QString, Listing> listings_;
};

} // namespace qinghe
