#include "xml_source.h"

#include "catalogue/xml_document.h"
#include "report.h"

#include <QFile>
#include <QFileInfo>

namespace qinghe::lint {

XmlSource XmlSource::load(const QString& absolutePath) {
    XmlSource source;
    const QFileInfo info(absolutePath);
    if (!info.isFile()) {
        return source;
    }
    if (info.size() > XmlDocument::kMaxFileSize) {
        source.status_ = Status::TooLarge;
        return source;
    }
    QFile file(absolutePath);
    if (!file.open(QIODevice::ReadOnly)) {
        source.status_ = Status::Unreadable;
        return source;
    }
    const QByteArray raw = file.read(XmlDocument::kMaxFileSize + 1);
    if (raw.size() > XmlDocument::kMaxFileSize) {
        source.status_ = Status::TooLarge;
        return source;
    }
    return fromBytes(raw);
}

XmlSource XmlSource::fromBytes(const QByteArray& raw) {
    XmlSource source;
    if (raw.size() > XmlDocument::kMaxFileSize) {
        source.status_ = Status::TooLarge;
        return source;
    }
    const std::optional<QByteArray> utf8 = xmlToUtf8(raw);
    if (!utf8) {
        source.status_ = Status::BadEncoding;
        return source;
    }
    source.lines_ = LineIndex(*utf8);
    source.document_ = std::make_unique<pugi::xml_document>();
    // Parsed exactly as the program parses it, so a document the linter accepts is one it reads.
    const pugi::xml_parse_result result = source.document_->load_buffer(
        utf8->constData(), size_t(utf8->size()), pugi::parse_default, pugi::encoding_utf8);
    if (!result) {
        source.status_ = Status::Malformed;
        source.problem_ = QString::fromUtf8(result.description());
        source.problemLine_ = source.lines_.lineAt(result.offset);
        source.document_.reset();
        return source;
    }
    pugi::xml_node first;
    for (pugi::xml_node node = source.document_->first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_element) {
            continue;
        }
        if (first) {
            source.status_ = Status::Malformed;
            source.problem_ = QStringLiteral("a second document element <%1>").arg(xmlName(node));
            source.problemLine_ = source.lineOf(node);
            source.document_.reset();
            return source;
        }
        first = node;
    }
    if (!first) {
        source.status_ = Status::Malformed;
        source.problem_ = QStringLiteral("no document element");
        source.document_.reset();
        return source;
    }
    source.status_ = Status::Ok;
    return source;
}

pugi::xml_node XmlSource::root() const {
    return ok() ? document_->document_element() : pugi::xml_node();
}

int XmlSource::lineOf(const pugi::xml_node& node) const {
    const std::ptrdiff_t offset = node.offset_debug();
    return offset < 0 ? 0 : lines_.lineAt(offset);
}

bool XmlSource::reportProblems(Report& report, const QString& file, const QString& missing) const {
    switch (status_) {
    case Status::Ok:
        return true;
    case Status::Missing:
        report.error(file, 0, missing);
        break;
    case Status::TooLarge:
        report.error(file, 0,
                     QStringLiteral("larger than %1 MiB; the program does not read it")
                         .arg(XmlDocument::kMaxFileSize / (1024 * 1024)));
        break;
    case Status::Unreadable:
        report.error(file, 0, QStringLiteral("cannot be read"));
        break;
    case Status::BadEncoding:
        report.error(file, 0,
                     QStringLiteral("not in the encoding it declares (UTF-8 when it declares none)"));
        break;
    case Status::Malformed:
        report.error(file, problemLine_, QStringLiteral("not well-formed XML: ") + problem_);
        break;
    }
    return false;
}

} // namespace qinghe::lint
