#include "writing/pad_protocol.h"

#include <QStringDecoder>

namespace qinghe {

namespace {

bool hasControlCharacters(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) {
            return true;
        }
    }
    return false;
}

// Exactly one character as the child sees it: one code point, that is, one or a surrogate pair.
bool isOneCharacter(const QString& text) {
    if (text.size() == 1) {
        return !text[0].isSurrogate() && !text[0].isSpace();
    }
    return text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
}

} // namespace

QList<QByteArray> LineBuffer::feed(QByteArrayView bytes) {
    QList<QByteArray> lines;
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView piece = end < 0 ? bytes : bytes.first(end);
        if (!skipping_) {
            if (pending_.size() + piece.size() > kMaxPadLineBytes) {
                pending_.clear();
                skipping_ = true;
                ++dropped_;
            } else {
                pending_.append(piece);
            }
        }
        if (end < 0) {
            break;
        }
        if (!skipping_) {
            if (pending_.endsWith('\r')) {
                pending_.chop(1);
            }
            lines.append(pending_);
        }
        pending_.clear();
        skipping_ = false;
        bytes = bytes.sliced(end + 1);
    }
    return lines;
}

PadMessage parsePadLine(QByteArrayView line) {
    PadMessage message;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(line);
    if (decoder.hasError() || hasControlCharacters(text)) {
        return message;
    }
    using Kind = PadMessage::Kind;
    if (text == u"quit") {
        message.kind = Kind::Quit;
    } else if (text == u"raise") {
        message.kind = Kind::Raise;
    } else if (text == u"ping") {
        message.kind = Kind::Ping;
    } else if (text == u"pong") {
        message.kind = Kind::Pong;
    } else if (text == u"book?") {
        message.kind = Kind::BookQuery;
    } else if (text.startsWith(u"char ")) {
        const QString character = text.sliced(5);
        if (isOneCharacter(character)) {
            message.kind = Kind::Character;
            message.text = character;
        }
    } else if (text == u"book" || text.startsWith(u"book ")) {
        message.kind = Kind::Book;
        message.text = text.sliced(qMin<qsizetype>(5, text.size()));
    }
    return message;
}

QByteArray padLine(PadMessage::Kind kind, const QString& text) {
    using Kind = PadMessage::Kind;
    QByteArray line;
    switch (kind) {
    case Kind::Quit:
        line = "quit";
        break;
    case Kind::Raise:
        line = "raise";
        break;
    case Kind::Ping:
        line = "ping";
        break;
    case Kind::Pong:
        line = "pong";
        break;
    case Kind::BookQuery:
        line = "book?";
        break;
    case Kind::Character:
        line = "char " + text.toUtf8();
        break;
    case Kind::Book: {
        // A line break inside would end the line early; a longer list is cut at a whole character.
        line = "book ";
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QByteArray piece = text.sliced(i, width).toUtf8();
            i += width - 1;
            if (piece == "\n" || piece == "\r") {
                continue;
            }
            if (line.size() + piece.size() + 1 > kMaxPadLineBytes) {
                break;
            }
            line += piece;
        }
        break;
    }
    case Kind::Unknown:
        break;
    }
    return line + '\n';
}

} // namespace qinghe
