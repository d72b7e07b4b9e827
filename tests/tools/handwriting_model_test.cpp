// The trainer's inputs and bookkeeping: stroke data files (also hostile ones), written copies, the
// character sets and the key that decides whether a model is made again.
#include "handwriting/character_set.h"
#include "handwriting/median_data.h"
#include "handwriting/model_recipe.h"
#include "handwriting/stroke_distortion.h"
#include "pad/stroke_shapes.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qinghe::handwriting {
namespace {

TEST(MedianData, ReadsTheStrokeDataFlippedToYDown) {
    const auto strokes =
        parseMedians(R"({"strokes": [], "medians": [[[100, 800], [900, 800]], [[500, 900], [500, 0]]]})");
    ASSERT_TRUE(strokes.has_value());
    EXPECT_EQ(*strokes, (pad::Strokes{{{100, 100}, {900, 100}}, {{500, 0}, {500, 900}}}));

    QString error;
    const auto shan = loadMedians(test::dataDir() + QStringLiteral("/strokes"), QStringLiteral("山"), &error);
    ASSERT_TRUE(shan.has_value()) << error.toStdString();
    EXPECT_EQ(shan->size(), 3);
    EXPECT_FALSE(loadMedians(test::dataDir() + QStringLiteral("/strokes"), QStringLiteral("歌"), &error));
    EXPECT_EQ(error, QStringLiteral("no stroke data for 歌"));
}

TEST(MedianData, RefusesDamagedAndHostileFiles) {
    QByteArray manyStrokes = "{\"medians\": [";
    for (int i = 0; i <= kMaxMedianStrokes; ++i) {
        manyStrokes += QByteArray(i ? "," : "") + "[[1,1],[2,2]]";
    }
    manyStrokes += "]}";
    QByteArray longStroke = "{\"medians\": [[";
    for (int i = 0; i <= kMaxMedianPoints; ++i) {
        longStroke += QByteArray(i ? "," : "") + "[1,1]";
    }
    longStroke += "]]}";
    const struct {
        QByteArray bytes;
        const char* error;
    } cases[] = {
        {"", "not a JSON object"},
        {"{\"medians\": [[[1, 2], [3, 4]]", "not a JSON object"}, // truncated
        {"\xff\xfe{\x00\"\x00", "not a JSON object"},             // UTF-16, not UTF-8
        {"[1, 2]", "not a JSON object"},
        {"{\"strokes\": []}", "no medians"},
        {"{\"medians\": []}", "no medians"},
        {"{\"medians\": [[]]}", "stroke 1 has 0 points"},
        {"{\"medians\": [[[1, 2]], [[1, \"x\"]]]}", "stroke 2 has a point that is not [x, y]"},
        {"{\"medians\": [[[1, 2, 3]]]}", "stroke 1 has a point that is not [x, y]"},
        {"{\"medians\": [[[1e300, 2]]]}", "stroke 1 leaves the square"},
        {manyStrokes, "more than 64 strokes"},
        {longStroke, "stroke 1 has 257 points"},
        {QByteArray(kMaxMedianFileBytes + 1, ' '), "larger than 1048576 bytes"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(parseMedians(c.bytes, &error).has_value()) << c.error;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
}

TEST(StrokeDistortion, CopiesAreRepeatableAndStayNearTheMedians) {
    const pad::Strokes medians{{{100, 100}, {900, 100}}, {{500, 100}, {500, 900}}};
    const pad::Strokes a = distortStrokes(medians, heldOutDistortion(), copySeed(QStringLiteral("十"), 3, 7));
    EXPECT_EQ(a, distortStrokes(medians, heldOutDistortion(), copySeed(QStringLiteral("十"), 3, 7)));
    EXPECT_NE(a, distortStrokes(medians, heldOutDistortion(), copySeed(QStringLiteral("十"), 4, 7)));
    EXPECT_NE(copySeed(QStringLiteral("十"), 3, 7), copySeed(QStringLiteral("十"), 3, 8));
    ASSERT_EQ(a.size(), 2);
    for (const pad::Stroke& stroke : a) {
        for (const QPointF& p : stroke) {
            EXPECT_GT(p.x(), -150);
            EXPECT_LT(p.x(), 1150);
            EXPECT_GT(p.y(), -150);
            EXPECT_LT(p.y(), 1150);
        }
    }
    // Resampling keeps the ends and spaces the points by the step.
    const pad::Strokes even = resampleStrokes({{{0, 0}, {100, 0}}}, 25);
    EXPECT_EQ(even, (pad::Strokes{{{0, 0}, {25, 0}, {50, 0}, {75, 0}, {100, 0}}}));
}

TEST(CharacterSets, TheEditionFirstThenTheCommonOnes) {
    QString error;
    const QStringList edition = editionCharacters(test::dataDir() + QStringLiteral("/content"), &error);
    ASSERT_FALSE(edition.isEmpty()) << error.toStdString();
    EXPECT_EQ(QStringList(edition).removeDuplicates(), 0);
    EXPECT_TRUE(editionCharacters(QStringLiteral("/no/such/content"), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(unionInOrder({QStringLiteral("天"), QStringLiteral("地")},
                           {QStringLiteral("地"), QStringLiteral("人")}),
              (QStringList{QStringLiteral("天"), QStringLiteral("地"), QStringLiteral("人")}));
}

TEST(ModelRecipe, TheKeyFollowsEveryInput) {
    const QList<TrainingCharacter> characters{{QStringLiteral("一"), {{{0, 500}, {1000, 500}}}},
                                              {QStringLiteral("丨"), {{{500, 0}, {500, 1000}}}}};
    const TrainingOptions options;
    const QString key = modelRecipeKey(characters, options);
    EXPECT_EQ(key, modelRecipeKey(characters, options));
    TrainingOptions moreCopies = options;
    moreCopies.copies += 1;
    EXPECT_NE(key, modelRecipeKey(characters, moreCopies));
    QList<TrainingCharacter> moved = characters;
    moved[1].medians[0][0].rx() += 1;
    EXPECT_NE(key, modelRecipeKey(moved, options));

    // Up to date only with the same key, the licence and a whole model beside it.
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    EXPECT_FALSE(modelUpToDate(folder, key));
    test::writeFile(folder + kModelKeyFile, key.toLatin1() + '\n');
    test::writeFile(folder + kLicenceFile, "licence");
    test::writeFile(folder + kModelFile, "not a model");
    EXPECT_FALSE(modelUpToDate(folder, key));
}

TEST(ModelRecipe, ShapesTravelBesideTheModelForEveryCharacter) {
    const QList<TrainingCharacter> characters{
        {QStringLiteral("一"), {{{0, 500}, {1000, 500}}}},
        {QStringLiteral("十"), {{{0, 500}, {1000, 500}}, {{500, 0}, {500, 1000}}}}};
    const QByteArray text = shapesText(characters);
    const QHash<QString, pad::CharacterShape> shapes = pad::parseShapes(text);
    ASSERT_EQ(shapes.size(), 2);
    EXPECT_EQ(shapes.value(QStringLiteral("十")).size(), 2);
    // The shapes are the medians' own: a resampled copy lies at distance (almost) 0.
    EXPECT_LT(pad::shapeDistance(pad::shapeOf(resampleStrokes(characters[1].medians, 12), kMedianUnits),
                                 shapes.value(QStringLiteral("十"))),
              1.0 / 255);

    // The tool rewrites the shapes only when they differ.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("model.shapes"));
    EXPECT_FALSE(sameContents(path, text));
    test::writeFile(path, text);
    EXPECT_TRUE(sameContents(path, text));
    EXPECT_FALSE(sameContents(path, text + "x"));
    EXPECT_FALSE(sameContents(path, text.left(text.size() - 1) + "0"));
}

} // namespace
} // namespace qinghe::handwriting
