#include "writing/pad_link.h"

#include "base/path_resolver.h"

#include <QLocalSocket>

namespace qinghe {

namespace {

// Sockets are per user, so two people logged in at once each reach their own pad.
QString userSocketName(const QString& prefix) {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        user = qEnvironmentVariable("USERNAME");
    }
    // A plain loop: a regular expression here costs the start-up several milliseconds to compile.
    for (QChar& c : user) {
        const char16_t u = c.unicode();
        const bool safe = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                          u == u'_' || u == u'.' || u == u'-';
        if (!safe) {
            c = u'_';
        }
    }
    return prefix + (user.isEmpty() ? QStringLiteral("user") : user);
}

} // namespace

QString padServerName() {
    return userSocketName(QStringLiteral("qinghe-handwrite-"));
}

QString mainProgramServerName() {
    return userSocketName(QStringLiteral("qinghe-main-"));
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
