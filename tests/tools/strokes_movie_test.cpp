#include "movie_in_host.h"
#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QImage>
#include <QQuickItem>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace qinghe::edition {
namespace {

bool isInk(QRgb pixel) {
    return qRed(pixel) > 150 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// 山 written by the generator into a program folder and shown in the program's own movie host, in
// a host that is wider than high so any distortion or misplacement shows in the pixels.
class StrokeMovieInHost : public MovieInHostTest {
protected:
    void SetUp() override {
        const StrokeDataRead read =
            parseStrokeData(test::readFile(test::dataDir() + QStringLiteral("/strokes/山.json")));
        ASSERT_TRUE(read.character) << read.error.toStdString();
        strokes_ = read.character->strokes;
        test::writeFile(folder_ + QStringLiteral("/Data/RJ/hzbs/山.swf"),
                        strokeMovie(QStringLiteral("山"), *read.character));
        MovieInHostTest::SetUp();
        host_.widget()->resize(kWidth, kHeight);
        host_.widget()->show();
        // As the study card does it: the program's path, the caption variable, frame 0 and play.
        ASSERT_TRUE(host_.setMovie(folder_ + QStringLiteral("/DATA\\RJ\\hzbs\\山.swf")));
        host_.setVariable(QStringLiteral("str_banquan"), QStringLiteral("\u3000"));
        host_.gotoFrame(0);
        host_.play();
        item_ = host_.movieItem();
        ASSERT_NE(item_, nullptr) << "the host stayed blank";
    }

    int done() const { return int(number("done")); }

    // Pixels sorted by what the stroke outlines say about them: well inside the strokes `inside` and
    // well away from the strokes `others`, or well away from both.
    struct Tally {
        int inkInside = 0;
        int inside = 0;
        int inkOutside = 0;
        int outside = 0;
    };
    Tally tally(const QImage& frame, const QList<int>& inside, const QList<int>& others) const {
        const double scale = std::min(kWidth, kHeight) / double(kStrokeStage);
        const double left = (kWidth - kStrokeStage * scale) / 2;
        const double top = (kHeight - kStrokeStage * scale) / 2;
        const double unitsPerPixel = kStrokeUnits / (kGlyphSize * scale);
        const double margin = 2.5 * unitsPerPixel;
        const auto inAny = [this](const QList<int>& which, QPointF p) {
            for (const int i : which) {
                if (strokes_[i].path.contains(p)) {
                    return true;
                }
            }
            return false;
        };
        Tally t;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QPointF glyph(((x + 0.5 - left) / scale - kGlyphLeft) * kStrokeUnits / kGlyphSize,
                                    ((y + 0.5 - top) / scale - kGlyphLeft) * kStrokeUnits / kGlyphSize);
                int in = 0;
                int other = 0;
                for (const int dx : {-1, 0, 1}) {
                    for (const int dy : {-1, 0, 1}) {
                        const QPointF p = glyph + QPointF(dx * margin, dy * margin);
                        in += inAny(inside, p) ? 1 : 0;
                        other += inAny(others, p) ? 1 : 0;
                    }
                }
                const bool ink = isInk(frame.pixel(x, y));
                if (in == 9 && other == 0) {
                    ++t.inside;
                    t.inkInside += ink ? 1 : 0;
                } else if (in == 0 && other == 0) {
                    ++t.outside;
                    t.inkOutside += ink ? 1 : 0;
                }
            }
        }
        return t;
    }

    // The host pixel of a point of the glyph square.
    QPoint pixelOf(QPointF glyph) const {
        const double scale = std::min(kWidth, kHeight) / double(kStrokeStage);
        return QPointF((kWidth - kStrokeStage * scale) / 2 +
                           (kGlyphLeft + glyph.x() * kGlyphSize / kStrokeUnits) * scale,
                       (kHeight - kStrokeStage * scale) / 2 +
                           (kGlyphLeft + glyph.y() * kGlyphSize / kStrokeUnits) * scale)
            .toPoint();
    }
    bool inkAround(const QImage& frame, QPointF glyph) const {
        const QPoint centre = pixelOf(glyph);
        int ink = 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                ink += isInk(frame.pixel(centre + QPoint(dx, dy))) ? 1 : 0;
            }
        }
        return ink >= 7;
    }

    static constexpr int kWidth = 300;
    static constexpr int kHeight = 260;
    QQuickItem* item_ = nullptr;
    QList<StrokeShape> strokes_;
};

TEST_F(StrokeMovieInHost, WritesStrokeByStrokeAndEndsFilled) {
    const double total = number("total");
    ASSERT_GT(total, 1000);
    EXPECT_TRUE(host_.isPlaying());

    // Catch the brush in the middle of the second stroke, and hold it there.
    ASSERT_TRUE(QTest::qWaitFor([&] { return done() == 1 && number("share") > 0.15; }, 5000));
    host_.stop();
    const double share = number("share");
    ASSERT_LT(share, 0.8) << "the machine was too slow to catch the brush";
    const QImage middle = grab();
    ASSERT_EQ(middle.size(), QSize(kWidth, kHeight));
    const Tally first = tally(middle, {0}, {});
    EXPECT_GT(first.inside, 200);
    EXPECT_GE(first.inkInside, first.inside * 98 / 100) << "the first stroke is filled";
    const Tally third = tally(middle, {2}, {0, 1});
    EXPECT_GT(third.inside, 100);
    EXPECT_EQ(third.inkInside, 0) << "the third stroke is still a shadow";
    // The brush has covered the start of the second stroke's centre line, not yet its end.
    const QList<QPoint>& median = strokes_[1].median;
    EXPECT_TRUE(inkAround(middle, QPointF(median[0]) * 0.5 + QPointF(median[1]) * 0.5));
    EXPECT_FALSE(inkAround(middle, QPointF(median.last())));

    // Stopped, the clock holds.
    const double held = number("clock");
    QTest::qWait(150);
    EXPECT_EQ(number("clock"), held);

    // Played on, the movie finishes by itself and stays complete.
    host_.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host_.isPlaying(); }, int(total) + 5000));
    EXPECT_EQ(number("clock"), total);
    EXPECT_EQ(done(), 3);
    const QImage end = grab();
    const Tally all = tally(end, {0, 1, 2}, {});
    EXPECT_GT(all.inside, 800);
    EXPECT_GT(all.outside, 30000);
    EXPECT_GE(all.inkInside, all.inside * 98 / 100);
    EXPECT_EQ(all.inkOutside, 0);

    // A click on the movie: the program goes to frame 0 and plays, and the writing starts over.
    host_.gotoFrame(0);
    host_.play();
    EXPECT_TRUE(host_.isPlaying());
    EXPECT_EQ(done(), 0);
    EXPECT_LT(number("clock"), total);
    ASSERT_TRUE(QTest::qWaitFor([&] { return number("clock") > 0; }, 2000));
    const Tally restarted = tally(grab(), {0, 1, 2}, {});
    EXPECT_LT(restarted.inkInside, all.inkInside);
}

TEST_F(StrokeMovieInHost, FrameNShowsTheFirstNStrokes) {
    host_.stop();
    host_.gotoFrame(2);
    EXPECT_EQ(done(), 2);
    const QImage frame = grab();
    const Tally written = tally(frame, {0, 1}, {});
    EXPECT_GE(written.inkInside, written.inside * 98 / 100);
    const Tally waiting = tally(frame, {2}, {0, 1});
    EXPECT_GT(waiting.inside, 100);
    EXPECT_EQ(waiting.inkInside, 0);

    host_.gotoFrame(99);
    EXPECT_EQ(done(), 3);
    EXPECT_EQ(number("clock"), number("total"));
    host_.gotoFrame(0);
    EXPECT_EQ(done(), 0);
    EXPECT_EQ(number("clock"), 0.0);
}

TEST_F(StrokeMovieInHost, KeepsItsSquareAndShowsTheCaption) {
    EXPECT_DOUBLE_EQ(item_->scale(), kHeight / double(kStrokeStage));
    EXPECT_DOUBLE_EQ(item_->x(), (kWidth - kHeight) / 2.0);
    const auto* caption = item_->findChild<QQuickItem*>(QStringLiteral("banquan"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->property("text").toString(), QStringLiteral("\u3000"));
    host_.setVariable(QStringLiteral("str_banquan"), QStringLiteral("青禾"));
    EXPECT_EQ(caption->property("text").toString(), QStringLiteral("青禾"));
}

} // namespace
} // namespace qinghe::edition
