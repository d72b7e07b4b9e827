#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace qinghe::lint {

enum class Severity { Warning, Error };

// One problem found in an edition. `file` is relative to the program folder (or the path of a file
// outside it, such as the overrides list, as given); `line` is 1-based, 0 for a problem of the whole
// file, which is then printed without a line.
struct Finding {
    Severity severity = Severity::Error;
    QString file;
    int line = 0;
    QString message;

    // "file:line: error: message", or "file: warning: message" for a whole-file problem.
    QString toString() const;
    bool operator==(const Finding&) const = default;
};

// Everything one run found, in the order found.
class Report {
public:
    void error(const QString& file, int line, const QString& message);
    void warning(const QString& file, int line, const QString& message);
    void add(Finding finding);
    // Puts a file's findings after those of the files declared before it, whatever order the checks
    // find them in; undeclared files follow in the order their first finding came.
    void declareFile(const QString& file);

    const std::vector<Finding>& findings() const { return findings_; }
    int errorCount() const { return errors_; }
    int warningCount() const { return int(findings_.size()) - errors_; }

    // Grouped by file (declared files first, in their order), then by line; findings of one line keep
    // the order they were found in.
    std::vector<Finding> sorted() const;
    // One line per finding, sorted.
    QStringList lines() const;
    // 1 with errors, or with warnings in strict mode; 0 otherwise.
    int exitCode(bool strict) const;

private:
    std::vector<Finding> findings_;
    QStringList declaredFiles_;
    int errors_ = 0;
};

} // namespace qinghe::lint
