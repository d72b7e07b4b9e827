#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace qinghe {

// The pad and the main program talk in short UTF-8 lines ended by '\n' (a '\r' before it is dropped).
// To the pad: "quit", "raise", "ping" (answered "pong"). To the main program: "char <X>" (put X into the
// focused text field) and "book?" (answered "book <the current book's characters>").
inline constexpr qsizetype kMaxPadLineBytes = 4096;

// Cuts a byte stream into lines. A line longer than kMaxPadLineBytes is dropped whole, up to and
// including its '\n', however long it grows, so a peer cannot make us hold more than that.
class LineBuffer {
public:
    QList<QByteArray> feed(QByteArrayView bytes);
    // Bytes of an unfinished line held (never more than kMaxPadLineBytes).
    qsizetype pending() const { return pending_.size(); }
    // Lines dropped for their length so far.
    int dropped() const { return dropped_; }

private:
    QByteArray pending_;
    bool skipping_ = false;
    int dropped_ = 0;
};

struct PadMessage {
    enum class Kind { Unknown, Quit, Raise, Ping, Pong, Character, BookQuery, Book };
    Kind kind = Kind::Unknown;
    QString text; // the character of "char", the characters of "book"
};

// Unknown for anything else: bad UTF-8, control characters, "char" with no character or more than one.
PadMessage parsePadLine(QByteArrayView line);

// The line for a message, '\n' included.
QByteArray padLine(PadMessage::Kind kind, const QString& text = {});

} // namespace qinghe
