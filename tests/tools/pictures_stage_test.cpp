#include "pictures/mark_pictures.h"
#include "stages.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qinghe::edition {
namespace {

using ::testing::HasSubstr;

// Pixels with at least this alpha count as drawn.
constexpr int kDrawn = 160;

int drawnIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += qAlpha(image.pixel(x, y)) >= kDrawn ? 1 : 0;
        }
    }
    return count;
}

// The mean colour of the drawn pixels.
QColor inkOf(const QImage& image) {
    qint64 r = 0;
    qint64 g = 0;
    qint64 b = 0;
    qint64 n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= kDrawn) {
                r += qRed(p);
                g += qGreen(p);
                b += qBlue(p);
                ++n;
            }
        }
    }
    return n == 0 ? QColor() : QColor(int(r / n), int(g / n), int(b / n));
}

class PicturesStage : public ::testing::Test {
protected:
    QStringList run() {
        Options options;
        options.outputDirectory = out_.path();
        OutputTree out(out_.path());
        QStringList report;
        StageContext context{edition_, options, out, report};
        ok_ = runPicturesStage(context);
        return report;
    }
    QImage picture(const char* name) const {
        return QImage(out_.path() + QStringLiteral("/Data/") + QLatin1String(name));
    }

    Edition edition_;
    QTemporaryDir out_;
    bool ok_ = false;
};

TEST_F(PicturesStage, SixTransparentPicturesOfTheirSizes) {
    run();
    ASSERT_TRUE(ok_);
    struct Expected {
        const char* name;
        QSize size;
        int minimumDrawn; // share of the area, in per cent
        bool amber;
    };
    const Expected expected[] = {
        {"dui.png", {64, 64}, 8, false},     {"cuo.png", {64, 64}, 8, false},
        {"dsmall.png", {24, 24}, 12, false}, {"csmall.png", {24, 24}, 12, false},
        {"hssmall.png", {24, 24}, 15, true}, {"hslarge.png", {120, 48}, 10, false},
    };
    for (const Expected& e : expected) {
        const QImage image = picture(e.name);
        ASSERT_FALSE(image.isNull()) << e.name;
        EXPECT_EQ(image.size(), e.size) << e.name;
        EXPECT_TRUE(image.hasAlphaChannel()) << e.name;
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << e.name;
        }
        EXPECT_GE(drawnIn(image, image.rect()) * 100, e.minimumDrawn * image.width() * image.height())
            << e.name;
        const QColor ink = inkOf(image);
        EXPECT_GT(ink.red(), 180) << e.name;
        EXPECT_LT(ink.blue(), 80) << e.name;
        if (e.amber) {
            EXPECT_GT(ink.green(), 90) << e.name;
        } else {
            EXPECT_LT(ink.green(), 90) << e.name;
        }
    }
    // A tick leaves the top-left corner empty, a cross reaches into it.
    EXPECT_EQ(drawnIn(picture("dui.png"), QRect(0, 0, 20, 20)), 0);
    EXPECT_GT(drawnIn(picture("cuo.png"), QRect(0, 0, 20, 20)), 15);
    EXPECT_EQ(drawnIn(picture("dsmall.png"), QRect(0, 0, 7, 7)), 0);
    EXPECT_GT(drawnIn(picture("csmall.png"), QRect(0, 0, 7, 7)), 3);
}

TEST_F(PicturesStage, TheStampSaysWhatNeedsChecking) {
    ASSERT_FALSE(stampFontFamily().isEmpty()) << "no Chinese font installed (fonts-wqy-zenhei)";
    run();
    const QImage stamp = picture("hslarge.png");
    // The characters fill the middle, inside the double frame.
    EXPECT_GT(drawnIn(stamp, QRect(20, 14, 80, 20)), 250);
    EXPECT_EQ(drawnIn(stamp, QRect(10, 10, 4, 28)), 0);
}

TEST_F(PicturesStage, SameBytesEveryTimeSoASecondRunWritesNothing) {
    for (const MarkPicture& p : markPictures()) {
        EXPECT_EQ(pngBytes(drawMark(p.mark, p.size)), pngBytes(drawMark(p.mark, p.size)))
            << p.file.toStdString();
    }
    run();
    const QDateTime first = QFileInfo(out_.path() + QStringLiteral("/Data/dui.png")).lastModified();
    const QStringList report = run();
    EXPECT_TRUE(ok_);
    EXPECT_THAT(report.join(u'\n').toStdString(), HasSubstr("0 of 6 marking pictures written"));
    EXPECT_EQ(QFileInfo(out_.path() + QStringLiteral("/Data/dui.png")).lastModified(), first);
}

} // namespace
} // namespace qinghe::edition
