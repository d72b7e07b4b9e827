#include "base/path_resolver.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace qinghe {

namespace {

QString normalised(QStringView path) {
    QString out = path.toString();
    out.replace(u'\\', u'/');
    return out;
}

} // namespace

PathResolver::PathResolver(QString rootDirectory)
    : root_(std::move(rootDirectory)) {
    if (!root_.endsWith(u'/')) {
        root_ += u'/';
    }
}

const PathResolver::Listing* PathResolver::listing(const QString& directory) const {
    const QFileInfo info(directory);
    if (!info.isDir()) {
        return nullptr;
    }
    const QDateTime modified = info.lastModified();
    auto it = listings_.find(directory);
    if (it != listings_.end() && it->modified == modified && !it->racy) {
        return &*it;
    }
    Listing fresh;
    fresh.modified = modified;
    // Time stamps are coarse: a listing taken in the same second as the change it reflects cannot
    // be trusted to see the next change of that second, so it is taken again next time.
    fresh.racy = modified.msecsTo(QDateTime::currentDateTimeUtc()) < 2000;
    // Names only, in the order the system gives them: sorting them, as QDir::entryList does, is most of
    // the cost of a listing and nothing here needs an order.
    QDirIterator names(directory, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (names.hasNext()) {
        names.next();
        const QString name = names.fileName();
        fresh.exact.insert(name);
        // Names that differ only in case: the same one wins every time, whatever the listing order.
        QString& folded = fresh.byFoldedName[name.toCaseFolded()];
        if (folded.isEmpty() || name < folded) {
            folded = name;
        }
    }
    return &*listings_.insert(directory, std::move(fresh));
}

QString PathResolver::resolve(QStringView relative) const {
    const QString path = normalised(relative);
    const bool absolute = path.startsWith(u'/');
    QString current = absolute ? QStringLiteral("/") : root_;
    const QString direct = absolute ? path : root_ + path;
    if (QFileInfo::exists(direct)) {
        return QDir::cleanPath(direct);
    }

    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == u".") {
            continue;
        }
        QString next;
        if (part != u"..") {
            if (const Listing* list = listing(current)) {
                // An exact spelling wins: Base64 sound names may differ from each other only in case.
                next = list->exact.contains(part) ? part : list->byFoldedName.value(part.toCaseFolded());
            }
        }
        if (next.isEmpty()) {
            // Not found (or ".."): keep the rest as written.
            QString rest = current;
            for (qsizetype j = i; j < parts.size(); ++j) {
                rest += parts[j];
                if (j + 1 < parts.size()) {
                    rest += u'/';
                }
            }
            return QDir::cleanPath(rest);
        }
        current += next;
        if (i + 1 < parts.size()) {
            current += u'/';
        }
    }
    return QDir::cleanPath(current);
}

bool PathResolver::exists(QStringView relative) const {
    return QFileInfo::exists(resolve(relative));
}

} // namespace qinghe
