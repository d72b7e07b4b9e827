#include "catalogue/xml_document.h"

#include "base/text_encoding.h"

#include <QFile>
#include <QStringDecoder>

namespace qinghe {

namespace {

// The encoding named in the XML declaration, if any.
QByteArray declaredEncoding(const QByteArray& raw) {
    if (!raw.startsWith("<?xml")) {
        return {};
    }
    const qsizetype end = raw.indexOf("?>");
    if (end < 0 || end > 1024) {
        return {};
    }
    // encoding <space> = <space> a quoted name, read by hand: the first regular expression a program
    // uses costs it most of a millisecond, and the catalogue is read before the window first appears.
    const QByteArrayView declaration(raw.constData(), end);
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const auto isNameChar = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
               c == '_' || c == ':' || c == '-';
    };
    const auto isQuote = [](char c) { return c == '"' || c == '\''; };
    for (qsizetype at = declaration.indexOf("encoding"); at >= 0;
         at = declaration.indexOf("encoding", at + 1)) {
        qsizetype i = at + 8;
        while (i < end && isSpace(declaration[i])) {
            ++i;
        }
        if (i >= end || declaration[i] != '=') {
            continue;
        }
        ++i;
        while (i < end && isSpace(declaration[i])) {
            ++i;
        }
        if (i >= end || !isQuote(declaration[i])) {
            continue;
        }
        const qsizetype first = ++i;
        while (i < end && isNameChar(declaration[i])) {
            ++i;
        }
        if (i > first && i < end && isQuote(declaration[i])) {
            return declaration.sliced(first, i - first).toByteArray();
        }
    }
    return {};
}

} // namespace

std::optional<QByteArray> xmlToUtf8(const QByteArray& raw) {
    if (raw.startsWith("\xEF\xBB\xBF")) {
        const QByteArray body = raw.mid(3);
        return isValidUtf8(body) ? std::optional<QByteArray>(body) : std::nullopt;
    }
    if (raw.startsWith("\xFF\xFE") || raw.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(raw.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        const QString text = decoder(raw.mid(2));
        if (decoder.hasError()) {
            return std::nullopt;
        }
        return text.toUtf8();
    }
    const QByteArray encoding = declaredEncoding(raw).toLower();
    if (encoding.isEmpty() || encoding == "utf-8" || encoding == "utf8") {
        return isValidUtf8(raw) ? std::optional<QByteArray>(raw) : std::nullopt;
    }
    // GB2312 and GBK are subsets of GB18030; decoding with the superset also accepts files whose
    // declaration understates what they hold.
    const bool chinese =
        encoding == "gb2312" || encoding == "gbk" || encoding == "gb18030" || encoding == "cp936";
    QStringDecoder decoder(chinese ? "GB18030" : encoding.constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    const QString text = decoder(raw);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text.toUtf8();
}

bool XmlDocument::load(const QString& path) {
    clear();
    QFile file(path);
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    return loadBytes(file.read(kMaxFileSize + 1));
}

bool XmlDocument::loadBytes(const QByteArray& raw) {
    clear();
    if (raw.size() > kMaxFileSize) {
        return false;
    }
    const std::optional<QByteArray> utf8 = xmlToUtf8(raw);
    if (!utf8) {
        return false;
    }
    const pugi::xml_parse_result result =
        doc_.load_buffer(utf8->constData(), size_t(utf8->size()), pugi::parse_default, pugi::encoding_utf8);
    // A well-formed document has exactly one element at the top (pugixml would accept several).
    int topElements = 0;
    for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling()) {
        topElements += node.type() == pugi::node_element ? 1 : 0;
    }
    if (!result || topElements != 1) {
        doc_.reset();
        return false;
    }
    loaded_ = true;
    return true;
}

void XmlDocument::clear() {
    doc_.reset();
    loaded_ = false;
}

} // namespace qinghe
