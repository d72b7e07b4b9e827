#include "pad/stroke_shapes.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qinghe::pad {
namespace {

// Level strokes across a 100-unit square, top to bottom.
Strokes levelStrokes(std::initializer_list<double> heights) {
    Strokes strokes;
    for (const double y : heights) {
        strokes.append({{10, y}, {90, y}});
    }
    return strokes;
}

TEST(StrokeShapes, ResamplesEvenlyAlongTheFittedInk) {
    // Points bunched at the start of the stroke still give evenly spaced shape points; the one stroke
    // is 80 units long, so fitting keeps its size and moves it to the middle.
    const CharacterShape shape = shapeOf({{{10, 20}, {12, 20}, {14, 20}, {90, 20}}, {}}, 100);
    ASSERT_EQ(shape.size(), 1);
    for (int k = 0; k < kShapePoints; ++k) {
        EXPECT_NEAR(shape[0][size_t(k)].x(), 0.1 + 0.8 * k / (kShapePoints - 1), 1e-9) << k;
        EXPECT_NEAR(shape[0][size_t(k)].y(), 0.5, 1e-9) << k;
    }
    // A dot is all one point; nothing written or no square gives no shape.
    const CharacterShape dot = shapeOf({{{30, 30}}}, 100);
    ASSERT_EQ(dot.size(), 1);
    EXPECT_EQ(dot[0][0], dot[0][kShapePoints - 1]);
    EXPECT_TRUE(shapeOf({}, 100).isEmpty());
    EXPECT_TRUE(shapeOf(levelStrokes({20}), 0).isEmpty());
    // Written backwards and in another order, 三 has the shape of 三.
    Strokes backwards = levelStrokes({80, 50, 20});
    for (Stroke& stroke : backwards) {
        std::reverse(stroke.begin(), stroke.end());
    }
    EXPECT_EQ(shapeDistance(shapeOf(backwards, 100), shapeOf(levelStrokes({20, 50, 80}), 100)), 0.0);
}

TEST(StrokeShapes, DistanceCountsWhatIsOutOfPlace) {
    const CharacterShape three = shapeOf(levelStrokes({20, 50, 80}), 100);
    CharacterShape turned = three;
    std::reverse(turned[1].begin(), turned[1].end());
    CharacterShape swapped = three;
    std::swap(swapped[0], swapped[1]);
    CharacterShape farSwapped = three;
    std::swap(farSwapped[0], farSwapped[2]);
    CharacterShape lower = three;
    for (StrokeShape& stroke : lower) {
        for (QPointF& p : stroke) {
            p.ry() += 0.1;
        }
    }
    const CharacterShape two{three[0], three[2]};
    const CharacterShape six = three + three;

    struct Case {
        const char* name;
        CharacterShape written;
        CharacterShape model;
        double distance;
    };
    const Case cases[] = {
        {"the same", three, three, 0.0},
        {"one stroke backwards", turned, three, 0.04 / 3},
        {"neighbours in each other's turn", swapped, three, 0.0},
        // The first and last strokes are not neighbours: the cheapest way leaves one stroke of each
        // unpaired and pairs the other two crosswise.
        {"first and last exchanged", farSwapped, three, 2 * kUnpairedStroke / 3},
        {"every stroke lower", lower, three, 0.1},
        {"a stroke left out", two, three, kUnpairedStroke / 3},
        {"a stroke too many", three, two, kUnpairedStroke / 3},
        {"too many strokes to pair", three, six, kUnpairedStroke * 6},
        {"nothing written", {}, three, kUnpairedStroke * 3},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(shapeDistance(c.written, c.model), c.distance, 1e-9) << c.name;
    }
    // Past the limit the comparison gives up; at or under it the distance is exact.
    EXPECT_TRUE(std::isinf(shapeDistance(lower, three, 0.05)));
    EXPECT_NEAR(shapeDistance(lower, three, 0.1 + 1e-9), 0.1, 1e-9);
}

TEST(StrokeShapes, LinesRoundTripAndDamagedLinesArePassedOver) {
    const CharacterShape three = shapeOf(levelStrokes({20, 50, 80}), 100);
    const QByteArray line = shapeLine(QStringLiteral("三"), three);
    EXPECT_EQ(line.count(' '), 3);
    EXPECT_TRUE(line.endsWith('\n'));
    const QHash<QString, CharacterShape> parsed = parseShapes(line);
    ASSERT_EQ(parsed.size(), 1);
    EXPECT_LT(shapeDistance(parsed.value(QStringLiteral("三")), three), 1.0 / 255);

    const QByteArray token = line.split(' ').at(1);
    const QByteArray damaged[] = {
        "",
        "三",
        "三 " + token.left(token.size() - 1),
        "三 " + token + "0",
        "三 " + token.left(token.size() - 1) + "g",
        "三 " + token.toUpper(),
        "三三 " + token,
        "\xff\xfe " + token,
        "三 " + (token + ' ').repeated(65).trimmed(),
        QByteArray(300, '\0'),
    };
    for (const QByteArray& bad : damaged) {
        EXPECT_TRUE(parseShapes(bad).isEmpty()) << bad.toStdString();
        // A damaged line among good ones costs only itself.
        EXPECT_EQ(parseShapes(line + bad + "\r\n" + shapeLine(QStringLiteral("二"), three)).size(), 2)
            << bad.toStdString();
    }
    EXPECT_EQ(parseShapes("三 " + (token + ' ').repeated(64).trimmed()).value(QStringLiteral("三")).size(),
              64);
}

} // namespace
} // namespace qinghe::pad
