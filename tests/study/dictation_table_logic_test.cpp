#include "base/base64_text.h"
#include "study/character_table/character_table.h"
#include "study/character_table/memorise_session.h"
#include "study/character_table/table_texts.h"
#include "support/qt_printers.h"

#include <QHash>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

QByteArray record(const char* name, const QString& chinese, const QString& pinyin, const QString& must) {
    const auto b = [](const QString& text) { return base64EncodeText(text).toUtf8(); };
    return QByteArray("<") + name + " Chinese=\"" + b(chinese) + "\" PinYin1=\"" + b(pinyin) +
           "\" bx_shengzi=\"" + b(must) + "\"/>";
}

// Documents by path, parsed from bytes; a path without bytes reads as a missing file.
struct Documents {
    QHash<QString, QByteArray> files;
    QStringList asked;
    CharacterTable::DocumentSource source() {
        return [this](const QString& path) {
            asked << path;
            auto document = std::make_shared<XmlDocument>();
            if (files.contains(path)) {
                document->loadBytes(files[path]);
            }
            return std::shared_ptr<const XmlDocument>(document);
        };
    }
};

TEST(TableTexts, UnitNamesPerBook) {
    struct Case {
        int book;
        qsizetype count;
        QString second;
    };
    const Case cases[] = {
        {1, 8, QStringLiteral("汉语拼音(一)")},
        {2, 8, QStringLiteral("课文(一)")},
        {3, 8, QStringLiteral("第二单元")},
        {11, 8, QStringLiteral("第二单元")},
        {12, 5, QStringLiteral("第二单元")},
        {0, 0, QString()},
        {13, 0, QString()},
        {-1, 0, QString()},
    };
    for (const Case& c : cases) {
        const QStringList names = unitNames(c.book);
        EXPECT_EQ(names.size(), c.count) << c.book;
        EXPECT_EQ(names.value(1), c.second) << c.book;
    }
    EXPECT_EQ(unitNames(1).last(), QStringLiteral("课文(四)"));
    EXPECT_EQ(unitNames(2).last(), QStringLiteral("课文(六)"));
    EXPECT_EQ(unitNames(11).last(), QStringLiteral("第八单元"));
    EXPECT_EQ(unitNames(12).last(), QStringLiteral("第五单元"));
}

TEST(TableTexts, KeysPathsCaptionsRows) {
    EXPECT_EQ(unitKeyString({true, false, true}), QStringLiteral("lesson1,lesson3,"));
    EXPECT_EQ(unitKeyString({false, true, false, false, true, false, false, false}),
              QStringLiteral("lesson2,lesson5,"));
    EXPECT_EQ(unitKeyString({false, false}), QString());
    EXPECT_EQ(unitKeyString({}), QString());
    // Document paths, captions and status lines are checked through the table below.
    const std::pair<int, int> rows[] = {{0, 0},  {1, 1},  {10, 1},   {11, 2},
                                        {20, 2}, {23, 3}, {100, 10}, {-3, 0}};
    for (const auto& [count, expected] : rows) {
        EXPECT_EQ(tableRowCount(count), expected) << count;
    }
}

TEST(TableTexts, FontSizeByRowHeight) {
    const std::pair<int, int> sizes[] = {{0, 15},   {49, 15},  {50, 20},  {59, 20},  {60, 25},
                                         {69, 25},  {70, 30},  {79, 30},  {80, 36},  {99, 36},
                                         {100, 40}, {119, 40}, {120, 46}, {149, 46}, {150, 50},
                                         {179, 50}, {180, 56}, {199, 56}, {200, 77}, {350, 77}};
    for (const auto& [height, size] : sizes) {
        EXPECT_EQ(tableFontSize(height, 77), size) << height;
    }
    const TableGridMetrics wide = tableGridMetrics(1100, 77);
    EXPECT_EQ(wide.columnWidth, 100);
    EXPECT_EQ(wide.rowHeight, 100);
    EXPECT_EQ(wide.fontSize, 40);
    const TableGridMetrics narrow = tableGridMetrics(549, 77);
    EXPECT_EQ(narrow.columnWidth, 49);
    EXPECT_EQ(narrow.fontSize, 15);
    EXPECT_EQ(tableGridMetrics(2200, 77).fontSize, 77); // rows of 200: unchanged
    // The reading is centred over its cell; cells follow each other with a one-pixel line.
    EXPECT_EQ(readingLeft(80, 30, 80, 0), 25);
    EXPECT_EQ(readingLeft(80, 30, 80, 2), 187);
    EXPECT_EQ(readingLeft(99, 40, 99, 9), 29 + 900);
}

TEST(CharacterTable, UnitsAndTypesSelectInDocumentOrder) {
    Documents documents;
    documents.files[QStringLiteral("Data\\RJ\\xml\\hanzi3.xml")] =
        "<hanzi>" + record("lesson101", QStringLiteral("一"), QStringLiteral("yī"), QStringLiteral("1")) +
        record("lesson201", QStringLiteral("春"), QStringLiteral("chūn"), QStringLiteral("1")) +
        record("lesson502", QStringLiteral("冬"), QStringLiteral("dōng"), QStringLiteral("1")) +
        record("lesson203", QStringLiteral("夏"), QStringLiteral("xià"), QStringLiteral("0")) +
        record("lesson301", QStringLiteral("秋"), QStringLiteral("qiū"), QStringLiteral("1")) +
        record("lesson501", QStringLiteral("雪"), QStringLiteral("xuě"), QString()) +
        record("lesson210", QStringLiteral("风"), QStringLiteral("fēng"), QStringLiteral("1")) + "</hanzi>";
    CharacterTable table(documents.source());
    table.show(2);
    EXPECT_EQ(table.book(), 3);
    EXPECT_EQ(table.documentPath(), QStringLiteral("Data\\RJ\\xml\\hanzi3.xml"));
    EXPECT_EQ(table.units().size(), 8);
    EXPECT_EQ(table.checkedUnits(), QList<bool>(8, false));
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.caption(), QStringLiteral("二年级上——[会写+认读]"));
    EXPECT_EQ(table.status(), QStringLiteral("二年级上——所选单元（会写+认读），生字0个"));
    EXPECT_TRUE(documents.asked.isEmpty()); // nothing is read before a unit is checked

    table.setUnitChecked(1, true);
    table.setUnitChecked(4, true);
    EXPECT_EQ(table.unitKeys(), QStringLiteral("lesson2,lesson5,"));
    EXPECT_EQ(table.characters(),
              (QStringList{QStringLiteral("春"), QStringLiteral("冬"), QStringLiteral("夏"),
                           QStringLiteral("雪"), QStringLiteral("风")}));
    EXPECT_EQ(table.pinyins(),
              (QStringList{QStringLiteral("chūn"), QStringLiteral("dōng"), QStringLiteral("xià"),
                           QStringLiteral("xuě"), QStringLiteral("fēng")}));

    EXPECT_TRUE(table.chooseType(1)); // 会写
    EXPECT_EQ(table.characters(),
              (QStringList{QStringLiteral("春"), QStringLiteral("冬"), QStringLiteral("风")}));
    EXPECT_EQ(table.caption(), QStringLiteral("二年级上——[会写]"));
    EXPECT_EQ(table.status(), QStringLiteral("二年级上——所选单元（会写），生字3个"));
    EXPECT_FALSE(table.chooseType(1)); // the same type again reads nothing
    EXPECT_TRUE(table.chooseType(2));  // 认读: exactly "0"
    EXPECT_EQ(table.characters(), QStringList{QStringLiteral("夏")});
    EXPECT_EQ(table.pinyins(), QStringList{QStringLiteral("xià")});

    // Unchecking the last checked unit clears the list; the type stays.
    table.setUnitChecked(1, false);
    EXPECT_EQ(table.count(), 0);
    table.setUnitChecked(4, false);
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.unitKeys(), QString());
    EXPECT_EQ(table.status(), QStringLiteral("二年级上——所选单元（认读），生字0个"));
    EXPECT_EQ(table.typeIndex(), 2);
    table.setUnitChecked(8, true); // no such unit
    table.setUnitChecked(-1, true);
    EXPECT_EQ(table.checkedUnits(), QList<bool>(8, false));
}

TEST(CharacterTable, GradeChangesResetTheUnitsAndShowingAlwaysDoes) {
    Documents documents;
    CharacterTable table(documents.source());
    table.show(0);
    EXPECT_EQ(table.units().first(), QStringLiteral("识字(一)"));
    table.setUnitChecked(0, true);
    EXPECT_FALSE(table.chooseGrade(0)); // same book: the checks stay
    EXPECT_EQ(table.checkedUnits().first(), true);
    EXPECT_TRUE(table.chooseGrade(11));
    EXPECT_EQ(table.book(), 12);
    EXPECT_EQ(table.units().size(), 5);
    EXPECT_EQ(table.checkedUnits(), QList<bool>(5, false));
    EXPECT_EQ(table.documentPath(), QStringLiteral("Data\\RJ\\xml\\hanzi12.xml"));
    EXPECT_EQ(table.caption(), QStringLiteral("六年级下——[会写+认读]"));
    table.setUnitChecked(2, true);
    EXPECT_TRUE(table.chooseType(1));
    // Shown again on the same grade: units unchecked, type back to the first.
    table.show(11);
    EXPECT_EQ(table.checkedUnits(), QList<bool>(5, false));
    EXPECT_EQ(table.typeIndex(), 0);
    EXPECT_EQ(table.book(), 12);
}

TEST(CharacterTable, TwentyThreeCharactersFillThreeRows) {
    Documents documents;
    QByteArray records;
    for (int i = 0; i < 23; ++i) {
        records += record("lesson101", QString(QChar(0x4e00 + i)), QStringLiteral("p%1").arg(i),
                          QStringLiteral("1"));
    }
    documents.files[QStringLiteral("Data\\RJ\\xml\\hanzi1.xml")] = "<hanzi>" + records + "</hanzi>";
    CharacterTable table(documents.source());
    table.show(0);
    table.setUnitChecked(0, true);
    EXPECT_EQ(table.count(), 23);
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(0, 0), QString(QChar(0x4e00)));
    EXPECT_EQ(table.cell(1, 9), QString(QChar(0x4e00 + 19)));
    EXPECT_EQ(table.cell(2, 2), QString(QChar(0x4e00 + 22)));
    for (int column = 3; column < 10; ++column) {
        EXPECT_TRUE(table.cell(2, column).isEmpty()) << column;
    }
    EXPECT_TRUE(table.cell(0, 10).isEmpty());
    EXPECT_TRUE(table.cell(3, 0).isEmpty());
    EXPECT_EQ(table.status(), QStringLiteral("一年级上——所选单元（会写+认读），生字23个"));
}

TEST(CharacterTable, BrokenDocumentsListNothing) {
    const QByteArray good =
        record("lesson101", QStringLiteral("天"), QStringLiteral("tiān"), QStringLiteral("1"));
    struct Case {
        const char* name;
        std::optional<QByteArray> bytes;
        int count;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, 0},
        {"empty file", QByteArray(), 0},
        {"truncated", "<hanzi>" + good.left(30), 0},
        {"not XML", QByteArray("\x00\xff\xfe garbage \x01", 13), 0},
        {"wrong declared encoding",
         "<?xml version=\"1.0\" encoding=\"x-klingon\"?><hanzi>" + good + "</hanzi>", 0},
        {"huge attribute", "<hanzi><lesson101 Chinese=\"" + QByteArray(2'000'000, 'A') + "\"/></hanzi>", 1},
        {"garbage Base64 keeps its place",
         "<hanzi><lesson101 Chinese=\"%%%\" PinYin1=\"***\"/>" + good + "</hanzi>", 2},
    };
    for (const Case& c : cases) {
        Documents documents;
        if (c.bytes) {
            documents.files[QStringLiteral("Data\\RJ\\xml\\hanzi1.xml")] = *c.bytes;
        }
        CharacterTable table(documents.source());
        table.show(0);
        table.setUnitChecked(0, true);
        EXPECT_EQ(table.count(), c.count) << c.name;
        EXPECT_EQ(table.pinyins().size(), table.characters().size()) << c.name;
    }
}

// What each show mode shows and speaks is watched through the memorise window; here, its choices.
TEST(MemoriseSession, ShowModeAndPaceChoices) {
    QStringList items;
    for (const MemoriseShowMode& mode : memoriseShowModes()) {
        items << mode.item;
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("仅显示拼音"), QStringLiteral("仅显示汉字"),
                                  QStringLiteral("拼音和汉字都显示"), QStringLiteral("拼音和汉字不显示"),
                                  QStringLiteral("显示拼音（不发音）")}));
    EXPECT_EQ(memorisePaces()[kDefaultMemorisePace].interval, 5000);
    EXPECT_EQ(memorisePaces()[0].interval, 0);
}

TEST(MemoriseSession, StepsWithinTheList) {
    MemoriseSession session;
    session.start({QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人")},
                  {QStringLiteral("tiān"), QStringLiteral("dì"), QStringLiteral("rén")});
    EXPECT_EQ(session.position(), 1);
    EXPECT_EQ(session.previous(), MemoriseSession::Move::AtStart);
    EXPECT_EQ(session.position(), 1);
    EXPECT_EQ(session.next(), MemoriseSession::Move::Moved);
    EXPECT_EQ(session.next(), MemoriseSession::Move::Moved);
    EXPECT_EQ(session.character(), QStringLiteral("人"));
    EXPECT_EQ(session.reading(), QStringLiteral("rén"));
    EXPECT_EQ(session.next(), MemoriseSession::Move::AtEnd);
    EXPECT_EQ(session.position(), 3);
    EXPECT_EQ(session.previous(), MemoriseSession::Move::Moved);
    EXPECT_EQ(session.position(), 2);

    MemoriseSession shortReadings; // fewer readings than characters reads as empty, never out of range
    shortReadings.start({QStringLiteral("天"), QStringLiteral("地")}, {QStringLiteral("tiān")});
    shortReadings.next();
    EXPECT_EQ(shortReadings.reading(), QString());
}

TEST(MemoriseSession, FontSteps) {
    // From 107 up by 5 to 237, then 242, then held at 240 with the limit reported.
    int size = kMemoriseFontSize;
    std::vector<int> up;
    std::vector<bool> limits;
    for (int i = 0; i < 29; ++i) {
        const FontStep step = enlargeFont(size);
        size = step.size;
        up.push_back(size);
        limits.push_back(step.atLimit);
    }
    EXPECT_EQ(up[0], 112);
    EXPECT_EQ(up[25], 237);
    EXPECT_EQ(up[26], 242);
    EXPECT_FALSE(limits[26]);
    EXPECT_EQ(up[27], 240);
    EXPECT_TRUE(limits[27]);
    EXPECT_EQ(up[28], 240);
    EXPECT_TRUE(limits[28]);

    // Down by 5 to 32, 27, then held at 30 with the message.
    size = kMemoriseFontSize;
    std::vector<int> down;
    FontStep step;
    do {
        step = shrinkFont(size);
        size = step.size;
        down.push_back(size);
    } while (!step.atLimit && down.size() < 40);
    ASSERT_GE(down.size(), 3u);
    EXPECT_EQ(down[down.size() - 3], 32);
    EXPECT_EQ(down[down.size() - 2], 27);
    EXPECT_EQ(down.back(), 30);
    EXPECT_EQ(shrinkFont(31).size, 26);
    EXPECT_FALSE(shrinkFont(31).atLimit);
    EXPECT_TRUE(shrinkFont(30).atLimit);
}

} // namespace
} // namespace qinghe
