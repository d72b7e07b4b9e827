#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QString>
#include <QTest>

namespace qinghe::test {

// The other end of a line-protocol socket in a test. Nothing blocks: the server under test runs in the
// same thread, so every wait lets the event loop run and gives up after `timeoutMs`.
class TestPeer {
public:
    explicit TestPeer(const QString& serverName) {
        QObject::connect(&socket, &QLocalSocket::readyRead, [this] { received += socket.readAll(); });
        socket.connectToServer(serverName);
    }

    bool connected(int timeoutMs = 2000) {
        return QTest::qWaitFor([this] { return socket.state() == QLocalSocket::ConnectedState; }, timeoutMs);
    }
    void send(const QByteArray& bytes) {
        socket.write(bytes);
        socket.flush();
    }
    bool receives(const QByteArray& expected, int timeoutMs = 2000) {
        return QTest::qWaitFor([&] { return received.contains(expected); }, timeoutMs);
    }
    bool dropped(int timeoutMs = 2000) {
        return QTest::qWaitFor([this] { return socket.state() == QLocalSocket::UnconnectedState; },
                               timeoutMs);
    }

    QLocalSocket socket;
    QByteArray received;
};

// A socket name no running program uses.
inline QString uniqueSocketName(const char* what) {
    static int serial = 0;
    return QStringLiteral("qinghe-test-%1-%2-%3")
        .arg(QString::fromLatin1(what))
        .arg(QCoreApplication::applicationPid())
        .arg(++serial);
}

} // namespace qinghe::test
