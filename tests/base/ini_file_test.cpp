#include "base/ini_file.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

IniDocument parse(const char* text) {
    return IniDocument::fromBytes(QByteArray(text));
}

TEST(IniDocument, ReadsLikeWindowsProfileFiles) {
    const IniDocument ini = parse("stray=before any section\r\n"
                                  "[BasicSet]\r\n"
                                  "  GBegin = 0  \r\n"
                                  "BanBen=\"Rj\"\r\n"
                                  "gbegin=7\r\n"
                                  "; comment=1\r\n"
                                  "JiaoCai='青禾开放版'\r\n"
                                  "novalue\r\n"
                                  "Empty=\r\n"
                                  "[basicset]\r\n"
                                  "RCLabel=second section is never read\r\n"
                                  "[Book]\n"
                                  "page=1,2,3\n"
                                  "[Numbers]\r"
                                  "n1= 42 \r"
                                  "n2=4x\r"
                                  "n3=-3");
    struct Case {
        const char16_t* section;
        const char16_t* key;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {u"BasicSet", u"GBegin", QStringLiteral("0")},
        {u"BASICSET", u"gBEGIN", QStringLiteral("0")}, // first key wins, any case
        {u"BasicSet", u"BanBen", QStringLiteral("Rj")},
        {u"BasicSet", u"JiaoCai", QStringLiteral("青禾开放版")},
        {u"BasicSet", u"Empty", QString()},
        {u"BasicSet", u"RCLabel", std::nullopt}, // duplicate section: the first one wins
        {u"BasicSet", u"; comment", std::nullopt},
        {u"BasicSet", u"novalue", std::nullopt},
        {u"BasicSet", u"stray", std::nullopt},
        {u"Book", u"page", QStringLiteral("1,2,3")},
        {u"Numbers", u"n1", QStringLiteral("42")},
        {u"Missing", u"x", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = ini.value(QStringView(c.section), QStringView(c.key));
        EXPECT_EQ(got, c.expected) << QString::fromUtf16(c.section).toStdString() << "/"
                                   << QString::fromUtf16(c.key).toStdString();
    }
    EXPECT_EQ(ini.integer(u"Numbers", u"n1", 5), 42);
    EXPECT_EQ(ini.integer(u"Numbers", u"n2", 5), 5);
    EXPECT_EQ(ini.integer(u"Numbers", u"n3", 5), -3);
    EXPECT_EQ(ini.integer(u"Numbers", u"none", 5), 5);
    EXPECT_TRUE(ini.boolean(u"Numbers", u"n1", false));
    EXPECT_TRUE(ini.boolean(u"Numbers", u"n2", true));
    EXPECT_FALSE(ini.boolean(u"BasicSet", u"GBegin", true));
}

TEST(IniDocument, WriteChangesOnlyItsLine) {
    struct Case {
        const char* name;
        QByteArray before;
        QString section, key, value;
        QByteArray after;
    };
    const Case cases[] = {
        {"replace keeps key spelling and other bytes",
         "; top\r\n[BasicSet]\r\nGBegin = 0\r\n  default_xinban=1 \r\nX=y\r\n", QStringLiteral("basicset"),
         QStringLiteral("DEFAULT_XINBAN"), QStringLiteral("3"),
         "; top\r\n[BasicSet]\r\nGBegin = 0\r\n  default_xinban=3\r\nX=y\r\n"},
        {"new key after the section's last line", "[A]\nk=1\n\n[B]\nm=2\n", QStringLiteral("A"),
         QStringLiteral("n"), QStringLiteral("v"), "[A]\nk=1\nn=v\n\n[B]\nm=2\n"},
        {"new key when the last line has no break", "[A]\nk=1", QStringLiteral("A"), QStringLiteral("n"),
         QStringLiteral("v"), "[A]\nk=1\nn=v"},
        {"new section appended with the file's line break", "[A]\r\nk=1", QStringLiteral("SoftBoot"),
         QStringLiteral("Use_HandWrite"), QStringLiteral("1"),
         "[A]\r\nk=1\r\n[SoftBoot]\r\nUse_HandWrite=1\r\n"},
        {"empty file", "", QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"), "[S]\r\nk=v\r\n"},
        {"line breaks in a value become spaces", "[S]\r\nk=1\r\n", QStringLiteral("S"), QStringLiteral("k"),
         QStringLiteral("a\r\nb"), "[S]\r\nk=a  b\r\n"},
        {"BOM kept", "\xEF\xBB\xBF[S]\nk=1\n", QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"),
         "\xEF\xBB\xBF[S]\nk=2\n"},
    };
    for (const Case& c : cases) {
        IniDocument ini = IniDocument::fromBytes(c.before);
        ini.setValue(c.section, c.key, c.value);
        EXPECT_EQ(ini.bytes(), c.after) << c.name;
        EXPECT_EQ(ini.value(c.section, c.key), c.value.contains(u'\n') ? QStringLiteral("a  b") : c.value)
            << c.name;
    }
}

TEST(IniDocument, Gb18030FileStaysGb18030) {
    const QByteArray gbk = encodeText(
        QStringLiteral("[BasicSet]\r\nJiaoCai=人民教育出版社\r\nRLabel=】]\r\n"), TextEncoding::Gb18030);
    IniDocument ini = IniDocument::fromBytes(gbk);
    EXPECT_EQ(ini.encoding(), TextEncoding::Gb18030);
    EXPECT_EQ(ini.string(u"BasicSet", u"JiaoCai", {}), QStringLiteral("人民教育出版社"));
    EXPECT_EQ(ini.string(u"BasicSet", u"RLabel", {}), QStringLiteral("】]"));
    ini.setValue(u"BasicSet", u"JiaoCai", QStringLiteral("青禾开放版"));
    EXPECT_EQ(ini.bytes(), encodeText(QStringLiteral("[BasicSet]\r\nJiaoCai=青禾开放版\r\nRLabel=】]\r\n"),
                                      TextEncoding::Gb18030));
}

TEST(IniDocument, HostileInputNeverCrashes) {
    QByteArray garbage;
    for (int i = 0; i < 100000; ++i) {
        garbage += char((i * 7919) % 256);
    }
    const IniDocument binary = IniDocument::fromBytes(garbage);
    EXPECT_FALSE(binary.value(u"Book", u"page").has_value());

    // 10 MB of lines: parses, finds the key at the end.
    QByteArray big("[Book]\r\n");
    const QByteArray filler("filler_key_with_a_long_name=some value that repeats\r\n");
    while (big.size() < 10 * 1024 * 1024) {
        big += filler;
    }
    big += "page=1,2\r\n";
    const IniDocument huge = IniDocument::fromBytes(big);
    EXPECT_EQ(huge.string(u"Book", u"page", {}), QStringLiteral("1,2"));

    const IniDocument unterminated = parse("[Book\npage=x\n[");
    EXPECT_EQ(unterminated.string(u"Book", u"page", {}), QStringLiteral("x"));
}

TEST(WriteIniFile, CreatesFoldersSavesAtomicallyAndSwallowsErrors) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Data/systxt/Set.ini");
    EXPECT_TRUE(writeIniFile(path, QStringLiteral("BasicSet"), QStringLiteral("default_xinban"),
                             QStringLiteral("4")));
    EXPECT_EQ(test::readFile(path), QByteArray("[BasicSet]\r\ndefault_xinban=4\r\n"));
    EXPECT_TRUE(writeIniFile(path, QStringLiteral("BasicSet"), QStringLiteral("default_xinban"),
                             QStringLiteral("5")));
    EXPECT_EQ(test::readFile(path), QByteArray("[BasicSet]\r\ndefault_xinban=5\r\n"));

    // A folder where the file should be: the write fails quietly.
    const QString blocked = dir.path() + QStringLiteral("/blocked.ini");
    QDir().mkpath(blocked);
    EXPECT_FALSE(writeIniFile(blocked, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));

    // A file that cannot be created because a parent is a file.
    test::writeFile(dir.path() + QStringLiteral("/plain"), "x");
    EXPECT_FALSE(writeIniFile(dir.path() + QStringLiteral("/plain/Set.ini"), QStringLiteral("S"),
                              QStringLiteral("k"), QStringLiteral("v")));
}

TEST(WriteIniFile, ReadOnlyFileIsLeftIntact) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Set.ini");
    test::writeFile(path, "[S]\r\nk=1\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool written = writeIniFile(path, QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!written) {
        EXPECT_EQ(test::readFile(path), QByteArray("[S]\r\nk=1\r\n"));
    } // running as root the write may succeed; then there is nothing to check
}

} // namespace
} // namespace qinghe
