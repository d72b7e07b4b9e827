#include "catalogue/settings.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

QByteArray withPage(const QByteArray& page) {
    return "[BasicSet]\r\nGBegin=0\r\n[Book]\r\npage=" + page + "\r\n";
}

QByteArray twentyFour() {
    QByteArrayList items;
    for (int i = 1; i <= 24; ++i) {
        items << QByteArray::number(i * 10);
    }
    return items.join(',');
}

TEST(Settings, PageTableMustHoldTwentyFourIntegers) {
    struct Case {
        const char* name;
        QByteArray ini;
        bool ok;
    };
    const QByteArray good = twentyFour();
    const Case cases[] = {
        {"exactly 24", withPage(good), true},
        {"25 with a trailing comma", withPage(good + ","), true},
        {"blanks around items", withPage(QByteArray(good).replace(",", " , ")), true},
        {"23", withPage(good.left(good.lastIndexOf(','))), false},
        {"empty", withPage(""), false},
        {"letter first", withPage("a" + good.mid(good.indexOf(','))), false},
        {"letter last", withPage(good.left(good.lastIndexOf(',') + 1) + "a"), false},
        {"no Book section", "[BasicSet]\r\nGBegin=0\r\n", false},
        {"empty file", "", false},
        {"binary garbage", QByteArray("\x00\xff\x13[Book\x00page=1", 15), false},
    };
    for (const Case& c : cases) {
        const SettingsRead read = readSettings(IniDocument::fromBytes(c.ini));
        EXPECT_EQ(read.ok, c.ok) << c.name;
    }
    const SettingsRead read = readSettings(IniDocument::fromBytes(withPage(good)));
    EXPECT_EQ(read.settings.pages[0], (PagePair{10, 20}));
    EXPECT_EQ(read.settings.pages[11], (PagePair{230, 240}));
}

TEST(Settings, KeysDefaultsAndEditionCode) {
    const SettingsRead empty = readSettings(IniDocument());
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.settings.edition, QStringLiteral("rj"));
    EXPECT_EQ(empty.settings.bookMode, QStringLiteral("1"));
    EXPECT_EQ(empty.settings.handwritingMode, QStringLiteral("-1"));
    EXPECT_EQ(empty.settings.testFontSize, 20);
    EXPECT_EQ(empty.settings.pageWidth, 1530);
    EXPECT_EQ(empty.settings.pageHeight, 1096);
    EXPECT_FALSE(empty.settings.fullScreen);

    for (const char* banben : {"rj", "Rj", "RJ"}) {
        const SettingsRead read =
            readSettings(IniDocument::fromBytes(QByteArray("[BasicSet]\nBanBen=") + banben));
        EXPECT_EQ(read.settings.edition, QStringLiteral("rj")) << banben;
    }

    const SettingsRead fixture =
        readSettings(IniDocument::load(test::fixtureEdition() + QStringLiteral("Data/systxt/Set.ini")));
    EXPECT_TRUE(fixture.ok);
    EXPECT_EQ(fixture.settings.publisher, QStringLiteral("青禾测试版"));
    EXPECT_EQ(fixture.settings.bookMode, QStringLiteral("0"));
    EXPECT_EQ(fixture.settings.handwritingMode, QStringLiteral("0"));

    // A broken picture size keeps both defaults.
    const SettingsRead size = readSettings(
        IniDocument::fromBytes("[BasicSet]\nibook_Width=2000\nibook_height=tall\nbFullScreen=1\n"));
    EXPECT_EQ(size.settings.pageWidth, 1530);
    EXPECT_EQ(size.settings.pageHeight, 1096);
    EXPECT_TRUE(size.settings.fullScreen);
}

TEST(TestPaperText, SizesFromStartAndFromMenu) {
    EXPECT_EQ(TestPaperText::fromBaseSize(20).sizes, (std::array<int, 5>{20, 20, 18, 18, 18}));
    EXPECT_EQ(TestPaperText::fromMenuSize(32).sizes, (std::array<int, 5>{32, 32, 31, 31, 31}));
    EXPECT_EQ(TestPaperText::fromBaseSize(20).colour2, 0xFDF9EE);
}

} // namespace
} // namespace qinghe
