#include "audio/sound_name.h"
#include "edition_lint.h"
#include "lint_test_edition.h"
#include "movie_check.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"
#include "support/wav_builder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace qinghe::lint::test {
namespace {

struct LintRun {
    QStringList lines;
    int exitCode = 0;
    LintCounts counts;
};

LintRun lint(const TestEdition& edition, const std::function<void(LintOptions&)>& adjust = {}) {
    LintOptions options;
    options.programDirectory = edition.root();
    options.unihanPath = edition.unihanFile();
    if (adjust) {
        adjust(options);
    }
    QmlMovieProbe movies(options.programDirectory);
    const LintResult result = lintEdition(options, &movies);
    return {result.report.lines(), result.report.exitCode(false), result.counts};
}

QString sound(const QString& text) {
    return QStringLiteral("Data/RJ/sound/") + soundName(text) + QStringLiteral(".mp3");
}

TEST(LintEdition, CleanEditionHasNoFindings) {
    TestEdition edition;
    edition.write();
    edition.writeMedia();
    // A side file whose two segments play: the movie's "lesson_play" ranges.
    const qint64 size = QFileInfo(edition.path(QStringLiteral("Data/RJ/lessonread/010101.mp3"))).size();
    ASSERT_GT(size, 8000);
    edition.put(QStringLiteral("Data/RJ/lessonread/010101.txt"),
                "1\t0\t8000\t0.00\t2.10\t天地\r\n2\t8000\t0\t2.10\t4.50\t天上有白云\r\n");

    const LintRun run = lint(edition);
    EXPECT_EQ(run.lines, QStringList());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.counts.books, 1);
    EXPECT_EQ(run.counts.lessons, 3);
    EXPECT_EQ(run.counts.characters, 5);
    EXPECT_EQ(run.counts.words, 3);
    // 5 readings, 8 word groups (the words 天空, 大人 and 一个 are among them), 5 sentences, 3 lessons.
    EXPECT_EQ(run.counts.recordings, 21);
    // 一 is taught in the pinyin unit, which shows no stroke order.
    EXPECT_EQ(run.counts.movies, 4);
}

struct Fault {
    const char* name;
    std::function<void(TestEdition&)> change;      // before the files are written
    std::function<void(const TestEdition&)> plant; // after
    QStringList expected; // exactly these findings; an entry ending in '*' matches by its start
    bool only = true;     // false: the expected findings are among others
};

bool matches(const QString& line, const QString& expected) {
    return expected.endsWith(u'*') ? line.startsWith(expected.chopped(1)) : line == expected;
}

const QString kUnit = QStringLiteral("Data/RJ/xml/unit.xml");
const QString kHanzi = QStringLiteral("Data/RJ/xml/hanzi1.xml");
const QString kSet = QStringLiteral("Data/systxt/Set.ini");

std::vector<Fault> faults() {
    return {
        {"page table too short",
         {},
         [](const TestEdition& e) { e.replace(kSet, "page=20,1,", "page="); },
         {QStringLiteral(
             "Data/systxt/Set.ini:5: error: [Book] page holds 22 items; the program needs 24 integers "
             "(last and first page of each of the 12 books) to start")}},
        {"page item not an integer",
         {},
         [](const TestEdition& e) { e.replace(kSet, "page=20,1,20", "page=20,1,2O"); },
         {QStringLiteral(
             "Data/systxt/Set.ini:5: error: [Book] page item 3 «2O» is not an integer; the program "
             "cannot start")}},
        {"settings missing",
         {},
         [](const TestEdition& e) { QFile::remove(e.path(kSet)); },
         {QStringLiteral(
             "Data/systxt/Set.ini: error: missing; the program cannot start without its [Book] page key")}},
        {"settings line without meaning",
         {},
         [](const TestEdition& e) { e.replace(kSet, "[Book]", "[Book]\r\nfull screen please"); },
         {QStringLiteral(
             "Data/systxt/Set.ini:5: warning: «full screen please» is neither a section, a key=value "
             "line nor a ';' comment; it is ignored")}},
        {"edition folder missing",
         {},
         [](const TestEdition& e) { e.replace(kSet, "BanBen=RJ", "BanBen=SJ"); },
         {QStringLiteral("Data/systxt/Set.ini:3: error: the edition folder Data/sj (from [BasicSet] BanBen) "
                         "does not exist"),
          QStringLiteral("Data/sj/xml/unit.xml: error: missing; the table of contents stays empty")}},
        {"catalogue not well-formed",
         {},
         [](const TestEdition& e) { e.replace(kUnit, "</book>", "</boo>"); },
         {QStringLiteral("Data/RJ/xml/unit.xml:12: error: not well-formed XML: Start-end tags mismatch")}},
        {"icon index not an integer",
         {},
         [](const TestEdition& e) {
             e.replace(kUnit, "大小\" ImageIndex=\"5\"", "大小\" ImageIndex=\"五\"");
         },
         {QStringLiteral("Data/RJ/xml/unit.xml:7: error: <lesson> ImageIndex «五» is not an integer")}},
        {"icon index missing",
         {},
         [](const TestEdition& e) { e.replace(kUnit, " SelectedIndex=\"4\"", ""); },
         {QStringLiteral("Data/RJ/xml/unit.xml:5: error: <unit> lacks the attribute SelectedIndex")}},
        {"nine units in a book",
         [](TestEdition& e) {
             for (int u = 3; u <= 9; ++u) {
                 e.units << QStringLiteral("第%1单元").arg(u);
                 e.lessons.push_back({});
             }
         },
         {},
         {QStringLiteral(
              "Data/RJ/xml/unit.xml:4: error: book «一年级上册» has 9 units; a book holds at most 8 (lesson "
              "keys give the unit one digit)"),
          QStringLiteral(
              "Data/RJ/xml/unit.xml:12: warning: unit «第3单元» of book «一年级上册» has no lessons")},
         false},
        {"value not Base64",
         {},
         [](const TestEdition& e) {
             e.replace(kHanzi, "PinYin2=\"" + base64(QStringLiteral("de")) + '"', "PinYin2=\"ZG@=\"");
         },
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:4: error: PinYin2 «ZG@=» is not Base64 text")}},
        {"value not UTF-8",
         {},
         [](const TestEdition& e) {
             e.replace(kHanzi, "ZaoJu=\"" + base64(QStringLiteral("地上有小草。")) + '"',
                       "ZaoJu=\"" + QByteArray("\xB5\xD8\xC9\xCF").toBase64() + '"');
         },
         {QStringLiteral(
              "Data/RJ/xml/hanzi1.xml:4: error: ZaoJu «tdjJzw==» is Base64 of bytes that are not UTF-8 text"),
          QStringLiteral(
              "Data/RJ/xml/hanzi1.xml:4: error: ZaoJu is empty: the character has no example sentence")}},
        {"element name not a lesson key",
         [](TestEdition& e) { e.characters[1].key = QStringLiteral("lesson10"); },
         {},
         {QStringLiteral(
              "Data/RJ/xml/hanzi1.xml:4: error: element <lesson10> is not named by a lesson key (lesson + "
              "unit + two-digit lesson, e.g. lesson101)"),
          QStringLiteral("Data/RJ/xml/hanzi1.xml:4: warning: record <lesson10> belongs to no lesson of book "
                         "«一年级上册» "
                         "in the table of contents")}},
        {"record of a lesson the tree lacks",
         [](TestEdition& e) { e.characters[3].key = QStringLiteral("lesson305"); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:6: warning: record <lesson305> belongs to no lesson of book "
                         "«一年级上册» "
                         "in the table of contents")}},
        {"lesson without characters",
         [](TestEdition& e) { e.characters.pop_back(); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/unit.xml:10: error: lesson «一» (lesson201 of book «一年级上册») has no character "
             "records in Data/RJ/xml/hanzi1.xml")}},
        {"reading Unihan does not know",
         [](TestEdition& e) { e.characters[0].py1 = QStringLiteral("tián"); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:3: error: PinYin1 «tián» is not a reading Unihan knows for 天 (tiān); "
             "list it in the overrides with a reason if it is right")}},
        {"second reading Unihan does not know",
         [](TestEdition& e) { e.characters[2].py3 = QStringLiteral("tài"); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:5: error: PinYin3 «tài» is not a reading Unihan knows for 大 (dà dài); "
             "list it in the overrides with a reason if it is right")}},
        {"word group without its character",
         [](TestEdition& e) { e.characters[0].zuci2 = QStringLiteral("明日"); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:3: error: ZuCi2 «明日» does not contain 天")}},
        {"one-character word group",
         [](TestEdition& e) { e.characters[3].zuci3 = QStringLiteral("小"); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:6: warning: ZuCi3 «小» has fewer than two characters and counts as "
             "absent")}},
        {"sentence without its character",
         [](TestEdition& e) { e.characters[0].zaoju = QStringLiteral("云很白。"); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:3: error: ZaoJu «云很白。» does not contain 天")}},
        {"character twice in a lesson",
         [](TestEdition& e) { e.characters.insert(e.characters.begin() + 1, e.characters[0]); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:4: error: «天» comes twice in lesson101 (first on line 3)")}},
        {"character introduced twice",
         [](TestEdition& e) {
             TestCharacter again = e.characters[0];
             again.key = QStringLiteral("lesson102");
             e.characters.insert(e.characters.begin() + 2, again);
         },
         {},
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:5: error: «天» is introduced again; lesson «天地» (lesson101 of book "
             "«一年级上册») introduced it first (Data/RJ/xml/hanzi1.xml:3)")}},
        {"empty character",
         [](TestEdition& e) { e.characters[3].zi.clear(); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:6: error: Chinese is empty")}},
        {"two characters in one record",
         [](TestEdition& e) { e.characters[3].zi = QStringLiteral("小鸟"); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:6: error: Chinese «小鸟» is not one character")}},
        {"must-master flag neither 0 nor 1",
         [](TestEdition& e) { e.characters[3].must = QStringLiteral("2"); },
         {},
         {QStringLiteral("Data/RJ/xml/hanzi1.xml:6: error: bx_shengzi «2» is neither 0 nor 1")}},
        {"lesson without a must-master character",
         [](TestEdition& e) { e.characters[4].must = QStringLiteral("0"); },
         {},
         {QStringLiteral(
             "Data/RJ/xml/unit.xml:10: warning: lesson «一» (lesson201 of book «一年级上册») has no "
             "must-master character (bx_shengzi 1)")}},
        {"one sentence recording for two sentences",
         [](TestEdition& e) {
             e.characters[2].zuci1 = QStringLiteral("大小");
             e.characters[3].zuci1 = QStringLiteral("大小");
         },
         {},
         {QStringLiteral(
              "Data/RJ/xml/hanzi1.xml:6: error: ZuCi1 «大小» is also the first word group of «大» "
              "(Data/RJ/xml/hanzi1.xml:5) with another sentence: the one recording Data/RJ/lj/%1.mp3 "
              "cannot speak both")
              .arg(soundName(QStringLiteral("大小")))}},
        {"recording names that differ only in letter case",
         // Base64 of 一七 and 一丝 differ in the case of one letter.
         [](TestEdition& e) {
             e.characters[4].zuci2 = QStringLiteral("一七");
             e.words[2].zh = QStringLiteral("一丝");
         },
         {},
         {QStringLiteral(
             "Data/RJ/xml/ciyu1.xml:5: error: recordings Data/RJ/sound/5LiA5Lid.mp3 for the word «一丝» "
             "and Data/RJ/sound/5LiA5LiD.mp3 for ZuCi2 «一七» differ only in letter case: one file on "
             "Windows")}},
        {"recording missing",
         {},
         [](const TestEdition& e) { QFile::remove(e.path(sound(QStringLiteral("天空")))); },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:3: error: recording Data/RJ/sound/5aSp56m6.mp3 for ZuCi1 «天空» is "
             "missing")}},
        {"lesson reading missing",
         {},
         [](const TestEdition& e) { QFile::remove(e.path(QStringLiteral("Data/RJ/lessonread/010102.mp3"))); },
         {QStringLiteral(
             "Data/RJ/xml/unit.xml:7: error: recording Data/RJ/lessonread/010102.mp3 for the reading of "
             "lesson «大小» (lesson102 of book «一年级上册») is missing")}},
        {"recording found only in another letter case",
         {},
         [](const TestEdition& e) {
             QFile::rename(e.path(QStringLiteral("Data/RJ/sound/dGnEgW4=.mp3")),
                           e.path(QStringLiteral("Data/RJ/sound/DGNEGW4=.mp3")));
         },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:3: warning: recording Data/RJ/sound/dGnEgW4=.mp3 for PinYin1 «tiān» "
             "of 天 exists only as DGNEGW4=.mp3 (the letter case differs: is it another text's "
             "recording?)")}},
        {"recording that is no sound",
         {},
         [](const TestEdition& e) { e.put(sound(QStringLiteral("大人")), QByteArray(6000, 'x')); },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:5: error: recording Data/RJ/sound/5aSn5Lq6.mp3 for ZuCi1 «大人» does "
             "not decode as MP3 or WAV")}},
        {"recording of silence",
         {},
         [](const TestEdition& e) {
             e.put(sound(QStringLiteral("大人")),
                   qinghe::test::wav16(1, 44100, std::vector<std::int16_t>(44100, 0)));
         },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:5: error: recording Data/RJ/sound/5aSn5Lq6.mp3 for ZuCi1 «大人» holds "
             "less than 0.1 s of sound")}},
        {"side file range beyond the recording",
         {},
         [](const TestEdition& e) {
             e.put(QStringLiteral("Data/RJ/lessonread/010102.txt"), "1\t0\t99999\t0\t1.5\t大小\n");
         },
         {QStringLiteral(
              "Data/RJ/lessonread/010102.txt:1: error: bytes 0 to 99999 lie outside the recording of %1 "
              "bytes")
              .arg(QFileInfo(qinghe::test::dataDir() + QStringLiteral("/audio/sentence.mp3")).size())}},
        {"side file out of order",
         {},
         [](const TestEdition& e) {
             e.put(QStringLiteral("Data/RJ/lessonread/010102.txt"),
                   "1\t0\t4000\t0\t1\t大\n3\t3000\t0\t1\t2\t小\n");
         },
         {QStringLiteral("Data/RJ/lessonread/010102.txt:2: error: index 3 follows index 1"),
          QStringLiteral(
              "Data/RJ/lessonread/010102.txt:2: error: starts at byte 3000, inside the previous segment "
              "(up to byte 4000)")}},
        {"stroke-order movie missing",
         {},
         [](const TestEdition& e) { QFile::remove(e.path(QStringLiteral("Data/RJ/hzbs/book1/地.swf"))); },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:4: error: movie Data/RJ/hzbs/book1/地.swf for the stroke order of 地 "
             "is missing")}},
        {"stroke-order movie that does not compile",
         {},
         [](const TestEdition& e) {
             e.put(QStringLiteral("Data/RJ/hzbs/book1/地.swf"), "import QtQuick\nItem {\n  width: \n");
         },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:4: error: movie Data/RJ/hzbs/book1/地.swf for the stroke order of 地 "
             "does not compile as QML: line *")}},
        {"stroke-order movie that is a real SWF",
         {},
         [](const TestEdition& e) {
             e.put(QStringLiteral("Data/RJ/hzbs/book1/地.swf"), QByteArray("CWS\x0A\x10\x00\x00", 7));
         },
         {QStringLiteral(
             "Data/RJ/xml/hanzi1.xml:4: error: movie Data/RJ/hzbs/book1/地.swf for the stroke order of 地 "
             "is not a QML movie (empty, a real SWF, binary or not UTF-8)")}},
        {"all books with one book in the tree",
         {},
         [](const TestEdition& e) { e.replace(kSet, "GBegin=1", "GBegin=0"); },
         {QStringLiteral(
              "Data/RJ/xml/unit.xml:3: warning: the top node holds 1 book; an installation of all books "
              "(GBegin 0) holds twelve"),
          QStringLiteral(
              "Data/RJ/xml/hanzi1.xml:3: error: movie Data/RJ/hzbs/天.swf for the stroke order of 天 is "
              "missing")},
         false},
    };
}

TEST(LintEdition, FindsEachPlantedFault) {
    for (const Fault& fault : faults()) {
        SCOPED_TRACE(fault.name);
        TestEdition edition;
        if (fault.change) {
            fault.change(edition);
        }
        edition.write();
        edition.writeMedia();
        if (fault.plant) {
            fault.plant(edition);
        }
        const LintRun run = lint(edition);
        for (const QString& expected : fault.expected) {
            EXPECT_TRUE(std::any_of(run.lines.begin(), run.lines.end(),
                                    [&](const QString& line) { return matches(line, expected); }))
                << "missing: " << expected.toStdString() << "\nfound:\n"
                << run.lines.join(u'\n').toStdString();
        }
        if (fault.only) {
            EXPECT_EQ(run.lines.size(), fault.expected.size()) << run.lines.join(u'\n').toStdString();
        }
        EXPECT_EQ(run.exitCode, fault.expected.join(u'\n').contains(QStringLiteral(": error: ")) ? 1 : 0);
    }
}

TEST(LintEdition, ReadingsFromOverridesAndSkippedUnihan) {
    TestEdition edition;
    edition.characters[0].py1 = QStringLiteral("tián");
    edition.characters[4].py2 = QStringLiteral("yí"); // the tone change of 一 before a fourth tone
    edition.characters[2].py3 = QStringLiteral("da"); // the neutral-tone form of dà
    edition.write();
    edition.writeMedia();
    const QString overrides = edition.path(QStringLiteral("overrides.tsv"));
    edition.put(QStringLiteral("overrides.tsv"),
                "# char\treading\treason\n天\ttián\ta dialect reading we teach\n");

    EXPECT_EQ(lint(edition, [&](LintOptions& o) { o.overridesPath = overrides; }).lines, QStringList());
    EXPECT_EQ(lint(edition).lines.size(), 1);

    const QString missing = edition.path(QStringLiteral("no/Unihan_Readings.txt.bz2"));
    EXPECT_EQ(lint(edition, [&](LintOptions& o) { o.unihanPath = missing; }).lines,
              QStringList{missing +
                          QStringLiteral(": warning: not found (Debian package unicode-data); readings are "
                                         "not checked")});
    const QString named = edition.path(QStringLiteral("none.tsv"));
    EXPECT_EQ(
        lint(edition,
             [&](LintOptions& o) {
                 o.overridesPath = named;
                 o.overridesRequired = true;
             })
            .lines,
        (QStringList{
            named + QStringLiteral(": error: missing"),
            QStringLiteral("Data/RJ/xml/hanzi1.xml:3: error: PinYin1 «tián» is not a reading Unihan "
                           "knows for 天 (tiān); list it in the overrides with a reason if it is right")}));
}

TEST(LintEdition, RecordingChecksFollowTheOptions) {
    TestEdition edition;
    edition.write();
    edition.writeMedia();
    QDir(edition.path(QStringLiteral("Data/RJ/sound"))).removeRecursively();

    EXPECT_EQ(lint(edition, [](LintOptions& o) { o.checkRecordings = false; }).lines, QStringList());
    EXPECT_EQ(lint(edition, [](LintOptions& o) { o.recordingBooks = {2}; }).lines, QStringList());
    // Book 1's readings, word groups and words; its sentences and lesson readings are there.
    EXPECT_EQ(
        lint(edition, [](LintOptions& o) { o.recordingBooks = {1}; }).lines,
        QStringList{QStringLiteral(
            "Data/RJ/sound: error: missing: the 13 recordings the lessons ask for in it are not there")});
}

} // namespace
} // namespace qinghe::lint::test
