#include "base/program_dir.h"

#include <QCoreApplication>
#include <QDir>

namespace qinghe {

QString programDirectory() {
    QString dir = qEnvironmentVariable("QINGHE_HOME");
    if (dir.isEmpty()) {
        dir = QCoreApplication::applicationDirPath();
    }
    dir = QDir::cleanPath(QDir(dir).absolutePath());
    if (!dir.endsWith(u'/')) {
        dir += u'/';
    }
    return dir;
}

} // namespace qinghe
