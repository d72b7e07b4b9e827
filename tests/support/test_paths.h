#pragma once

#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace qinghe::test {

// tests/data in the source tree (the fixture edition lives in tests/data/edition).
QString dataDir();
QString fixtureEdition();

// Reads a whole file; empty when missing.
QByteArray readFile(const QString& path);
// Writes a whole file, creating its folder.
void writeFile(const QString& path, const QByteArray& bytes);

// A fresh copy of the fixture edition in a temporary folder, for tests that change files.
class EditionCopy {
public:
    EditionCopy();
    QString root() const { return dir_.path() + QStringLiteral("/"); }
    QString path(const QString& relative) const { return root() + relative; }

private:
    QTemporaryDir dir_;
};

} // namespace qinghe::test
