#include "base/base64_text.h"
#include "study/lesson_records.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

// One character record: name, then the decoded attribute values.
QByteArray record(const char* name, const QString& chinese, const QString& pinyin, const QString& must,
                  const QString& word1 = {}) {
    const auto b = [](const QString& text) { return base64EncodeText(text).toUtf8(); };
    return QByteArray("<") + name + " Chinese=\"" + b(chinese) + "\" PinYin1=\"" + b(pinyin) +
           "\" bx_shengzi=\"" + b(must) + "\" ZuCi1=\"" + b(word1) + "\"/>";
}

XmlDocument document(const QByteArray& records) {
    XmlDocument doc;
    doc.loadBytes("<hanzi>" + records + "</hanzi>");
    return doc;
}

TEST(LessonRecords, ListsByLessonKeyInDocumentOrder) {
    const XmlDocument doc =
        document(record("lesson101", QStringLiteral("天"), QStringLiteral("tiān"), QStringLiteral("1")) +
                 record("lesson102", QStringLiteral("木"), QStringLiteral("mù"), QStringLiteral("1")) +
                 record("lesson101", QStringLiteral("地"), QStringLiteral("dì"), QStringLiteral("0")) +
                 record("lesson101", QStringLiteral("人"), QStringLiteral("rén"), QString()) + // empty flag
                 record("lesson101", QStringLiteral("天"), QStringLiteral("tiān"),
                        QStringLiteral("1 ")) + // duplicate, odd flag
                 record("xlesson101y", QStringLiteral("大"), QStringLiteral("dà"),
                        QStringLiteral("1")) +                                         // substring match
                 "<lesson101 Chinese=\"%%%\" PinYin1=\"ZGE=\" bx_shengzi=\"MQ==\"/>" + // garbage Base64
                 record("lesson1010", QStringLiteral("小"), QStringLiteral("xiǎo"), QStringLiteral("1")));
    LessonLists lists;
    readCharacterLists(doc, QStringLiteral("lesson101"), lists);
    EXPECT_EQ(lists.chars,
              (QStringList{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人"),
                           QStringLiteral("天"), QStringLiteral("大"), QString(), QStringLiteral("小")}));
    EXPECT_EQ(lists.pinyins, (QStringList{QStringLiteral("tiān"), QStringLiteral("dì"), QStringLiteral("rén"),
                                          QStringLiteral("tiān"), QStringLiteral("dà"), QStringLiteral("da"),
                                          QStringLiteral("xiǎo")}));
    EXPECT_EQ(lists.mustChars,
              (QStringList{QStringLiteral("天"), QStringLiteral("大"), QString(), QStringLiteral("小")}));
    EXPECT_EQ(lists.mustPinyins.size(), lists.mustChars.size());
    EXPECT_EQ(readRecordList(doc, QStringLiteral("lesson102"), "Chinese"), QStringList{QStringLiteral("木")});
    EXPECT_TRUE(readRecordList(doc, QStringLiteral("lesson201"), "Chinese").isEmpty());
    EXPECT_TRUE(readRecordList(XmlDocument(), QStringLiteral("lesson101"), "Chinese").isEmpty());
}

// Choosing by units and by type is checked through the character table, which reads with it.

TEST(LessonRecords, LookupByCharacterPath) {
    const XmlDocument doc =
        document(record("lesson101", QStringLiteral("天"), QStringLiteral("tiān"), QStringLiteral("1"),
                        QStringLiteral("天空")) +
                 "<lesson101 Chinese=\"" + base64EncodeText(QStringLiteral("长")).toUtf8() +
                 "\" ZaoJu=\"5bCP5qCR\r\n6ZW/6auY\n5LqG44CC\" PinYin1=\"@@\"/>");
    EXPECT_EQ(characterPath(QStringLiteral("lesson101"), QStringLiteral("天")),
              QStringLiteral("lesson101[@Chinese=\"5aSp\"]"));
    struct Case {
        QString path;
        const char* attribute;
        QString expected;
    };
    const Case cases[] = {
        {characterPath(QStringLiteral("lesson101"), QStringLiteral("天")), "PinYin1", QStringLiteral("tiān")},
        {characterPath(QStringLiteral("lesson101"), QStringLiteral("天")), "ZuCi1", QStringLiteral("天空")},
        {characterPath(QStringLiteral("lesson101"), QStringLiteral("长")), "ZaoJu",
         QStringLiteral("小树长高了。")},
        {characterPath(QStringLiteral("lesson101"), QStringLiteral("长")), "PinYin1",
         QStringLiteral(" ")}, // bad Base64
        {characterPath(QStringLiteral("lesson101"), QStringLiteral("长")), "ZuCi3",
         QStringLiteral(" ")}, // absent
        {characterPath(QStringLiteral("lesson102"), QStringLiteral("天")), "PinYin1",
         QStringLiteral(" ")},                                                     // no match
        {QStringLiteral("lesson101[@Chinese=\""), "PinYin1", QStringLiteral(" ")}, // bad path
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookupAttribute(doc, c.path, c.attribute), c.expected) << c.path.toStdString();
    }
    EXPECT_EQ(lookupAttribute(XmlDocument(), cases[0].path, "PinYin1"), QStringLiteral(" "));
}

TEST(StudyRecords, ReadsTheFixtureAndReusesParsedDocuments) {
    const PathResolver paths(test::fixtureEdition());
    StudyRecords records(paths);
    CurrentLesson lesson;
    lesson.lessonKey = QStringLiteral("lesson101");
    records.openBook(QStringLiteral("Data\\rj\\xml\\hanzi1.xml"), QStringLiteral("Data\\rj\\xml\\ciyu1.xml"));
    LessonLists lists = records.readLessonLists(lesson);
    EXPECT_EQ(lists.chars, (QStringList{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人")}));
    EXPECT_EQ(lists.pinyins,
              (QStringList{QStringLiteral("tiān"), QStringLiteral("dì"), QStringLiteral("rén")}));
    EXPECT_EQ(lists.mustChars, (QStringList{QStringLiteral("天"), QStringLiteral("地")}));
    EXPECT_EQ(lists.words, (QStringList{QStringLiteral("天空"), QStringLiteral("土地")}));
    EXPECT_EQ(records.characterAttribute(QStringLiteral("lesson101"), QStringLiteral("地"), "PinYin2"),
              QStringLiteral("de"));
    EXPECT_EQ(records.characterAttribute(QStringLiteral("lesson101"), QStringLiteral("地"), "PinYin3"),
              QString());

    // Switching lessons and books back and forth parses each document once.
    for (int i = 0; i < 5; ++i) {
        records.openBook(QStringLiteral("Data\\rj\\xml\\hanzi2.xml"),
                         QStringLiteral("Data\\rj\\xml\\ciyu2.xml"));
        records.openBook(QStringLiteral("Data\\rj\\xml\\hanzi1.xml"),
                         QStringLiteral("Data\\rj\\xml\\ciyu1.xml"));
    }
    EXPECT_EQ(records.cache().parseCount(), 4);
    // The whole book for the handwriting pad: every lesson's characters in order, each once.
    EXPECT_EQ(records.bookCharacters(), QStringLiteral("天地人木水"));

    // A missing book gives empty lists.
    records.openBook(QStringLiteral("Data\\rj\\xml\\hanzi9.xml"), QStringLiteral("Data\\rj\\xml\\ciyu9.xml"));
    lists = records.readLessonLists(lesson);
    EXPECT_TRUE(lists.chars.isEmpty());
    EXPECT_TRUE(lists.words.isEmpty());
    EXPECT_EQ(records.bookCharacters(), QString());
}

TEST(LessonRecords, FiveHundredCharactersInOneLesson) {
    QByteArray records;
    for (int i = 0; i < 500; ++i) {
        records += record("lesson101", QString(QChar(0x4E00 + i)), QStringLiteral("yī"), QStringLiteral("1"));
    }
    const XmlDocument doc = document(records);
    LessonLists lists;
    readCharacterLists(doc, QStringLiteral("lesson101"), lists);
    EXPECT_EQ(lists.chars.size(), 500);
    EXPECT_EQ(lists.chars.back(), QString(QChar(0x4E00 + 499)));
}

} // namespace
} // namespace qinghe
