#pragma once

#include "writing/line_server.h"
#include "writing/pad_link.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace qinghe {

// The main program's end of the pad link, a local socket named mainProgramServerName(). "char <X>"
// puts X into the focused text field (an answer field of a test window, say); "book?" is answered
// with the current book's characters, which the pad offers first. Peers are bounded by LineServer.
class PadInput : public QObject {
    Q_OBJECT

public:
    explicit PadInput(QString serverName = mainProgramServerName(), int peerTimeoutMs = 2000,
                      QObject* parent = nullptr);

    // False when another running program has the name (its pad then writes there).
    bool listen();
    bool isListening() const { return server_.isListening(); }
    const QString& serverName() const { return server_.name(); }

    // The characters of the current book, sent to the pad when it asks.
    void setBookCharacters(const QString& characters) { book_ = characters; }
    const QString& bookCharacters() const { return book_; }

    // The field a character goes to: the focused widget, or, while the program is not the active one
    // (the child is busy on the pad), the widget that had the focus in the window active last.
    QWidget* targetField() const;

Q_SIGNALS:
    void characterReceived(const QString& character, bool inserted);

private:
    QByteArray answer(const PadMessage& message);

    LineServer server_;
    QString book_;
    QPointer<QWidget> lastWindow_;
};

} // namespace qinghe
