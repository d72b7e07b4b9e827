#include "edition_lint.h"
#include "lessonread_index.h"
#include "line_index.h"
#include "lint_test_edition.h"
#include "reading_rules.h"
#include "records_document.h"
#include "report.h"
#include "support/qt_printers.h"
#include "xml_source.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace qinghe::lint::test {
namespace {

TEST(LintReport, FormatsOrdersAndDecidesTheExitCode) {
    Report report;
    report.declareFile(QStringLiteral("b.xml"));
    report.error(QStringLiteral("a.xml"), 0, QStringLiteral("missing"));
    report.warning(QStringLiteral("b.xml"), 9, QStringLiteral("late"));
    report.error(QStringLiteral("b.xml"), 2, QStringLiteral("early"));
    EXPECT_EQ(report.lines(),
              (QStringList{QStringLiteral("b.xml:2: error: early"), QStringLiteral("b.xml:9: warning: late"),
                           QStringLiteral("a.xml: error: missing")}));
    EXPECT_EQ(report.exitCode(false), 1);

    Report warnings;
    warnings.warning(QStringLiteral("a.xml"), 1, QStringLiteral("w"));
    EXPECT_EQ(warnings.exitCode(false), 0);
    EXPECT_EQ(warnings.exitCode(true), 1);
    EXPECT_EQ(Report().exitCode(true), 0);
}

TEST(LintLineIndex, CountsLineFeeds) {
    const LineIndex lines(QByteArrayView("a\r\nbc\n\nd"));
    EXPECT_EQ(lines.lineAt(0), 1);
    EXPECT_EQ(lines.lineAt(2), 1); // the line feed ends its own line
    EXPECT_EQ(lines.lineAt(3), 2);
    EXPECT_EQ(lines.lineAt(6), 3);
    EXPECT_EQ(lines.lineAt(7), 4);
    EXPECT_EQ(lines.lineAt(100), 4);
    EXPECT_EQ(lines.lineCount(), 4);
}

TEST(LintLessonKeys, MatchTheProgramsKeys) {
    const struct {
        const char16_t* name;
        bool key;
        QStringList contained;
    } cases[] = {
        {u"lesson101", true, {QStringLiteral("lesson101")}},
        {u"lesson812", true, {QStringLiteral("lesson812")}},
        {u"lesson100", false, {}},
        {u"lesson001", false, {}},
        {u"lesson10", false, {}},
        {u"Lesson101", false, {}},
        {u"lesson1011", false, {QStringLiteral("lesson101")}}, // the program's substring test takes it
        {u"xlesson205lesson301", false, {QStringLiteral("lesson205"), QStringLiteral("lesson301")}},
        {u"lesson1٠1", false, {}}, // an Arabic-Indic zero is a digit, but not ours
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        EXPECT_EQ(isLessonKey(QStringView(c.name)), c.key);
        EXPECT_EQ(lessonKeysIn(QStringView(c.name)), c.contained);
    }
}

TEST(LintReadings, UnihanFieldsNeutralTonesSandhiAndOverrides) {
    const UnihanReadings unihan = parseUnihanReadings("# comment\n"
                                                      "U+4E00\tkMandarin\tyī\n"
                                                      "U+4E0D\tkHanyuPinlu\tbù(1000)\r\n"
                                                      "U+5730\tkHanyuPinyin\t10001.010:dì,de 20002.020:dì\n"
                                                      "U+7EFF\tkXHC1983\t0745.010:lǜ 0745.020*,0746.010:lù\n"
                                                      "U+5929\tkTGHZ2013\t365.010:tiān\n"
                                                      "U+5929\tkDefinition\tsky\n"
                                                      "U+ZZZZ\tkMandarin\txx\n"
                                                      "garbage line\n"
                                                      "U+20000\tkMandarin\thē\n");
    EXPECT_EQ(unihan.size(), 6);
    EXPECT_EQ(unihan.value(QStringLiteral("绿")),
              (QSet<QString>{QStringLiteral("lǜ"), QStringLiteral("lù")}));
    EXPECT_EQ(unihan.value(QStringLiteral("地")),
              (QSet<QString>{QStringLiteral("dì"), QStringLiteral("de")}));
    EXPECT_TRUE(unihan.contains(QString::fromUcs4(U"\U00020000", 1)));

    const ReadingRules rules(unihan, parseReadingOverrides("天\ttián\tfor a test\n"));
    const struct {
        const char16_t* zi;
        const char16_t* reading;
        bool accepted;
    } cases[] = {
        {u"天", u"tiān", true},  {u"天", u"tian", true}, // neutral tone
        {u"天", u"tián", true},                          // override
        {u"天", u"tiǎn", false}, {u"绿", u"lü", true},   {u"绿", u"lu", true},    {u"绿", u"lv", false},
        {u"一", u"yí", true},    {u"一", u"yì", true},   {u"一", u"yǐ", false},   {u"不", u"bú", true},
        {u"不", u"bu", true},    {u"地", u"dī", false},  {u"山", u"shān", false}, // Unihan of this test knows
                                                                                  // no 山
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.zi).toStdString() + ' ' +
                     QString::fromUtf16(c.reading).toStdString());
        EXPECT_EQ(rules.accepts(QString::fromUtf16(c.zi), QString::fromUtf16(c.reading)), c.accepted);
    }
    // A decomposed tone mark is the same reading.
    EXPECT_TRUE(rules.accepts(QStringLiteral("天"), QStringLiteral("tia\u0304n")));
    EXPECT_EQ(toneless(QStringLiteral("lǜ")), QStringLiteral("lü"));
    EXPECT_EQ(rules.known(QStringLiteral("地")), (QStringList{QStringLiteral("de"), QStringLiteral("dì")}));
}

TEST(LintReadings, OverrideLinesNeedAReason) {
    const ReadingOverrides overrides = parseReadingOverrides("# 字\t读音\t理由\n"
                                                             "\n"
                                                             "天\ttián\n"
                                                             "天空\ttiān\tword\n"
                                                             "地\t \treason\n"
                                                             "地\tdī\tnames\r\n");
    EXPECT_EQ(overrides.problems,
              (std::vector<std::pair<int, QString>>{{3, QStringLiteral("needs char<TAB>reading<TAB>reason")},
                                                    {4, QStringLiteral("«天空» is not one character")},
                                                    {5, QStringLiteral("«» is not one reading")}}));
    EXPECT_TRUE(overrides.accepts(QStringLiteral("地"), QStringLiteral("dī")));
    EXPECT_EQ(parseReadingOverrides("\xFF\xFE").problems.size(), 1u);
}

TEST(LintSideFile, ParsesSegmentsAndRejectsHostileInput) {
    const ReadingSegments good = parseReadingSegments("\xEF\xBB\xBF"
                                                      "0\t0\t417\t0.000\t0.500\t春晓\r\n"
                                                      "1\t417\t0\t0.500\t1.250\t春眠不觉晓\n");
    EXPECT_TRUE(good.problems.empty());
    ASSERT_EQ(good.segments.size(), 2u);
    EXPECT_EQ(good.segments[1].line, 2);
    EXPECT_EQ(good.segments[1].startByte, 417);
    EXPECT_EQ(good.segments[1].endByte, 0);
    EXPECT_DOUBLE_EQ(good.segments[1].endSeconds, 1.25);
    EXPECT_EQ(good.segments[1].text, QStringLiteral("春眠不觉晓"));
    EXPECT_TRUE(checkSegmentRanges(good.segments, 418).empty());
    EXPECT_EQ(checkSegmentRanges(good.segments, 417),
              (std::vector<std::pair<int, QString>>{
                  {2, QStringLiteral("bytes 417 to 0 lie outside the recording of 417 bytes")}}));
    EXPECT_EQ(checkSegmentRanges(good.segments, 100).size(), 2u);

    const struct {
        QByteArray text;
        QString problem;
    } cases[] = {
        {"", QStringLiteral("0: holds no segments")},
        {"1\t0\t10\n",
         QStringLiteral(
             "1: 3 fields; a segment line has 6 (index, start byte, end byte, start s, end s, text)")},
        {"1\tzero\t10\t0\t1\tx\n", QStringLiteral("1: start byte «zero» is not a number")},
        {"1\t20\t10\t0\t1\tx\n", QStringLiteral("1: bytes 20 to 10 are not a range")},
        {"1\t0\t10\t2\t1\tx\n", QStringLiteral("1: times 2 s to 1 s are not a span")},
        {"1\t0\t10\tnan\tinf\tx\n", QStringLiteral("1: times nan s to inf s are not a span")},
        {"1\t0\t10\t0\t1\t \n", QStringLiteral("1: the segment has no text")},
        {"1\t0\t0\t0\t1\tx\n2\t5\t9\t1\t2\ty\n",
         QStringLiteral("2: follows a segment that runs to the end of the file")},
        {"1\t0\t10\t0\t1\t\xC0\n", QStringLiteral("0: not UTF-8 text")},
        {QByteArray(5 * 1024 * 1024, '\t'), QStringLiteral("0: larger than 4 MiB")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        const ReadingSegments parsed = parseReadingSegments(c.text);
        ASSERT_FALSE(parsed.problems.empty());
        EXPECT_EQ(QString::number(parsed.problems.front().first) + QStringLiteral(": ") +
                      parsed.problems.front().second,
                  c.problem);
    }
    // Random bytes give problems, never a crash.
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(600)), '\0');
        for (char& b : bytes) {
            b = "0123456789\t\n.-e\xE5\xA4\xA9"[random.bounded(19)];
        }
        parseReadingSegments(bytes);
    }
}

TEST(LintXmlSource, GivesLinesAndRefusesBrokenDocuments) {
    const XmlSource source =
        XmlSource::fromBytes("<?xml version=\"1.0\"?>\r\n<a>\r\n  <b/>\n\n<c\nx=\"1\"/></a>");
    ASSERT_TRUE(source.ok());
    const pugi::xml_node b = source.root().first_child();
    EXPECT_EQ(source.lineOf(b), 3);
    EXPECT_EQ(source.lineOf(b.next_sibling()), 5);

    const struct {
        QByteArray bytes;
        XmlSource::Status status;
        int line;
    } cases[] = {
        {"<a>\n<b>\n</a>", XmlSource::Status::Malformed, 3},
        {"<a/>\n<b/>", XmlSource::Status::Malformed, 2},
        {"", XmlSource::Status::Malformed, 1},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xB5\xD8</a>", XmlSource::Status::BadEncoding, 0},
        {"<?xml version=\"1.0\" encoding=\"GBK\"?>\n<a t=\"\xB5\xD8\"/>", XmlSource::Status::Ok, 0},
        {QByteArray(200000, '<'), XmlSource::Status::Malformed, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.left(40).toStdString());
        const XmlSource parsed = XmlSource::fromBytes(c.bytes);
        EXPECT_EQ(parsed.status(), c.status);
        EXPECT_EQ(parsed.problemLine(), c.line);
    }
}

TEST(LintRecords, HostileDocumentsAreReportedNotFatal) {
    TestEdition edition;
    edition.write();
    edition.writeMedia();
    const QString hanzi = QStringLiteral("Data/RJ/xml/hanzi1.xml");
    const auto findingsOn = [&](const QString& file) {
        LintOptions options;
        options.programDirectory = edition.root();
        options.unihanPath = edition.unihanFile();
        options.checkRecordings = false;
        const LintResult result = lintEdition(options, nullptr);
        QStringList lines;
        for (const QString& line : result.report.lines()) {
            if (line.startsWith(file)) {
                lines << line;
            }
        }
        return lines;
    };

    QRandomGenerator random(11);
    QByteArray garbage(20000, '\0');
    for (char& b : garbage) {
        b = char(random.bounded(256));
    }
    edition.put(hanzi, garbage);
    EXPECT_EQ(findingsOn(hanzi),
              QStringList{
                  hanzi +
                  QStringLiteral(": error: not in the encoding it declares (UTF-8 when it declares none)")});

    edition.put(hanzi, "<hanzi>\n<lesson101 Chinese=\"5aSp\" PinYin1=\"dGnEgW4=\"/>\n<lesson101 Chin");
    EXPECT_EQ(findingsOn(hanzi),
              QStringList{hanzi + QStringLiteral(":3: error: not well-formed XML: Error parsing "
                                                 "element attribute")});

    edition.put(hanzi,
                "<hanzi><lesson101 Chinese=\"天天\" PinYin1=\"" + QByteArray(100000, 'A') + "\"/></hanzi>");
    const QStringList values = findingsOn(hanzi);
    ASSERT_FALSE(values.isEmpty());
    EXPECT_EQ(values.front(), hanzi + QStringLiteral(":1: error: Chinese «天天» is not Base64 text"));

    QFile huge(edition.path(hanzi));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(65 * 1024 * 1024)); // sparse: nothing is written
    huge.close();
    EXPECT_EQ(
        findingsOn(hanzi),
        QStringList{hanzi + QStringLiteral(": error: larger than 64 MiB; the program does not read it")});

    // A table of contents nested far deeper than any tree: the levels below the lessons are not walked.
    QByteArray deep = "<mulu><e text=\"e\" ImageIndex=\"0\" SelectedIndex=\"0\">";
    deep += QByteArray("<n text=\"n\" ImageIndex=\"0\" SelectedIndex=\"0\">").repeated(50000);
    deep += QByteArray("</n>").repeated(50000) + "</e></mulu>";
    edition.put(QStringLiteral("Data/RJ/xml/unit.xml"), deep);
    EXPECT_TRUE(findingsOn(QStringLiteral("Data/RJ/xml/unit.xml"))
                    .contains(QStringLiteral(
                        "Data/RJ/xml/unit.xml:1: warning: lesson «n» holds child elements; nodes "
                        "below the lessons are not lessons")));
}

} // namespace
} // namespace qinghe::lint::test
