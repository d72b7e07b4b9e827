#include "base/process_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace qinghe {

bool QtProcessLauncher::startDetached(const QString& program, const QStringList& arguments) {
    if (!QFileInfo(program).isExecutable()) {
        return false;
    }
    return QProcess::startDetached(program, arguments);
}

} // namespace qinghe
