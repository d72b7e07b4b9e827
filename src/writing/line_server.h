#pragma once

#include "writing/pad_protocol.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace qinghe {

// A local socket server speaking the pad's line protocol, for both ends of the link. Each peer may stay
// `peerTimeoutMs` and send kMaxPeerBytes, no more; then it is dropped. Lines that are not messages
// are ignored. Answers are written without waiting for the peer to read them, so no peer can hold us.
class LineServer : public QObject {
public:
    static constexpr qint64 kMaxPeerBytes = 64 * 1024;
    // The answer to a message ("" for none).
    using Handler = std::function<QByteArray(const PadMessage&)>;

    LineServer(QString name, int peerTimeoutMs, Handler handler, QObject* parent = nullptr);

    // Listens on the name, taking over a socket left by a program that ended without closing it; false
    // when a running program answers on the name or listening fails. Waits `probeTimeoutMs` at most.
    bool listen(int probeTimeoutMs = 300);
    bool isListening() const { return server_.isListening(); }
    const QString& name() const { return name_; }
    int peers() const { return peers_; }

private:
    void accept();

    QString name_;
    int peerTimeoutMs_;
    Handler handler_;
    QLocalServer server_;
    int peers_ = 0;
};

} // namespace qinghe
