#pragma once

#include <QString>
#include <QtGlobal>

namespace qinghe {

// Finds the exported function `entry` in the program's module `baseName` (a shared library beside
// the executable, e.g. "qinghe-movies" for qinghe-movies.so). The library stays loaded for the rest
// of the run. Null, with the reason in the debug log, when the module is missing or broken.
// Safe to call from a worker thread.
QFunctionPointer moduleEntry(const QString& directory, const QString& baseName, const char* entry);

// The folder of the running executable, where the modules are; usable before QApplication exists.
QString executableDirectory();

} // namespace qinghe
