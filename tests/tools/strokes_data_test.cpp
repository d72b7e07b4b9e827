#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Two strokes drawn y-up as the package does: a bar across the top, then a post down the middle.
const QByteArray kBarAndPost = R"({"strokes": ["M 100 800 L 900 800 L 900 700 L 100 700 Z",
                                               "M 450 850 L 550 850 L 550 50 L 450 50 Z"],
                                   "medians": [[[120, 750], [880, 750]], [[500, 830], [500, 70]]]})";

TEST(StrokeData, FlipsToYDownAndKeepsTheOrder) {
    const StrokeDataRead read = parseStrokeData(kBarAndPost);
    ASSERT_TRUE(read.character) << read.error.toStdString();
    const QList<StrokeShape>& strokes = read.character->strokes;
    ASSERT_EQ(strokes.size(), 2);
    EXPECT_EQ(strokes[0].outline, QStringLiteral("M100 100L900 100L900 200L100 200Z"));
    EXPECT_EQ(strokes[1].outline, QStringLiteral("M450 50L550 50L550 850L450 850Z"));
    EXPECT_THAT(strokes[0].median, ElementsAre(QPoint(120, 150), QPoint(880, 150)));
    // The post is written downwards: its median starts at the top.
    EXPECT_THAT(strokes[1].median, ElementsAre(QPoint(500, 70), QPoint(500, 830)));
    EXPECT_TRUE(strokes[0].path.contains(QPointF(500, 150)));
    EXPECT_FALSE(strokes[0].path.contains(QPointF(500, 750)));
    EXPECT_DOUBLE_EQ(medianLength(strokes[1].median), 760.0);
}

TEST(StrokeData, OutlineSyntax) {
    struct Case {
        const char* svg;
        const char* expected; // empty: refused
    };
    const Case cases[] = {
        {"M 0 0 10 0 10 10 Z", "M0 900L10 900L10 890Z"}, // pairs after a move are lines
        {"M1,2 Q3,4 5,6 C7 8 9 10 11 12", "M1 898Q3 896 5 894C7 892 9 890 11 888"},
        {"M 10.4 899.6 L -5 1e2 Z", "M10 0L-5 800Z"},
        {"M 1 2 L 3 4 Z M 5 6 L 7 8 Z", "M1 898L3 896ZM5 894L7 892Z"},
        {"", ""},
        {"M 1 2", ""},       // draws nothing
        {"L 1 2 L 3 4", ""}, // no start point
        {"M 1 2 L 3", ""},   // a number short
        {"m 1 2 l 3 4", ""}, // relative commands are not in the data
        {"M 1 2 A 1 1 0 0 0 3 4", ""},
        {"M 1 2 L 3 4 Z 5 6", ""}, // numbers after a close
        {"M 1 2 L 1e300 4", ""},   // absurd size
        {"M 1 2 L nan 4", ""},
        {"M 1 2 L 3 4 ; rm -rf", ""},
        {"M 1 2 L 3 4\" } Item {", ""}, // cannot smuggle QML into the movie
    };
    for (const Case& c : cases) {
        QString error;
        const std::optional<StrokeShape> shape = parseOutline(QString::fromLatin1(c.svg), &error);
        if (*c.expected == 0) {
            EXPECT_FALSE(shape) << c.svg;
            EXPECT_FALSE(error.isEmpty()) << c.svg;
        } else {
            ASSERT_TRUE(shape) << c.svg << ": " << error.toStdString();
            EXPECT_EQ(shape->outline, QString::fromLatin1(c.expected)) << c.svg;
        }
    }
}

TEST(StrokeData, RefusesDamagedFiles) {
    const QByteArray real = test::readFile(test::dataDir() + QStringLiteral("/strokes/山.json"));
    ASSERT_FALSE(real.isEmpty());
    QByteArray manyStrokes = R"({"strokes": [)";
    QByteArray manyMedians = R"("medians": [)";
    for (int i = 0; i <= kMaxStrokes; ++i) {
        manyStrokes += QByteArray(i ? "," : "") + R"("M 1 2 L 3 4 Z")";
        manyMedians += QByteArray(i ? "," : "") + "[[1, 2], [3, 4]]";
    }
    const QByteArray tooMany = manyStrokes + "], " + manyMedians + "]}";
    QByteArray longMedian = R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[)";
    for (int i = 0; i <= kMaxMedianPoints; ++i) {
        longMedian += QByteArray(i ? "," : "") + "[1, 2]";
    }
    longMedian += "]]}";
    const QByteArray huge = R"({"strokes": [")" + QByteArray(kMaxStrokeDataBytes, ' ') + R"("]})";
    const QByteArray cases[] = {
        QByteArray(),
        "{",
        "[]",
        "null",
        real.left(real.size() / 2), // truncated
        R"({"strokes": ["M 1 2 L 3 4 Z"]})",
        R"({"strokes": [], "medians": []})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": []})",
        R"({"strokes": [7], "medians": [[[1, 2]]]})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[]]})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[[1]]]})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[[1, "2"]]]})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[[1, 2e300]]]})",
        R"({"strokes": ["M 1 2 L 3 4 Z"], "medians": [[1, 2]]})",
        "{\"strokes\": [\"M 1 2 L 3 4 \xff\xfe\"], \"medians\": [[[1, 2]]]}", // not UTF-8
        "\xff\xfe{\0\"\0",                                                    // UTF-16
        tooMany,
        longMedian,
        huge,
    };
    int index = 0;
    for (const QByteArray& json : cases) {
        const StrokeDataRead read = parseStrokeData(json);
        EXPECT_FALSE(read.character) << "case " << index;
        EXPECT_FALSE(read.error.isEmpty()) << "case " << index;
        ++index;
    }
}

TEST(StrokeData, RealCharacterIsUprightAndInsideTheSquare) {
    const StrokeDataRead read =
        parseStrokeData(test::readFile(test::dataDir() + QStringLiteral("/strokes/山.json")));
    ASSERT_TRUE(read.character) << read.error.toStdString();
    const QList<StrokeShape>& strokes = read.character->strokes;
    ASSERT_EQ(strokes.size(), 3);
    // 山 starts with the middle post, written from the top down; the last stroke is the right post.
    EXPECT_LT(strokes[0].median.first().y(), strokes[0].median.last().y());
    EXPECT_GT(strokes[2].median.first().x(), 700);
    QRectF all;
    for (const StrokeShape& stroke : strokes) {
        all |= stroke.path.boundingRect();
        for (const QPoint& p : stroke.median) {
            EXPECT_TRUE(stroke.path.boundingRect().adjusted(-40, -40, 40, 40).contains(p));
        }
    }
    EXPECT_TRUE(QRectF(0, 0, kStrokeUnits, kStrokeUnits).contains(all));
    // The wide bottom of the character is in the lower half once the glyph is upright.
    EXPECT_GT(strokes[1].path.boundingRect().bottom(), 600);
    EXPECT_LT(strokes[0].path.boundingRect().top(), 300);
}

TEST(StrokeMovie, TextHoldsTheStrokesInOrderWithTheirTiming) {
    const StrokeDataRead read = parseStrokeData(kBarAndPost);
    ASSERT_TRUE(read.character);
    const QByteArray movie = strokeMovie(QStringLiteral("丁"), *read.character);
    EXPECT_THAT(movie.toStdString(), HasSubstr(R"(outlines: ["M100 100L900 100L900 200L100 200Z",)"
                                               R"("M450 50L550 50L550 850L450 850Z"])"));
    EXPECT_THAT(movie.toStdString(), HasSubstr("medians: [[120,150,880,150],[500,70,500,830]]"));
    // 760 units of centre line take 400 + 760 / 900 * 400 ms; a 250 ms rest between strokes.
    EXPECT_THAT(movie.toStdString(), HasSubstr("starts: [300,1288]"));
    EXPECT_THAT(movie.toStdString(), HasSubstr("spans: [738,738]"));
    EXPECT_THAT(movie.toStdString(), HasSubstr("total: 2026"));
    // 80,000 square units over 760 units of length, less 15 %.
    EXPECT_THAT(movie.toStdString(), HasSubstr("widths: [89,89]"));
    EXPECT_THAT(movie.toStdString(), HasSubstr("Stroke order of 丁 (U+4E01)"));
    EXPECT_THAT(movie.toStdString(), HasSubstr("Arphic Public License"));
    EXPECT_TRUE(movie.startsWith("// "));
}

TEST(StrokeMovie, CharacterLabelCannotBreakTheComment) {
    StrokeCharacter character;
    character.strokes.append(parseStrokeData(kBarAndPost).character->strokes.first());
    const QByteArray movie = strokeMovie(QStringLiteral("\nItem {}"), character);
    EXPECT_TRUE(movie.startsWith("// Stroke order of U+000A U+0049")) << movie.left(60).toStdString();
}

} // namespace
} // namespace qinghe::edition
