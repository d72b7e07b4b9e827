#pragma once

#include <QString>
#include <QStringList>

namespace qinghe::edition {

// Runs a program (found on PATH) with `arguments` and waits for it. Plain posix_spawn rather than
// QProcess, because it runs inside forked workers where Qt's process machinery must not be used.
// False with the program's error output in `error` when it cannot start or does not exit with 0.
bool runTool(const QString& program, const QStringList& arguments, QString* error);

} // namespace qinghe::edition
