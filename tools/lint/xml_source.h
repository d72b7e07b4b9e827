#pragma once

#include "line_index.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

#include <memory>

namespace qinghe::lint {

class Report;

// A content document read the way the program reads it (declared encoding honoured, one document
// element, the same size cap), keeping what is needed to give each element its line.
class XmlSource {
public:
    enum class Status { Ok, Missing, TooLarge, Unreadable, BadEncoding, Malformed };

    static XmlSource load(const QString& absolutePath);
    static XmlSource fromBytes(const QByteArray& raw);

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }
    // For a malformed document: what is wrong and where (line 0 when the parser gives no place).
    const QString& problem() const { return problem_; }
    int problemLine() const { return problemLine_; }

    // The document element (empty unless ok()).
    pugi::xml_node root() const;
    int lineOf(const pugi::xml_node& node) const;

    // Reports a load problem on `file` (relative path); `missing` is the message for a missing file.
    // Returns ok().
    bool reportProblems(Report& report, const QString& file, const QString& missing) const;

private:
    Status status_ = Status::Missing;
    QString problem_;
    int problemLine_ = 0;
    LineIndex lines_;
    std::unique_ptr<pugi::xml_document> document_;
};

} // namespace qinghe::lint
