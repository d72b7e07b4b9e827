#include "model_bytes.h"
#include "pad/handwriting_model.h"
#include "pad/stroke_shapes.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <zinnia.h>

namespace qinghe::pad {
namespace {

// The characters the model at `path` offers for `strokes` written in a 100-unit square, best first.
QString candidateOrder(const QString& path, const Strokes& strokes) {
    QString text;
    for (const Candidate& c : HandwritingModel::open(path)->classify(strokes, 100, 10)) {
        text += c.character;
    }
    return text;
}

// A model of two classes without weights in `dir`: it prefers 十 to 二 whatever is written, so any
// other order comes from the files beside it.
QString writeTenOverTwoModel(const QTemporaryDir& dir, const QString& name) {
    ModelBytes bytes;
    bytes.classes = {{"十", 1.0f, {}}, {"二", 0.8f, {}}};
    const QString path = dir.filePath(name);
    test::writeFile(path, bytes.bytes());
    return path;
}

TEST(ZinniaModelCheck, AcceptsAWholeModelAndRefusesDamage) {
    const QByteArray good = strokeCountModel().bytes();
    int classes = 0;
    EXPECT_TRUE(isValidZinniaModel(good, &classes));
    EXPECT_EQ(classes, 2);

    struct Case {
        const char* name;
        QByteArray bytes;
    };
    ModelBytes oldVersion = strokeCountModel();
    oldVersion.version = 2;
    QByteArray negative = good;
    qToLittleEndian(quint32(-7), negative.data() + 12 + 16 + 4); // the first weight's index
    QByteArray tooMany = good;
    qToLittleEndian(quint32(3), tooMany.data() + 8);
    QByteArray hugeCount = good;
    qToLittleEndian(quint32(0xffffffff), hugeCount.data() + 8);
    QByteArray tail = good + QByteArray(8, '\0');
    qToLittleEndian(quint32(tail.size()) ^ 0xef71821, tail.data());
    QByteArray noEnd = good.left(good.size() - 8);
    qToLittleEndian(quint32(noEnd.size()) ^ 0xef71821, noEnd.data());
    const Case cases[] = {
        {"empty", {}},
        {"short header", good.left(11)},
        {"truncated", good.left(good.size() - 4)},
        {"not a model", QByteArray(200, 'x')},
        {"unknown version", oldVersion.bytes()},
        {"negative feature index", negative},
        {"more classes than bytes", tooMany},
        {"a count near 2^32", hugeCount},
        {"bytes after the last class", tail},
        {"last class without its end", noEnd},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(isValidZinniaModel(c.bytes, nullptr, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

TEST(HandwritingModel, OpensAndClassifiesAModelFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tiny.model"));
    test::writeFile(path, strokeCountModel().bytes());
    QString error;
    const auto model = HandwritingModel::open(path, StrokeForm::AsWritten, &error);
    ASSERT_TRUE(model) << error.toStdString();
    EXPECT_EQ(model->classes(), 2);
    EXPECT_EQ(model->path(), path);

    const Strokes one{{{10, 50}, {90, 50}}};
    const Strokes two{{{10, 30}, {90, 30}}, {{10, 70}, {90, 70}}};
    QList<Candidate> result = model->classify(one, 100, 10);
    ASSERT_EQ(result.size(), 2);
    EXPECT_EQ(result[0].character, QStringLiteral("一"));
    EXPECT_GT(result[0].score, result[1].score);
    result = model->classify(two, 100, 1);
    ASSERT_EQ(result.size(), 1);
    EXPECT_EQ(result[0].character, QStringLiteral("二"));
    // Nothing written, nothing asked for: nothing offered.
    EXPECT_TRUE(model->classify({}, 100, 10).isEmpty());
    EXPECT_TRUE(model->classify({{}}, 100, 10).isEmpty());
    EXPECT_TRUE(model->classify(one, 100, 0).isEmpty());
}

TEST(HandwritingModel, StrokeCountsBesideTheModelReorderTheCandidates) {
    const QTemporaryDir dir;
    const QString path = writeTenOverTwoModel(dir, QStringLiteral("counted.model"));
    const Strokes two{{{10, 30}, {90, 30}}, {{10, 70}, {90, 70}}};
    const Strokes three{{{10, 30}, {90, 30}}, {{10, 50}, {90, 50}}, {{10, 70}, {90, 70}}};
    const auto order = [&path](const Strokes& strokes) { return candidateOrder(path, strokes); };
    EXPECT_EQ(order(two), QStringLiteral("十二"));
    // Damaged lines are passed over; each stroke away from a character's count costs it 0.5.
    test::writeFile(HandwritingModel::strokeCountsPath(path), "十 2\n二 2\nbad\n三 x\n四 99\n\xff\xfe 1\n");
    EXPECT_EQ(HandwritingModel::open(path)->strokeCounts(), 2);
    test::writeFile(HandwritingModel::strokeCountsPath(path), "十 2\r\n二 3\r\n");
    EXPECT_EQ(order(two), QStringLiteral("十二"));
    EXPECT_EQ(order(three), QStringLiteral("二十")); // 十 is 1.0 - 0.5, 二 0.8
    const QList<Candidate> scored = HandwritingModel::open(path)->classify(three, 100, 1);
    ASSERT_EQ(scored.size(), 1);
    EXPECT_FLOAT_EQ(scored[0].score, 0.8f);
}

TEST(HandwritingModel, ShapesBesideTheModelReorderAndAddCandidates) {
    const QTemporaryDir dir;
    const QString path = writeTenOverTwoModel(dir, QStringLiteral("shaped.model"));
    const auto order = [&path](const Strokes& strokes) { return candidateOrder(path, strokes); };
    const Strokes two = Strokes{{{10, 30}, {90, 30}}, {{10, 70}, {90, 70}}};
    const Strokes three = Strokes{{{10, 20}, {90, 20}}, {{10, 50}, {90, 50}}, {{10, 80}, {90, 80}}};
    const Strokes cross{{{10, 50}, {90, 50}}, {{50, 10}, {50, 90}}};
    test::writeFile(HandwritingModel::strokeCountsPath(path), "十 2\n二 2\n三 3\n");
    EXPECT_EQ(order(two), QStringLiteral("十二"));

    test::writeFile(HandwritingModel::shapesPath(path),
                    shapeLine(QStringLiteral("十"), shapeOf(cross, 100)) +
                        shapeLine(QStringLiteral("二"), shapeOf(two, 100)) +
                        shapeLine(QStringLiteral("三"), shapeOf(three, 100)));
    EXPECT_EQ(HandwritingModel::open(path)->shapes(), 3);
    // 二 written: 十's shape is far from it and costs it its lead; 三, which the model does not know,
    // is offered because its stroke count is within one and its shape is near.
    EXPECT_EQ(order(two).front(), QChar(u'二'));
    EXPECT_EQ(order(two).size(), 3);
    EXPECT_EQ(order(cross).front(), QChar(u'十'));
    // 三 written: its shape alone brings it to the front.
    EXPECT_EQ(order(three).front(), QChar(u'三'));
    // Without the scan a character the model does not know stays out.
    const auto model = HandwritingModel::open(path);
    model->setShapeScan(false);
    for (const Candidate& c : model->classify(three, 100, 10)) {
        EXPECT_NE(c.character, QStringLiteral("三"));
    }
}

TEST(HandwritingModel, RefusesMissingAndDamagedFiles) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(
        HandwritingModel::open(dir.filePath(QStringLiteral("none.model")), StrokeForm::AsWritten, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none.model")));

    const QString empty = dir.filePath(QStringLiteral("empty.model"));
    test::writeFile(empty, "");
    EXPECT_FALSE(HandwritingModel::open(empty));
    const QString truncated = dir.filePath(QStringLiteral("truncated.model"));
    test::writeFile(truncated, strokeCountModel().bytes().left(30));
    EXPECT_FALSE(HandwritingModel::open(truncated, StrokeForm::AsWritten, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("truncated")));
    EXPECT_FALSE(HandwritingModel::open(dir.path())); // a folder
}

TEST(ZinniaInput, ScalesToTheRecognitionSquareAndClamps) {
    const auto character =
        makeZinniaCharacter({{{0, 0}, {150, 75}, {400, -20}}, {}, {{300, 300}}}, 300, QStringLiteral("字"));
    ASSERT_TRUE(character);
    EXPECT_EQ(character->width(), 1024u);
    EXPECT_EQ(character->height(), 1024u);
    EXPECT_STREQ(character->value(), "字");
    ASSERT_EQ(character->strokes_size(), 2u); // the empty stroke is left out
    ASSERT_EQ(character->stroke_size(0), 3u);
    EXPECT_EQ(character->x(0, 1), 512);
    EXPECT_EQ(character->y(0, 1), 256);
    EXPECT_EQ(character->x(0, 2), 1024); // clamped to the square
    EXPECT_EQ(character->y(0, 2), 0);
    EXPECT_EQ(character->x(1, 0), 1024);
    EXPECT_FALSE(makeZinniaCharacter({}, 300));
    EXPECT_FALSE(makeZinniaCharacter({{}, {}}, 300));
}

TEST(StrokeForms, TurningAndOrderingMakeWritingOrderIrrelevant) {
    // 十 in the standard order: 横 left to right, then 竖 top to bottom.
    const Stroke across{{10, 50}, {90, 50}};
    const Stroke down{{50, 10}, {50, 90}};
    const Stroke backAcross{{90, 50}, {10, 50}};
    const Stroke upwards{{50, 90}, {50, 10}};
    EXPECT_EQ(inForm({backAcross, upwards}, StrokeForm::AsWritten, 100), (Strokes{backAcross, upwards}));
    EXPECT_EQ(inForm({backAcross, upwards}, StrokeForm::Turned, 100), (Strokes{across, down}));
    // Ordered by where their middles lie in reading order; both have their middle at (50, 50) here, so
    // the order written stays (the sort is stable).
    EXPECT_EQ(inForm({down, backAcross}, StrokeForm::Canonical, 100), (Strokes{down, across}));
    // 二: the lower stroke written first comes second.
    const Stroke top{{20, 30}, {80, 30}};
    const Stroke bottom{{10, 70}, {90, 70}};
    EXPECT_EQ(inForm({bottom, top}, StrokeForm::Canonical, 100), (Strokes{top, bottom}));
    EXPECT_EQ(inForm({bottom, top}, StrokeForm::Turned, 100), (Strokes{bottom, top}));
    // A rising stroke (提) is turned to start at its upper end, where 3y + x is smaller.
    const Stroke rising{{20, 80}, {80, 50}};
    EXPECT_EQ(inForm({rising}, StrokeForm::Turned, 100), (Strokes{{{80, 50}, {20, 80}}}));
    EXPECT_TRUE(inForm({}, StrokeForm::Canonical, 100).isEmpty());
}

TEST(StrokeForms, FittingFillsTheMiddleOfTheSquareWhereverAndHoweverLargeTheInk) {
    // 二 written small in a corner and large in the middle come out the same: the wider side of the
    // ink is 80 units of 100, centred.
    const Strokes small{{{5, 5}, {15, 5}}, {{2, 15}, {18, 15}}};
    const Strokes large{{{30, 20}, {70, 20}}, {{18, 60}, {82, 60}}};
    const Strokes expected{{{25, 25}, {75, 25}}, {{10, 75}, {90, 75}}};
    EXPECT_EQ(inForm(small, StrokeForm::Fitted, 100), expected);
    EXPECT_EQ(inForm(large, StrokeForm::Fitted, 100), expected);
    // A short dash is fitted like any ink; a single point has no size and only moves to the middle.
    EXPECT_EQ(fittedStrokes({{{0, 0}, {2, 0}}}, 100), (Strokes{{{10, 50}, {90, 50}}}));
    EXPECT_EQ(fittedStrokes({{{7, 9}}}, 100), (Strokes{{{50, 50}}}));
    EXPECT_TRUE(fittedStrokes({}, 100).isEmpty());
}

} // namespace
} // namespace qinghe::pad
