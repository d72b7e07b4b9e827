#pragma once

#include "writing/line_server.h"
#include "writing/pad_link.h"

#include <QObject>

namespace qinghe::pad {

// The pad's own socket, named padServerName(): the main program tells the pad to quit through it, and a
// second start of the pad asks the running one to come forward. "ping" is answered "pong".
class PadServer : public QObject {
    Q_OBJECT

public:
    explicit PadServer(QString name = padServerName(), int peerTimeoutMs = 2000, QObject* parent = nullptr);

    // False when a running pad has the name.
    bool listen();
    bool isListening() const { return server_.isListening(); }
    const QString& name() const { return server_.name(); }

Q_SIGNALS:
    void quitRequested();
    void raiseRequested();

private:
    QByteArray answer(const PadMessage& message);

    LineServer server_;
};

// Asks a pad running under `name` to come forward; true when one took the request (this start of the
// pad then ends). Waits `timeoutMs` at most for each step.
bool raiseRunningPad(const QString& name, int timeoutMs = 500);

} // namespace qinghe::pad
