#include "pad/ink.h"
#include "pad/stroke_smoothing.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe::pad {
namespace {

TEST(InkModel, WritesUndoesAndClears) {
    InkModel ink;
    EXPECT_TRUE(ink.isEmpty());
    EXPECT_FALSE(ink.endStroke());
    EXPECT_FALSE(ink.undoStroke());
    ink.extendStroke({5, 5}); // no stroke under way: ignored
    EXPECT_TRUE(ink.isEmpty());

    ASSERT_TRUE(ink.beginStroke({0, 0}));
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(ink.writing());
    ink.extendStroke({10, 0});
    ink.extendStroke({20, 0});
    EXPECT_EQ(ink.current(), (Stroke{{0, 0}, {10, 0}, {20, 0}}));
    EXPECT_TRUE(ink.strokes().isEmpty());
    EXPECT_TRUE(ink.endStroke());
    EXPECT_FALSE(ink.writing());
    ASSERT_EQ(ink.strokes().size(), 1);
    EXPECT_EQ(ink.strokes()[0], (Stroke{{0, 0}, {10, 0}, {20, 0}}));

    // A stroke under way is undone before any finished one.
    ink.beginStroke({0, 10});
    ink.extendStroke({0, 30});
    EXPECT_TRUE(ink.undoStroke());
    EXPECT_FALSE(ink.writing());
    EXPECT_EQ(ink.strokes().size(), 1);
    EXPECT_TRUE(ink.undoStroke());
    EXPECT_TRUE(ink.isEmpty());

    // Beginning while a stroke is under way finishes that one first (a lost release).
    ink.beginStroke({0, 0});
    ink.extendStroke({0, 40});
    ink.beginStroke({10, 0});
    EXPECT_EQ(ink.strokes().size(), 1);
    EXPECT_TRUE(ink.writing());
    ink.clear();
    EXPECT_TRUE(ink.isEmpty());
    EXPECT_FALSE(ink.writing());
}

TEST(InkModel, IsBoundedInStrokesAndPoints) {
    InkModel ink;
    for (int i = 0; i < InkModel::kMaxStrokes; ++i) {
        ASSERT_TRUE(ink.beginStroke({double(i), 0}));
        ink.endStroke();
    }
    EXPECT_FALSE(ink.beginStroke({0, 0}));
    EXPECT_EQ(ink.strokes().size(), InkModel::kMaxStrokes);
    EXPECT_FALSE(ink.writing());

    ink.clear();
    ink.beginStroke({0, 0});
    for (int i = 1; i < 3 * InkModel::kMaxPointsPerStroke; ++i) {
        ink.extendStroke({double(i % 300), double(i / 300)});
    }
    EXPECT_EQ(ink.current().size(), InkModel::kMaxPointsPerStroke);
}

TEST(StrokeSmoothing, DropsCrowdedPointsAndAveragesTheRest) {
    struct Case {
        const char* name;
        Stroke raw;
        Stroke smooth;
        int passes = 2;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"a tap", {{7, 7}}, {{7, 7}}},
        {"a tap that trembled", {{7, 7}, {7.5, 7}}, {{7, 7}, {7.5, 7}}},
        {"a straight line stays", {{0, 0}, {10, 0}, {20, 0}, {30, 0}}, {{0, 0}, {10, 0}, {20, 0}, {30, 0}}},
        // Points under 2 units from the last kept one go; the lift point replaces the last kept one.
        {"crowded points", {{0, 0}, {0.5, 0}, {1, 0}, {10, 0}, {10.5, 0}, {11, 0}}, {{0, 0}, {11, 0}}},
        // A corner is rounded: (0,10) -> 1/4 (0,0) + 1/2 (0,10) + 1/4 (10,10) = (2.5, 7.5).
        {"a corner, one pass", {{0, 0}, {0, 10}, {10, 10}}, {{0, 0}, {2.5, 7.5}, {10, 10}}, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(smoothStroke(c.raw, 2.0, c.passes), c.smooth) << c.name;
    }
    // Two passes over five points: the ends stay, the inner points move towards their neighbours.
    const Stroke zigzag{{0, 0}, {10, 10}, {20, 0}, {30, 10}, {40, 0}};
    const Stroke smooth = smoothStroke(zigzag);
    ASSERT_EQ(smooth.size(), 5);
    EXPECT_EQ(smooth.first(), QPointF(0, 0));
    EXPECT_EQ(smooth.last(), QPointF(40, 0));
    // First pass: 5, 5, 5 at y for the inner three; second: (0+2*5+5)/4 = 3.75, 5, 3.75.
    EXPECT_DOUBLE_EQ(smooth[1].y(), 3.75);
    EXPECT_DOUBLE_EQ(smooth[2].y(), 5.0);
    EXPECT_DOUBLE_EQ(smooth[3].y(), 3.75);
    EXPECT_DOUBLE_EQ(smooth[2].x(), 20.0);
}

TEST(StrokeSmoothing, DrawsCurvesThroughMidpoints) {
    EXPECT_TRUE(strokePath({}).isEmpty());
    const QPainterPath dot = strokePath({{5, 5}});
    EXPECT_EQ(dot.elementCount(), 2); // a zero-length line, drawn as a dot by the round cap
    EXPECT_NEAR(dot.currentPosition().x(), 5.0, 0.05);
    EXPECT_EQ(dot.currentPosition().y(), 5.0);
    EXPECT_EQ(strokePath({{0, 0}, {10, 0}}).elementCount(), 2);

    const QPainterPath curve = strokePath({{0, 0}, {10, 0}, {20, 10}, {20, 20}});
    EXPECT_EQ(curve.elementAt(0), QPointF(0, 0));
    EXPECT_EQ(curve.currentPosition(), QPointF(20, 20));
    // It passes through the midpoint between the second and third points, not through the corner.
    EXPECT_TRUE(curve.boundingRect().contains(QPointF(15, 5)));
    EXPECT_LT(curve.boundingRect().right(), 20.01);
}

} // namespace
} // namespace qinghe::pad
