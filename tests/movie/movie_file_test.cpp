#include "movie/movie_file.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe::test {
namespace {

TEST(MovieFileTest, OnlyUtf8TextCanBeAMovie) {
    struct Case {
        QByteArray bytes;
        bool text;
    };
    const Case cases[] = {
        {"import QtQuick\nItem {}\n", true},
        {"\xEF\xBB\xBFimport QtQuick\nItem {}\n", true},
        {"import QtQuick\nText { text: \"\xE5\xB1\xB1\" }\n", true}, // 山
        {"", false},
        {"\xEF\xBB\xBF", false},
        {"FWS\x09", false},
        {"CWSimport QtQuick", false},
        {"ZWS", false},
        {QByteArray("Item {}\0", 8), false},
        {"Text { text: \"\xBB\xF0\" }", false},     // 火 in GB18030
        {"Text { text: \"\xE5\xB1\" }", false},     // cut inside a character
        {"Text { text: \"\xC0\xAF\" }", false},     // overlong '/'
        {"Text { text: \"\xED\xA0\x80\" }", false}, // a lone surrogate
        {"fws is only a signature in capitals", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(looksLikeMovieText(c.bytes), c.text);
    }
}

TEST(MovieFileTest, ReadingStopsAtTheCapAndDropsTheByteOrderMark) {
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    writeFile(root + QStringLiteral("/six.qml"), "Item{}");
    writeFile(root + QStringLiteral("/seven.qml"), "Item {}");
    writeFile(root + QStringLiteral("/bom.qml"), "\xEF\xBB\xBFItem{}");

    const MovieFile six = readMovieFile(root + QStringLiteral("/six.qml"), root, 6);
    EXPECT_EQ(six.status, MovieFileStatus::Ok);
    EXPECT_EQ(six.text, QByteArray("Item{}"));
    EXPECT_EQ(six.size, 6);
    EXPECT_EQ(six.canonicalPath, root + QStringLiteral("/six.qml"));
    EXPECT_EQ(readMovieFile(root + QStringLiteral("/seven.qml"), root, 6).status, MovieFileStatus::TooLarge);
    EXPECT_EQ(readMovieFile(root + QStringLiteral("/bom.qml"), root, 9).text, QByteArray("Item{}"));
    EXPECT_EQ(readMovieFile(root + QStringLiteral("/none.qml"), root).status, MovieFileStatus::Missing);
    EXPECT_EQ(readMovieFile(root + QStringLiteral("/six.qml"), root + QStringLiteral("/sub")).status,
              MovieFileStatus::OutsideProgram);
}

TEST(MovieFileTest, AddressesAsTheProgramWritesThem) {
    struct Case {
        const char* address;
        const char* path;
    };
    const Case cases[] = {
        {"file:///C|/Prog/Data/laba.swf", "C:/Prog/Data/laba.swf"},
        {"file:///C:/Prog/Data/laba.swf", "C:/Prog/Data/laba.swf"},
        {"file:////opt/qinghe/Data/laba.swf", "/opt/qinghe/Data/laba.swf"},
        {"file:///opt/qinghe/Data/laba.swf", "/opt/qinghe/Data/laba.swf"},
        {"FILE:///opt/q/Data\\RJ\\hzbs\\山.swf", "/opt/q/Data/RJ/hzbs/山.swf"},
        {"file:///opt/q/%E5%B1%B1%20a.swf", "/opt/q/山 a.swf"},
        {"/opt/q/Data/main.dat", "/opt/q/Data/main.dat"},
        {"Data\\systxt\\lose.txt", "Data\\systxt\\lose.txt"},
        {"C:\\Prog\\zcxx.swf", "C:\\Prog\\zcxx.swf"},
        {"http://example.org/a.swf", ""},
        {"javascript:alert(1)", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(movieAddressToPath(QString::fromUtf8(c.address)), QString::fromUtf8(c.path)) << c.address;
    }
}

} // namespace
} // namespace qinghe::test
