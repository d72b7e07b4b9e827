#include "support/qt_printers.h"
#include "writing/pad_link.h"
#include "writing/pad_protocol.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

using Kind = PadMessage::Kind;

QList<QByteArray> feedAll(LineBuffer& buffer, const QList<QByteArray>& chunks) {
    QList<QByteArray> lines;
    for (const QByteArray& chunk : chunks) {
        lines += buffer.feed(chunk);
    }
    return lines;
}

TEST(LineBuffer, CutsLinesAcrossChunks) {
    struct Case {
        const char* name;
        QList<QByteArray> chunks;
        QList<QByteArray> lines;
        qsizetype pending;
    };
    const Case cases[] = {
        {"one line", {"quit\n"}, {"quit"}, 0},
        {"two in one chunk", {"ping\nraise\n"}, {"ping", "raise"}, 0},
        {"half a line waits", {"pi", "ng"}, {}, 4},
        {"half a line completed", {"pi", "ng\nqu", "it\n"}, {"ping", "quit"}, 0},
        {"carriage return dropped", {"quit\r\n"}, {"quit"}, 0},
        {"only the last CR", {"a\r\r\n"}, {"a\r"}, 0},
        {"empty lines kept", {"\n\n"}, {"", ""}, 0},
        {"byte by byte", {"c", "h", "a", "r", " ", "x", "\n"}, {"char x"}, 0},
        {"nothing", {""}, {}, 0},
    };
    for (const Case& c : cases) {
        LineBuffer buffer;
        EXPECT_EQ(feedAll(buffer, c.chunks), c.lines) << c.name;
        EXPECT_EQ(buffer.pending(), c.pending) << c.name;
        EXPECT_EQ(buffer.dropped(), 0) << c.name;
    }
}

TEST(LineBuffer, DropsAnOverlongLineWholeAndCarriesOn) {
    LineBuffer buffer;
    const QByteArray longest(kMaxPadLineBytes, 'a');
    EXPECT_EQ(buffer.feed(longest + "\n"), QList<QByteArray>{longest});

    // One byte too many, arriving in pieces: nothing of it comes out, the next line does.
    EXPECT_TRUE(buffer.feed(QByteArray(kMaxPadLineBytes, 'b')).isEmpty());
    EXPECT_EQ(buffer.pending(), kMaxPadLineBytes);
    EXPECT_TRUE(buffer.feed("b").isEmpty());
    EXPECT_EQ(buffer.pending(), 0);
    EXPECT_EQ(buffer.dropped(), 1);
    // Megabytes more of the same line are skipped without being held.
    for (int i = 0; i < 256; ++i) {
        EXPECT_TRUE(buffer.feed(QByteArray(16 * 1024, 'c')).isEmpty());
        ASSERT_EQ(buffer.pending(), 0);
    }
    EXPECT_EQ(buffer.feed("tail\nquit\n"), QList<QByteArray>{"quit"});
    EXPECT_EQ(buffer.dropped(), 1);
}

TEST(PadLine, ParsesEveryMessageAndRejectsTheRest) {
    struct Case {
        QByteArray line;
        Kind kind;
        const char* text;
    };
    const Case cases[] = {
        {"quit", Kind::Quit, ""},
        {"raise", Kind::Raise, ""},
        {"ping", Kind::Ping, ""},
        {"pong", Kind::Pong, ""},
        {"book?", Kind::BookQuery, ""},
        {"char 永", Kind::Character, "永"},
        {"char 𠀀", Kind::Character, "𠀀"}, // outside the basic plane: one character, two UTF-16 units
        {"char a", Kind::Character, "a"},
        {"book 天地人你我他", Kind::Book, "天地人你我他"},
        {"book ", Kind::Book, ""},
        {"book", Kind::Book, ""},
        // Everything else is ignored.
        {"", Kind::Unknown, ""},
        {"QUIT", Kind::Unknown, ""},
        {" quit", Kind::Unknown, ""},
        {"quit ", Kind::Unknown, ""},
        {"quit\r", Kind::Unknown, ""},
        {"char ", Kind::Unknown, ""},
        {"char  ", Kind::Unknown, ""},
        {"char 永久", Kind::Unknown, ""},
        {"char\t永", Kind::Unknown, ""},
        {"char \x01", Kind::Unknown, ""},
        {"char \xe6\xb0", Kind::Unknown, ""},     // truncated UTF-8
        {"char \xff", Kind::Unknown, ""},         // not UTF-8
        {"char \xed\xa0\x80", Kind::Unknown, ""}, // an encoded lone surrogate
        {QByteArray("quit\0", 5), Kind::Unknown, ""},
        {"book\x7f", Kind::Unknown, ""},
        {"books", Kind::Unknown, ""},
    };
    for (const Case& c : cases) {
        const PadMessage message = parsePadLine(c.line);
        EXPECT_EQ(message.kind, c.kind) << c.line.toStdString();
        EXPECT_EQ(message.text, QString::fromUtf8(c.text)) << c.line.toStdString();
    }
}

TEST(PadLine, WritesLinesThatParseBack) {
    EXPECT_EQ(padLine(Kind::Quit), QByteArray("quit\n"));
    EXPECT_EQ(padLine(Kind::Raise), QByteArray("raise\n"));
    EXPECT_EQ(padLine(Kind::Ping), QByteArray("ping\n"));
    EXPECT_EQ(padLine(Kind::Pong), QByteArray("pong\n"));
    EXPECT_EQ(padLine(Kind::BookQuery), QByteArray("book?\n"));
    EXPECT_EQ(padLine(Kind::Character, QStringLiteral("写")), QByteArray("char 写\n"));
    EXPECT_EQ(padLine(Kind::Book, QStringLiteral("山\n水\r火")), QByteArray("book 山水火\n"));

    for (const QString& character : {QStringLiteral("我"), QStringLiteral("𠀀")}) {
        LineBuffer buffer;
        const QList<QByteArray> lines = buffer.feed(padLine(Kind::Character, character));
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(parsePadLine(lines[0]).text, character);
    }
}

TEST(PadLine, CutsALongBookAtAWholeCharacter) {
    // 2,000 characters of three UTF-8 bytes each are far more than a line holds.
    QString book;
    for (int i = 0; i < 1000; ++i) {
        book += QStringLiteral("学𠀀");
    }
    const QByteArray line = padLine(Kind::Book, book);
    EXPECT_LE(line.size(), kMaxPadLineBytes + 1);
    EXPECT_GT(line.size(), kMaxPadLineBytes - 8);
    LineBuffer buffer;
    const QList<QByteArray> lines = buffer.feed(line);
    ASSERT_EQ(lines.size(), 1);
    const PadMessage message = parsePadLine(lines[0]);
    ASSERT_EQ(message.kind, Kind::Book);
    EXPECT_TRUE(book.startsWith(message.text));
    EXPECT_FALSE(message.text.back().isHighSurrogate());
}

TEST(PadLine, SocketNamesArePerUserAndSafe) {
    const QByteArray saved = qgetenv("USER");
    qputenv("USER", "li/ming ü");
    EXPECT_EQ(padServerName(), QStringLiteral("qinghe-handwrite-li_ming__"));
    EXPECT_EQ(mainProgramServerName(), QStringLiteral("qinghe-main-li_ming__"));
    qputenv("USER", saved);
}

} // namespace
} // namespace qinghe
