#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace qinghe::lint::test {
namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
};

ToolRun runTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral(QINGHE_LINT_BINARY), arguments);
    EXPECT_TRUE(tool.waitForFinished(120000));
    return {tool.exitCode(),
            QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)};
}

// The fixture edition has three books of twelve, a lesson without characters, only three recordings
// and no stroke-order movies: the tool must say exactly that, through its real command line.
TEST(LintTool, ReportsTheFixtureEditionsGaps) {
    const ToolRun run = runTool({qinghe::test::fixtureEdition()});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList expected{
        QStringLiteral(
            "Data/RJ/xml/unit.xml:3: warning: the top node holds 3 books; an installation of all books "
            "(GBegin 0) holds twelve"),
        QStringLiteral(
            "Data/RJ/xml/unit.xml:10: error: lesson «a o e» (lesson201 of book «一年级上册») has no "
            "character records in Data/RJ/xml/hanzi1.xml"),
        QStringLiteral(
            "Data/RJ/xml/unit.xml:16: warning: lesson «小青蛙» (lesson102 of book «一年级下册») has no word "
            "records in Data/RJ/xml/ciyu2.xml"),
        QStringLiteral(
            "Data/RJ/xml/hanzi1.xml:5: error: recording Data/RJ/sound/csOpbg==.mp3 for PinYin1 «rén» of 人 "
            "is missing"),
        QStringLiteral(
            "Data/RJ/lj: error: missing: the 9 recordings the lessons ask for in it are not there"),
        QStringLiteral("Data/RJ/hzbs: error: missing: the 9 stroke-order movies the lessons ask for in it "
                       "are not there"),
        QStringLiteral("Data/RJ/xml/hanzi2.xml:4: error: ZuCi2 «x» does not contain 冬"),
        QStringLiteral("Data/RJ/xml/hanzi2.xml:4: warning: ZuCi2 «x» has fewer than two characters and "
                       "counts as absent"),
    };
    for (const QString& line : expected) {
        EXPECT_TRUE(run.lines.contains(line)) << line.toStdString();
    }
    // What the fixture does have is found: tiān, 天空 and the first lesson's reading.
    for (const char* present : {"dGnEgW4=.mp3", "5aSp56m6.mp3 for ZuCi1", "010101.mp3"}) {
        EXPECT_FALSE(run.lines.join(u'\n').contains(QString::fromLatin1(present))) << present;
    }
    ASSERT_FALSE(run.lines.isEmpty());
    EXPECT_TRUE(run.lines.last().startsWith(QStringLiteral("qinghe-lint: ")));
    EXPECT_TRUE(run.lines.last().contains(
        QStringLiteral("; 3 books, 6 lessons, 9 characters, 5 words, 40 recordings, "
                       "9 movies checked")))
        << run.lines.last().toStdString();

    const ToolRun silent =
        runTool({QStringLiteral("--no-audio"), QStringLiteral("--quiet"), qinghe::test::fixtureEdition()});
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_FALSE(silent.lines.join(u'\n').contains(QStringLiteral(": error: recording ")));
    EXPECT_FALSE(silent.lines.join(u'\n').contains(QStringLiteral(": warning: ")));
}

TEST(LintTool, RefusesAWrongCommandLine) {
    EXPECT_EQ(runTool({}).exitCode, 2);
    EXPECT_EQ(runTool({QStringLiteral("--audio-books"), QStringLiteral("13"), qinghe::test::fixtureEdition()})
                  .exitCode,
              2);
    EXPECT_EQ(runTool({QStringLiteral("/nonexistent/program/folder")}).exitCode, 2);
}

} // namespace
} // namespace qinghe::lint::test
