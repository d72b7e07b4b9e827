#include "writing/pad_link.h"

#include "base/path_resolver.h"

#include <QLocalSocket>
#include <QRegularExpression>

namespace qinghe {

QString padServerName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = qEnvironmentVariable("USERNAME");
    }
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.-]"));
    user.replace(unsafe, QStringLiteral("_"));
    return QStringLiteral("qinghe-handwrite-") + (user.isEmpty() ? QStringLiteral("user") : user);
}

QString padProgramPath(const QString& programDirectory) {
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("Data\\hand\\HandWrite.exe");
#else
    const QString name = QStringLiteral("Data\\hand\\HandWrite");
#endif
    return PathResolver(programDirectory).resolve(name);
}

bool LocalSocketPadLink::isRunning() {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    const bool connected = socket.waitForConnected(timeoutMs_);
    socket.abort();
    return connected;
}

bool LocalSocketPadLink::sendQuit() {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs_)) {
        return false;
    }
    socket.write("quit\n");
    const bool written = socket.waitForBytesWritten(timeoutMs_);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMs_);
    }
    return written;
}

} // namespace qinghe
