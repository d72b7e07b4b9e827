#pragma once

#include "catalogue/xml_document.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <memory>

namespace qinghe {

// Parsed documents by path, reused until the file changes (size or time stamp). Lesson switches
// read the same book's documents again and again; parsing them once keeps a switch cheap.
class XmlDocumentCache {
public:
    explicit XmlDocumentCache(int capacity = 8)
        : capacity_(capacity) {}

    // The parsed document, or an empty (not loaded) one when the file is missing or malformed.
    std::shared_ptr<const XmlDocument> get(const QString& path);

    int parseCount() const { return parses_; }
    void clear() { entries_.clear(); }

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        qint64 lastUse = 0;
        std::shared_ptr<const XmlDocument> document;
    };
    int capacity_;
    int parses_ = 0;
    qint64 useCounter_ = 0;
    QHash<QString, Entry> entries_;
};

} // namespace qinghe
