#include "pad/pad_server.h"

#include <QLocalSocket>

namespace qinghe::pad {

PadServer::PadServer(QString name, int peerTimeoutMs, QObject* parent)
    : QObject(parent)
    , server_(
          std::move(name), peerTimeoutMs, [this](const PadMessage& m) { return answer(m); }, this) {}

bool PadServer::listen() {
    return server_.listen();
}

QByteArray PadServer::answer(const PadMessage& message) {
    switch (message.kind) {
    case PadMessage::Kind::Quit:
        Q_EMIT quitRequested();
        return {};
    case PadMessage::Kind::Raise:
        Q_EMIT raiseRequested();
        return {};
    case PadMessage::Kind::Ping:
        return padLine(PadMessage::Kind::Pong);
    default:
        return {};
    }
}

bool raiseRunningPad(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(padLine(PadMessage::Kind::Raise));
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMs);
    }
    // Someone holds the name: whether or not it read the request, a second pad could not listen.
    return true;
}

} // namespace qinghe::pad
