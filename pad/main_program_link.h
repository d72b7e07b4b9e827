#pragma once

#include "writing/pad_link.h"
#include "writing/pad_protocol.h"

#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace qinghe::pad {

// What the pad asks of the running main program.
class MainProgramPort {
public:
    virtual ~MainProgramPort() = default;
    // Puts the character into the main program's focused text field.
    virtual void sendCharacter(const QString& character) = 0;
    // Asks for the current book's characters; an answer, if any, comes later.
    virtual void requestBook() = 0;
};

// The main program reached over its local socket. Lines wait in order for one connection, which the
// main program closes when idle and the next line opens again. Nothing blocks: a main program that is
// not running or never reads costs a line that is given up after `timeoutMs`.
class MainProgramLink : public QObject, public MainProgramPort {
    Q_OBJECT

public:
    explicit MainProgramLink(QString serverName = mainProgramServerName(), int timeoutMs = 1000,
                             QObject* parent = nullptr);

    void sendCharacter(const QString& character) override;
    void requestBook() override;

Q_SIGNALS:
    void bookReceived(const QString& characters);
    // Each character: whether it was handed to the main program.
    void characterSent(const QString& character, bool delivered);

private:
    struct Pending {
        QByteArray line;
        QString character; // empty for a question
    };
    void send(Pending pending);
    void flush();
    void giveUp();
    void read();

    QString serverName_;
    QLocalSocket socket_;
    QTimer deadline_;
    QList<Pending> queue_;
    QList<Pending> unconfirmed_; // written, not yet known to be out of our hands
    LineBuffer lines_;
};

} // namespace qinghe::pad
