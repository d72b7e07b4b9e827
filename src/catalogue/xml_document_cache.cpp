#include "catalogue/xml_document_cache.h"

#include <QFileInfo>

namespace qinghe {

std::shared_ptr<const XmlDocument> XmlDocumentCache::get(const QString& path) {
    const QFileInfo info(path);
    const bool exists = info.isFile();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;

    auto it = entries_.find(path);
    if (it != entries_.end() && it->modified == modified && it->size == size) {
        it->lastUse = ++useCounter_;
        return it->document;
    }

    auto document = std::make_shared<XmlDocument>();
    if (exists) {
        document->load(path);
        ++parses_;
    }
    if (entries_.size() >= capacity_ && it == entries_.end()) {
        auto oldest = entries_.begin();
        for (auto candidate = entries_.begin(); candidate != entries_.end(); ++candidate) {
            if (candidate->lastUse < oldest->lastUse) {
                oldest = candidate;
            }
        }
        entries_.erase(oldest);
    }
    entries_.insert(path, Entry{modified, size, ++useCounter_, document});
    return document;
}

} // namespace qinghe
