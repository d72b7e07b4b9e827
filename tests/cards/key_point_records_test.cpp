#include "base/base64_text.h"
#include "base/text_encoding.h"
#include "cards/key_point_records.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qinghe {
namespace {

using Records = std::vector<std::pair<QByteArray, QString>>;

// A key-point document: records under a document element, each text Base64 as the content keeps it.
QByteArray document(const Records& records, const QByteArray& rootName = "book") {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + rootName + ">\n";
    for (const auto& [name, text] : records) {
        xml += "  <" + name + " LessonInfo=\"" + base64EncodeText(text).toLatin1() + "\"/>\n";
    }
    return xml + "</" + rootName + ">\n";
}

TEST(KeyPointRecords, NamesDocumentsKeysAndTitles) {
    EXPECT_EQ(lessonKeyPointDocument(QStringLiteral("rj"), 3), QStringLiteral("Data\\rj\\xml\\book3.xml"));
    EXPECT_EQ(lessonKeyPointDocument(QStringLiteral("RJ"), 12), QStringLiteral("Data\\RJ\\xml\\book12.xml"));
    EXPECT_EQ(unitKeyPointDocument(QStringLiteral("rj"), 3), QStringLiteral("Data\\rj\\xml\\book3_dyzs.xml"));
    EXPECT_EQ(unitKeyPointKey(3), QStringLiteral("lesson3"));
    EXPECT_EQ(unitKeyPointKey(8), QStringLiteral("lesson8"));
    EXPECT_EQ(lessonCardTitle(QStringLiteral("小蝌蚪")),
              QStringLiteral("\u3000\u3000\u3000《小蝌蚪》课文要点"));
}

TEST(KeyPointRecords, TakesTheFirstRecordWhoseNameIsExactlyTheKey) {
    const QString note = QStringLiteral("本课认识七个生字。\r\n会写：天、地。\n认读：人。");
    struct Case {
        const char* name;
        QByteArray xml;
        QString key;
        QString expected;
    };
    const Case cases[] = {
        {"exact name only", document({{"lesson1050", QStringLiteral("不是这一课")}, {"lesson105", note}}),
         QStringLiteral("lesson105"), note},
        {"a longer name is no match", document({{"lesson1050", QStringLiteral("不是这一课")}}),
         QStringLiteral("lesson105"), QString()},
        {"a shorter name is no match", document({{"lesson10", QStringLiteral("第十课")}}),
         QStringLiteral("lesson105"), QString()},
        {"names are case-sensitive", document({{"Lesson105", QStringLiteral("大写")}}),
         QStringLiteral("lesson105"), QString()},
        {"the first of two wins",
         document({{"lesson3", QStringLiteral("第一份")}, {"lesson3", QStringLiteral("第二份")}}),
         QStringLiteral("lesson3"), QStringLiteral("第一份")},
        {"any document element", document({{"lesson3", QStringLiteral("单元")}}, "dyzs"),
         QStringLiteral("lesson3"), QStringLiteral("单元")},
        {"missing record", document({{"lesson101", QStringLiteral("一")}}), QStringLiteral("lesson102"),
         QString()},
        {"empty key", document({{"lesson101", QStringLiteral("一")}}), QString(), QString()},
        {"record without text", "<book><lesson101/></book>", QStringLiteral("lesson101"), QString()},
        {"grandchildren are not records",
         "<book><unit><lesson101 LessonInfo=\"" + base64EncodeText(QStringLiteral("深处")).toLatin1() +
             "\"/></unit></book>",
         QStringLiteral("lesson101"), QString()},
        {"garbage Base64", "<book><lesson101 LessonInfo=\"%%%不是\"/></book>", QStringLiteral("lesson101"),
         QString()},
        {"Base64 of bytes that are not UTF-8", "<book><lesson101 LessonInfo=\"/w==\"/></book>",
         QStringLiteral("lesson101"), QString()},
        {"the first match is taken even when its text is garbage",
         "<book><lesson101 LessonInfo=\"!!\"/><lesson101 LessonInfo=\"" +
             base64EncodeText(QStringLiteral("第二")).toLatin1() + "\"/></book>",
         QStringLiteral("lesson101"), QString()},
        {"truncated document", document({{"lesson101", QStringLiteral("一")}}).left(60),
         QStringLiteral("lesson101"), QString()},
        {"malformed document", "<book><lesson101 LessonInfo=\"5Li A\"></book>", QStringLiteral("lesson101"),
         QString()},
        {"not XML at all", QByteArray("\x00\x01\x02\xff\xfe garbage", 13), QStringLiteral("lesson101"),
         QString()},
        {"empty file", QByteArray(), QStringLiteral("lesson101"), QString()},
        {"UTF-16 without BOM", QByteArray(reinterpret_cast<const char*>(note.utf16()), note.size() * 2),
         QStringLiteral("lesson101"), QString()},
        {"GBK document",
         encodeText(QStringLiteral(
                        "<?xml version=\"1.0\" encoding=\"GBK\"?><书><!-- 要点 --><lesson101 LessonInfo=\"") +
                        base64EncodeText(QStringLiteral("要点")) + QStringLiteral("\"/></书>"),
                    TextEncoding::Gb18030),
         QStringLiteral("lesson101"), QStringLiteral("要点")},
        {"GBK bytes declared UTF-8",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><book><!-- " +
             encodeText(QStringLiteral("要点"), TextEncoding::Gb18030) + " --><lesson101 LessonInfo=\"" +
             base64EncodeText(QStringLiteral("要点")).toLatin1() + "\"/></book>",
         QStringLiteral("lesson101"), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keyPointTextFromBytes(c.xml, c.key), c.expected) << c.name;
    }
}

// A megabyte of text is read from a file in the card window tests.
TEST(KeyPointRecords, ReadsFilesAndSurvivesMissingOnes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book1.xml"));
    test::writeFile(path, document({{"lesson101", QStringLiteral("短")}}));
    EXPECT_EQ(keyPointTextFromFile(path, QStringLiteral("lesson101")), QStringLiteral("短"));
    EXPECT_EQ(keyPointTextFromFile(dir.filePath(QStringLiteral("book9.xml")), QStringLiteral("lesson101")),
              QString());
    EXPECT_EQ(keyPointTextFromFile(dir.path(), QStringLiteral("lesson101")), QString()); // a folder
}

} // namespace
} // namespace qinghe
