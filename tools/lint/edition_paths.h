#pragma once

#include "base/path_resolver.h"

#include <QString>

namespace qinghe::lint {

// Paths inside the program folder. The program writes them with '\' and in any letter case and
// finds the files without regard to case; messages show them relative to the program folder, in
// the spelling found on disk where the file exists.
class EditionPaths {
public:
    EditionPaths(const QString& programDirectory, const QString& editionCode);

    const QString& programDirectory() const { return programDirectory_; }
    // "Data/<edition code>", as found on disk.
    const QString& editionFolder() const { return editionFolder_; }

    // Absolute path of `relative` (any separators and case); the path as written when missing.
    QString absolute(const QString& relative) const;
    // `relative` as shown in messages.
    QString shown(const QString& relative) const;
    // An absolute path inside the program folder as shown in messages.
    QString shownAbsolute(const QString& absolutePath) const;
    bool exists(const QString& relative) const { return resolver_.exists(relative); }

private:
    QString programDirectory_; // ends with '/'
    PathResolver resolver_;
    QString editionFolder_;
};

} // namespace qinghe::lint
