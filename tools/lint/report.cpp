#include "report.h"

#include <QHash>

#include <algorithm>

namespace qinghe::lint {

QString Finding::toString() const {
    const QString where = line > 0 ? file + u':' + QString::number(line) : file;
    const QString kind = severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
    return where + QStringLiteral(": ") + kind + QStringLiteral(": ") + message;
}

void Report::error(const QString& file, int line, const QString& message) {
    add(Finding{Severity::Error, file, line, message});
}

void Report::warning(const QString& file, int line, const QString& message) {
    add(Finding{Severity::Warning, file, line, message});
}

void Report::add(Finding finding) {
    errors_ += finding.severity == Severity::Error ? 1 : 0;
    findings_.push_back(std::move(finding));
}

void Report::declareFile(const QString& file) {
    if (!declaredFiles_.contains(file)) {
        declaredFiles_ << file;
    }
}

std::vector<Finding> Report::sorted() const {
    QHash<QString, int> fileOrder;
    for (const QString& file : declaredFiles_) {
        fileOrder.insert(file, int(fileOrder.size()));
    }
    for (const Finding& finding : findings_) {
        fileOrder.insert(finding.file, fileOrder.value(finding.file, int(fileOrder.size())));
    }
    std::vector<Finding> out = findings_;
    std::stable_sort(out.begin(), out.end(), [&fileOrder](const Finding& a, const Finding& b) {
        const int fileA = fileOrder.value(a.file);
        const int fileB = fileOrder.value(b.file);
        return fileA != fileB ? fileA < fileB : a.line < b.line;
    });
    return out;
}

QStringList Report::lines() const {
    QStringList out;
    for (const Finding& finding : sorted()) {
        out << finding.toString();
    }
    return out;
}

int Report::exitCode(bool strict) const {
    return errors_ > 0 || (strict && warningCount() > 0) ? 1 : 0;
}

} // namespace qinghe::lint
