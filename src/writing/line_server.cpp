#include "writing/line_server.h"

#include <QLocalSocket>
#include <QTimer>

namespace qinghe {

LineServer::LineServer(QString name, int peerTimeoutMs, Handler handler, QObject* parent)
    : QObject(parent)
    , name_(std::move(name))
    , peerTimeoutMs_(peerTimeoutMs)
    , handler_(std::move(handler)) {
    // Only the user's own programs may connect.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &LineServer::accept);
}

bool LineServer::listen(int probeTimeoutMs) {
    if (server_.isListening()) {
        return true;
    }
    // Asked first: with access options Qt binds the socket elsewhere and renames it into place, which
    // would silently take the name from a running program.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(probeTimeoutMs)) {
        probe.abort();
        return false;
    }
    // Nobody answers: whatever is left under the name is from a program that ended without closing it.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}

void LineServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        ++peers_;
        auto buffer = std::make_shared<LineBuffer>();
        auto received = std::make_shared<qint64>(0);
        const auto drop = [socket] {
            socket->abort();
            socket->deleteLater();
        };
        QTimer::singleShot(peerTimeoutMs_, socket, drop);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] { --peers_; });
        const auto read = [this, socket, drop, buffer, received] {
            const QByteArray bytes = socket->read(kMaxPeerBytes + 1);
            *received += bytes.size();
            if (*received > kMaxPeerBytes) {
                drop();
                return;
            }
            for (const QByteArray& line : buffer->feed(bytes)) {
                const QByteArray answer = handler_(parsePadLine(line));
                if (!answer.isEmpty() && socket->state() == QLocalSocket::ConnectedState) {
                    socket->write(answer);
                }
            }
        };
        connect(socket, &QLocalSocket::readyRead, socket, read);
        // Bytes may have arrived with the connection.
        if (socket->bytesAvailable() > 0) {
            read();
        }
    }
}

} // namespace qinghe
