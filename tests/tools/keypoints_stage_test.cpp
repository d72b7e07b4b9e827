#include "base/path_resolver.h"
#include "cards/key_point_records.h"
#include "catalogue/current_lesson.h"
#include "content_reader.h"
#include "keypoints/key_point_texts.h"
#include "stages.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

CharacterEntry character(const QString& zi, const QString& py, bool must, const QString& py2 = QString()) {
    CharacterEntry c;
    c.zi = zi;
    c.py = py;
    c.py2 = py2;
    c.must = must;
    return c;
}

Lesson ownLesson() {
    Lesson lesson;
    lesson.title = QStringLiteral("小树长高了");
    lesson.source = QStringLiteral("original");
    lesson.chars = {character(QStringLiteral("树"), QStringLiteral("shù"), true),
                    character(QStringLiteral("长"), QStringLiteral("zhǎng"), true, QStringLiteral("cháng")),
                    character(QStringLiteral("高"), QStringLiteral("gāo"), false)};
    lesson.words = {{QStringLiteral("小树"), QStringLiteral("xiǎo shù")},
                    {QStringLiteral("长大"), QStringLiteral("zhǎng dà")}};
    return lesson;
}

Lesson poemLesson() {
    Lesson lesson;
    lesson.title = QStringLiteral("咏鹅");
    lesson.source = QStringLiteral("public domain: 唐·骆宾王《咏鹅》");
    lesson.chars = {character(QStringLiteral("鹅"), QStringLiteral("é"), true)};
    lesson.words = {{QStringLiteral("白鹅"), QStringLiteral("bái é")}};
    return lesson;
}

// A lesson of a pinyin unit: no new characters and no words.
Lesson pinyinLesson() {
    Lesson lesson;
    lesson.title = QStringLiteral("ɑ o e");
    lesson.source = QStringLiteral("original");
    return lesson;
}

// Five small books: the first four get lesson cards, every one unit cards.
Edition smallEdition() {
    Edition edition;
    edition.title = QStringLiteral("青禾测试版");
    const QStringList titles{QStringLiteral("一年级上册"), QStringLiteral("一年级下册"),
                             QStringLiteral("二年级上册"), QStringLiteral("二年级下册"),
                             QStringLiteral("三年级上册")};
    for (int number = 1; number <= 5; ++number) {
        Book book;
        book.number = number;
        book.title = titles[number - 1];
        for (int u = 1; u <= 3; ++u) {
            Unit unit;
            unit.title = QStringLiteral("第%1单元").arg(u);
            Lesson first = ownLesson();
            first.keypoints = QStringLiteral("第%1册第%2单元的提示。").arg(number).arg(u);
            unit.lessons = {first, poemLesson(), ownLesson(), ownLesson(), ownLesson()};
            unit.keypoints = u == 3 ? QStringLiteral("第三单元的要点。") : QString();
            book.units << unit;
        }
        edition.books << book;
    }
    return edition;
}

TEST(KeyPointTexts, LessonCardListsThePartsUnderHeadings) {
    Lesson authored = ownLesson();
    authored.keypoints = QStringLiteral("“长”在这里读zhǎng。回家找一找身边长高的东西。");
    struct Case {
        const char* name;
        Lesson lesson;
        QString expected;
    };
    const Case cases[] = {
        {"authored note", authored,
         QStringLiteral("【课文】\n《小树长高了》\n二年级上册　第一单元　第3课\n\n"
                        "【会写的字（2个）】\n树 shù　长 zhǎng\n\n【认读的字（1个）】\n高 gāo\n\n"
                        "【多音字】\n长：zhǎng　cháng\n\n【要写的词语】\n小树　长大\n\n"
                        "【学习提示】\n“长”在这里读zhǎng。回家找一找身边长高的东西。")},
        {"summary in place of a note", ownLesson(),
         QStringLiteral(
             "【课文】\n《小树长高了》\n二年级上册　第一单元　第3课\n\n"
             "【会写的字（2个）】\n树 shù　长 zhǎng\n\n【认读的字（1个）】\n高 gāo\n\n"
             "【多音字】\n长：zhǎng　cháng\n\n【要写的词语】\n小树　长大\n\n"
             "【学习提示】\n本课学习《小树长高了》。要认识3个生字，其中会写2个、认读1个，要写的词语有2个。"
             "请和孩子一起朗读课文，读准生字的字音，再用学到的词语说一句话。")},
        {"classical poem", poemLesson(),
         QStringLiteral(
             "【课文】\n《咏鹅》　唐·骆宾王\n二年级上册　第一单元　第3课\n\n"
             "【会写的字（1个）】\n鹅 é\n\n【要写的词语】\n白鹅\n\n"
             "【学习提示】\n本课学习《咏鹅》。这是唐·骆宾王写的一首古诗，读的时候注意停顿和节奏。"
             "要认识1个生字，其中会写1个、认读0个，要写的词语有1个。请和孩子一起读一读，试着背下来。")},
        {"pinyin lesson", pinyinLesson(),
         QStringLiteral("【课文】\n《ɑ o e》\n二年级上册　第一单元　第3课\n\n"
                        "【学习提示】\n本课学习《ɑ o "
                        "e》。请和孩子一起朗读课文，读准生字的字音，再用学到的词语说一句话。")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lessonKeyPointText(c.lesson, QStringLiteral("二年级上册"), QStringLiteral("第一单元"), 3),
                  c.expected)
            << c.name;
    }
}

TEST(KeyPointTexts, UnitCardGathersTheLessons) {
    Unit unit;
    unit.title = QStringLiteral("识字(一)");
    unit.lessons = {ownLesson(), poemLesson(), pinyinLesson()};
    const QString parts = QStringLiteral(
        "【本单元课文】\n一年级上册　识字(一)\n1. 《小树长高了》\n2. 《咏鹅》\n3. 《ɑ o e》\n\n"
        "【会写的字（共3个）】\n《小树长高了》：树 shù　长 zhǎng\n《咏鹅》：鹅 é\n\n"
        "【认读的字（共1个）】\n《小树长高了》：高 gāo\n\n"
        "【要写的词语】\n《小树长高了》：小树　长大\n《咏鹅》：白鹅\n\n【单元要点】\n");
    EXPECT_EQ(unitKeyPointText(unit, QStringLiteral("一年级上册")),
              parts +
                  QStringLiteral(
                      "本单元共有3课，要认识4个生字，其中会写3个、认读1个，要写的词语有3个。"
                      "请和孩子一起把本单元的课文再读一遍，听写会写的字和要写的词语，写错的字多练几遍。"));
    unit.keypoints = QStringLiteral("本单元学习看图识字。");
    EXPECT_EQ(unitKeyPointText(unit, QStringLiteral("一年级上册")),
              parts + QStringLiteral("本单元学习看图识字。"));

    Unit pinyinOnly;
    pinyinOnly.title = QStringLiteral("汉语拼音(一)");
    pinyinOnly.lessons = {pinyinLesson()};
    EXPECT_EQ(unitKeyPointText(pinyinOnly, QStringLiteral("一年级上册")),
              QStringLiteral(
                  "【本单元课文】\n一年级上册　汉语拼音(一)\n1. 《ɑ o e》\n\n【单元要点】\n本单元共有1课。"
                  "请和孩子一起把本单元的课文再读一遍，听写会写的字和要写的词语，写错的字多练几遍。"));
}

class KeyPointsStage : public ::testing::Test {
protected:
    KeyPointsStage()
        : edition_(smallEdition()) {
        options_.outputDirectory = out_.path() + u'/';
        options_.audio = false;
    }

    QStringList run() {
        OutputTree out(options_.outputDirectory);
        QStringList report;
        StageContext context{edition_, options_, out, report};
        EXPECT_TRUE(runKeyPointsStage(context));
        return report;
    }
    QStringList documents() const {
        QStringList names = QDir(out_.path() + QStringLiteral("/Data/RJ/xml")).entryList(QDir::Files);
        names.sort();
        return names;
    }
    // What the program's lesson card reads for the lesson at these 0-based places, with the
    // installation's GBegin value.
    QString lessonCard(int bookIndex, int unitIndex, int lessonIndex, const QString& bookMode) const {
        const CurrentLesson lesson = makeCurrentLesson({bookIndex, unitIndex, lessonIndex, {}, {}, {}},
                                                       bookMode, QStringLiteral("rj"));
        const PathResolver paths(out_.path());
        return keyPointTextFromFile(
            paths.resolve(lessonKeyPointDocument(QStringLiteral("rj"), lesson.bookNumber)), lesson.lessonKey);
    }
    QString unitCard(int book, int unit) const {
        const PathResolver paths(out_.path());
        return keyPointTextFromFile(paths.resolve(unitKeyPointDocument(QStringLiteral("rj"), book)),
                                    unitKeyPointKey(unit));
    }
    const Lesson& lesson(int book, int unit, int index) const {
        return edition_.books[book - 1].units[unit - 1].lessons[index - 1];
    }

    QTemporaryDir out_;
    Edition edition_;
    Options options_;
};

TEST_F(KeyPointsStage, WritesDocumentsTheProgramFindsInAFullInstallation) {
    const QStringList report = run();
    EXPECT_EQ(documents(), (QStringList{QStringLiteral("book1.xml"), QStringLiteral("book1_dyzs.xml"),
                                        QStringLiteral("book2.xml"), QStringLiteral("book2_dyzs.xml"),
                                        QStringLiteral("book3.xml"), QStringLiteral("book3_dyzs.xml"),
                                        QStringLiteral("book4.xml"), QStringLiteral("book4_dyzs.xml"),
                                        QStringLiteral("book5_dyzs.xml")}));
    EXPECT_EQ(report,
              QStringList{QStringLiteral("key points: 9 files written; 60 lesson cards (12 with an authored "
                                         "note), 15 unit cards (5 with an authored note)")});

    // Every lesson of books 1-4 through the program's own lookup, by its lesson key.
    for (int book = 1; book <= 4; ++book) {
        const Book& b = edition_.books[book - 1];
        for (int u = 0; u < 3; ++u) {
            for (int l = 0; l < 5; ++l) {
                EXPECT_EQ(lessonCard(book - 1, u, l, QStringLiteral("0")),
                          lessonKeyPointText(b.units[u].lessons[l], b.title, b.units[u].title, l + 1))
                    << book << ' ' << u << ' ' << l;
            }
        }
    }
    EXPECT_TRUE(lessonCard(1, 0, 0, QStringLiteral("0")).endsWith(QStringLiteral("第2册第1单元的提示。")));
    EXPECT_TRUE(lessonCard(1, 2, 1, QStringLiteral("0")).contains(QStringLiteral("唐·骆宾王")));
    EXPECT_EQ(lessonCard(4, 0, 0, QStringLiteral("0")), QString()); // book 5 has no lesson cards
    EXPECT_EQ(lessonCard(0, 3, 0, QStringLiteral("0")), QString()); // no unit 4

    // Unit 3 of book 3 (二年级上册): book3_dyzs.xml, record lesson3.
    EXPECT_EQ(unitCard(3, 3), unitKeyPointText(edition_.books[2].units[2], QStringLiteral("二年级上册")));
    EXPECT_TRUE(unitCard(3, 3).endsWith(QStringLiteral("第三单元的要点。")));
    EXPECT_EQ(unitCard(5, 1), unitKeyPointText(edition_.books[4].units[0], QStringLiteral("三年级上册")));
    EXPECT_EQ(unitCard(5, 4), QString());
    EXPECT_EQ(unitCard(6, 1), QString());

    // Nothing changed, nothing written.
    EXPECT_EQ(run().value(0),
              QStringLiteral("key points: 0 files written; 60 lesson cards (12 with an authored "
                             "note), 15 unit cards (5 with an authored note)"));
    edition_.books[0].units[0].keypoints = QStringLiteral("新的要点。");
    EXPECT_TRUE(run().value(0).startsWith(QStringLiteral("key points: 1 files written;")));
    EXPECT_TRUE(unitCard(1, 1).endsWith(QStringLiteral("新的要点。")));
}

TEST_F(KeyPointsStage, NamesOneBookInstallationsByTheBooksOwnNumber) {
    struct Case {
        int book;
        QStringList files;
    };
    const Case cases[] = {
        {3, {QStringLiteral("book3.xml"), QStringLiteral("book3_dyzs.xml")}},
        {5, {QStringLiteral("book5_dyzs.xml")}},
    };
    for (const Case& c : cases) {
        QDir(out_.path()).removeRecursively();
        QDir().mkpath(out_.path());
        options_.singleBook = c.book;
        run();
        EXPECT_EQ(documents(), c.files) << c.book;
        // The tree holds the one book at position 1; GBegin names it.
        const QString bookMode = QString::number(c.book);
        const Book& b = edition_.books[c.book - 1];
        EXPECT_EQ(lessonCard(0, 1, 2, bookMode),
                  c.book <= 4 ? lessonKeyPointText(b.units[1].lessons[2], b.title, b.units[1].title, 3)
                              : QString())
            << c.book;
        // The unit menu hands over the book's own number.
        EXPECT_EQ(unitCard(c.book, 2), unitKeyPointText(b.units[1], b.title)) << c.book;
        EXPECT_EQ(unitCard(1, 2), QString()) << c.book;
    }
}

TEST(KeyPointsContent, ReadsTheOptionalNotesFromTheBookFiles) {
    QTemporaryDir dir;
    const QString source = test::dataDir() + QStringLiteral("/content");
    QFile::copy(source + QStringLiteral("/edition.json"), dir.filePath(QStringLiteral("edition.json")));
    QJsonObject book =
        QJsonDocument::fromJson(test::readFile(source + QStringLiteral("/books/book01.json"))).object();
    const auto withNotes = [&](const QJsonValue& unitNote, const QJsonValue& lessonNote) {
        QJsonArray units = book.value(QStringLiteral("units")).toArray();
        QJsonObject unit = units[0].toObject();
        QJsonArray lessons = unit.value(QStringLiteral("lessons")).toArray();
        QJsonObject lesson = lessons[1].toObject();
        lesson.insert(QStringLiteral("keypoints"), lessonNote);
        lessons[1] = lesson;
        unit.insert(QStringLiteral("lessons"), lessons);
        unit.insert(QStringLiteral("keypoints"), unitNote);
        units[0] = unit;
        QJsonObject changed = book;
        changed.insert(QStringLiteral("units"), units);
        test::writeFile(dir.filePath(QStringLiteral("books/book01.json")), QJsonDocument(changed).toJson());
        return readContent(dir.path());
    };

    const ContentRead read =
        withNotes(QStringLiteral("本单元认识人称代词。"), QStringLiteral("  咏鹅是一首古诗。\n"));
    ASSERT_TRUE(read.problems.isEmpty()) << read.problems.value(0).toString().toStdString();
    const Unit& unit = read.edition.books[0].units[0];
    EXPECT_EQ(unit.keypoints, QStringLiteral("本单元认识人称代词。"));
    EXPECT_EQ(unit.lessons[0].keypoints, QString()); // not written: the summary stands in
    EXPECT_EQ(unit.lessons[1].keypoints, QStringLiteral("咏鹅是一首古诗。"));

    const ContentRead wrong = withNotes(QJsonValue(3), QJsonArray{QStringLiteral("一")});
    ASSERT_EQ(wrong.problems.size(), 2);
    EXPECT_EQ(wrong.problems[0].toString(),
              QStringLiteral("book01.json: units[0]: \"keypoints\" must be a text"));
    EXPECT_EQ(wrong.problems[1].toString(),
              QStringLiteral("book01.json: units[0].lessons[1]: \"keypoints\" must be a text"));
}

} // namespace
} // namespace qinghe::edition
