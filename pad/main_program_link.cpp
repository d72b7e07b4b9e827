#include "pad/main_program_link.h"

namespace qinghe::pad {

MainProgramLink::MainProgramLink(QString serverName, int timeoutMs, QObject* parent)
    : QObject(parent)
    , serverName_(std::move(serverName)) {
    deadline_.setSingleShot(true);
    deadline_.setInterval(timeoutMs);
    connect(&deadline_, &QTimer::timeout, this, &MainProgramLink::giveUp);
    connect(&socket_, &QLocalSocket::connected, this, &MainProgramLink::flush);
    connect(&socket_, &QLocalSocket::readyRead, this, &MainProgramLink::read);
    connect(&socket_, &QLocalSocket::bytesWritten, this, [this] {
        if (socket_.bytesToWrite() == 0) {
            for (const Pending& done : std::as_const(unconfirmed_)) {
                if (!done.character.isEmpty()) {
                    Q_EMIT characterSent(done.character, true);
                }
            }
            unconfirmed_.clear();
            if (queue_.isEmpty()) {
                deadline_.stop();
            }
        }
    });
    // The main program closes a connection that has been idle a while; lines still waiting then go
    // over a new one.
    connect(&socket_, &QLocalSocket::disconnected, this, [this] {
        if (!queue_.isEmpty()) {
            QTimer::singleShot(0, this, [this] {
                if (!queue_.isEmpty() && socket_.state() == QLocalSocket::UnconnectedState) {
                    lines_ = LineBuffer();
                    socket_.connectToServer(serverName_);
                }
            });
        }
    });
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
        if (error != QLocalSocket::PeerClosedError) {
            giveUp();
        }
    });
}

void MainProgramLink::sendCharacter(const QString& character) {
    send({padLine(PadMessage::Kind::Character, character), character});
}

void MainProgramLink::requestBook() {
    send({padLine(PadMessage::Kind::BookQuery), {}});
}

void MainProgramLink::send(Pending pending) {
    queue_.append(std::move(pending));
    deadline_.start();
    switch (socket_.state()) {
    case QLocalSocket::ConnectedState:
        flush();
        break;
    case QLocalSocket::UnconnectedState:
        lines_ = LineBuffer();
        socket_.connectToServer(serverName_);
        break;
    default:
        break; // connecting or closing: the connection's outcome decides
    }
}

void MainProgramLink::flush() {
    if (socket_.state() != QLocalSocket::ConnectedState) {
        return;
    }
    for (Pending& pending : queue_) {
        socket_.write(pending.line);
        unconfirmed_.append(std::move(pending));
    }
    queue_.clear();
}

void MainProgramLink::giveUp() {
    deadline_.stop();
    const QList<Pending> lost = unconfirmed_ + queue_;
    unconfirmed_.clear();
    queue_.clear();
    socket_.abort();
    for (const Pending& pending : lost) {
        if (!pending.character.isEmpty()) {
            Q_EMIT characterSent(pending.character, false);
        }
    }
}

void MainProgramLink::read() {
    const QByteArray bytes = socket_.read(kMaxPadLineBytes * 4);
    for (const QByteArray& line : lines_.feed(bytes)) {
        const PadMessage message = parsePadLine(line);
        if (message.kind == PadMessage::Kind::Book) {
            Q_EMIT bookReceived(message.text);
        }
    }
    if (socket_.bytesAvailable() > 0) {
        QTimer::singleShot(0, this, &MainProgramLink::read);
    }
}

} // namespace qinghe::pad
