#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <optional>

namespace qinghe {

// One parsed content document. The declared encoding is honoured (UTF-8, UTF-16 with BOM, and
// GB2312/GBK/GB18030 or any other encoding the platform can convert); no declaration means UTF-8.
// Malformed, wrongly encoded or oversized input is a load error and leaves the document empty.
class XmlDocument {
public:
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    bool load(const QString& path);
    bool loadBytes(const QByteArray& raw);
    void clear();

    bool isLoaded() const { return loaded_; }
    // The document element (empty node when not loaded).
    pugi::xml_node root() const { return loaded_ ? doc_.document_element() : pugi::xml_node(); }

private:
    pugi::xml_document doc_;
    bool loaded_ = false;
};

// The document's text as UTF-8, converted from the encoding its declaration (or BOM) names.
std::optional<QByteArray> xmlToUtf8(const QByteArray& raw);

// Element name and attribute text as QString (pugixml works in UTF-8).
inline QString xmlName(const pugi::xml_node& node) {
    return QString::fromUtf8(node.name());
}
inline QString xmlAttribute(const pugi::xml_node& node, const char* name) {
    return QString::fromUtf8(node.attribute(name).value());
}

} // namespace qinghe
