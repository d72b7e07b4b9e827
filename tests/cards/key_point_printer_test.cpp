#include "cards/key_point_printer.h"
#include "support/qt_printers.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

// Prints to a PDF and reads it back with pdftotext; returns the pages' text (form feeds between
// pages) or the output of pdftotext's -bbox mode.
class PrintedPdf {
public:
    int print(const QString& title, const QString& text) {
        QPdfWriter writer(path());
        KeyPointPrinter::preparePage(writer);
        return KeyPointPrinter(title, text).print(writer);
    }
    QString path() const { return dir_.filePath(QStringLiteral("card.pdf")); }
    QString text(const QStringList& options = {}) const {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), options + QStringList{path(), QStringLiteral("-")});
        tool.waitForFinished(60000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

private:
    QTemporaryDir dir_;
};

// Layout spaces (line breaks, the title's ideographic indent) are no part of what is compared.
QString withoutSpace(QString text) {
    static const QRegularExpression space(QStringLiteral("\\s+"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    return text.remove(space);
}

// Long texts compare without flooding the log: where they part and what follows.
::testing::AssertionResult sameText(const QString& actual, const QString& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    qsizetype at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    return ::testing::AssertionFailure() << "texts part at " << at << " of " << expected.size()
                                         << ": printed \"" << actual.mid(at, 30).toStdString()
                                         << "\", expected \"" << expected.mid(at, 30).toStdString() << '"';
}

const QRegularExpression kFooter(QStringLiteral("第\\s*(\\d+)\\s*页\\s*/\\s*共\\s*(\\d+)\\s*页"));

// A parent's printout: paragraphs of different lengths, some far wider than the page.
QString longCardText() {
    QStringList lines;
    for (int i = 1; i <= 90; ++i) {
        QString line = QStringLiteral("%1. 会写的字：天、地、人、你、我、他。").arg(i);
        for (int k = 0; k < i % 4; ++k) {
            line += QStringLiteral("请和孩子一起朗读课文，找一找课文里的生字，再用它们说一句完整的话。");
        }
        lines << line;
        if (i % 10 == 0) {
            lines << QString(); // blank lines between parts are kept
        }
    }
    return lines.join(u'\n');
}

TEST(KeyPointPrinter, SplitsTheTextIntoParagraphs) {
    struct Case {
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {QString(), {QString()}},
        {QStringLiteral("一"), {QStringLiteral("一")}},
        {QStringLiteral("一\r\n二\r三\n四"),
         {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四")}},
        {QStringLiteral("一\n\n二\n"), {QStringLiteral("一"), QString(), QStringLiteral("二")}},
        {QStringLiteral("一\t二\u2029三"), {QStringLiteral("一 二"), QStringLiteral("三")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyPointPrinter::paragraphs(c.text), c.expected) << c.text.toStdString();
    }
    EXPECT_EQ(KeyPointPrinter::pageFooter(2, 5), QStringLiteral("第 2 页 / 共 5 页"));
    EXPECT_EQ(KeyPointPrinter::textFont().pointSize(), 13);
    EXPECT_EQ(KeyPointPrinter::textFont().families().value(0), QStringLiteral("宋体"));
}

TEST(KeyPointPrinter, PrintsTheTitleThenEveryLineInOrderOverSeveralPages) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    const QString title = QStringLiteral("\u3000\u3000\u3000《小蝌蚪找妈妈》课文要点");
    const QString text = longCardText();
    PrintedPdf pdf;
    const int pages = pdf.print(title, text);
    ASSERT_GT(pages, 2);

    const QString printed = pdf.text();
    const QStringList pageTexts = printed.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pageTexts.size(), pages);
    // Every page carries its number and the count, in order.
    for (int page = 0; page < pages; ++page) {
        const QRegularExpressionMatch footer = kFooter.match(pageTexts[page]);
        ASSERT_TRUE(footer.hasMatch()) << page;
        EXPECT_EQ(footer.captured(1).toInt(), page + 1);
        EXPECT_EQ(footer.captured(2).toInt(), pages);
    }
    // Without the footers the print reads exactly the title, then the text.
    QString body = printed;
    body.remove(kFooter);
    EXPECT_TRUE(sameText(withoutSpace(body), withoutSpace(title + text)));
    // The title is only on the first page.
    EXPECT_TRUE(withoutSpace(pageTexts[0]).startsWith(withoutSpace(title)));
    EXPECT_EQ(withoutSpace(printed).count(QStringLiteral("《小蝌蚪找妈妈》课文要点")), 1);
}

TEST(KeyPointPrinter, WrapsWithinTheMarginsAndPrintsAnEmptyCardOnOnePage) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    PrintedPdf pdf;
    // One paragraph with no break at all, many times the page width.
    const QString paragraph = QString(600, QChar(u'字'));
    ASSERT_EQ(pdf.print(QStringLiteral("单元"), paragraph), 1);
    const QString boxes = pdf.text({QStringLiteral("-bbox")});
    // A4 is 595.3 pt wide; 20 mm margins leave the text between 56.7 and 538.6 pt.
    const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\""));
    int words = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        EXPECT_GE(match.captured(1).toDouble(), 56.0);
        EXPECT_LE(match.captured(2).toDouble(), 539.5);
        ++words;
    }
    EXPECT_GT(words, 0);
    EXPECT_EQ(withoutSpace(pdf.text()).count(u'字'), 600);

    PrintedPdf empty;
    EXPECT_EQ(empty.print(QString(), QString()), 1);
    EXPECT_EQ(withoutSpace(empty.text()), QStringLiteral("第1页/共1页"));
}

} // namespace
} // namespace qinghe
