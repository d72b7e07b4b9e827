#include "base/module_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QLoggingCategory>

namespace qinghe {

namespace {
Q_LOGGING_CATEGORY(lcModule, "qinghe.module")
}

QFunctionPointer moduleEntry(const QString& directory, const QString& baseName, const char* entry) {
    QLibrary library(QDir(directory).filePath(baseName));
    // Our modules are never unloaded: their objects live until the program ends.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        qCDebug(lcModule).noquote() << "module not loaded:" << library.errorString();
        return nullptr;
    }
    QFunctionPointer function = library.resolve(entry);
    if (!function) {
        qCDebug(lcModule).noquote() << "module has no" << entry << ":" << library.errorString();
    }
    return function;
}

QString executableDirectory() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    // What Qt itself reads on Linux, without needing the application object.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

} // namespace qinghe
