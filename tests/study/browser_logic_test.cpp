#include "study/browser/character_card.h"
#include "study/browser/quick_memorise.h"
#include "study/browser/stroke_box.h"
#include "study/browser/word_button_row_layout.h"
#include "support/qt_printers.h"

#include <QHash>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

QStringList characters(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i) {
        list << QString(QChar(0x4E00 + i));
    }
    return list;
}

TEST(WordButtonRowLayout, FirstGroup) {
    struct Case {
        int n, windowWidth, rowWidth;
        int buttons;
        bool arrows;
        QList<int> lefts;
    };
    const Case cases[] = {
        {0, 1024, 800, 0, false, {}},
        {1, 768, 800, 1, false, {263}},
        {3, 700, 800, 3, false, {207, 277, 347}},
        {8, 768, 800, 8, false, {82, 152, 222, 292, 362, 432, 502, 572}},
        {9, 768, 800, 8, true, {12, 68, 124, 180, 236, 292, 348, 404, 460, 516}},
        {45, 600, 800, 8, true, {12, 68, 124, 180, 236, 292, 348, 404, 460, 516}},
        // Wider windows centre the controls with a gap of 20; one button is centred by itself.
        {1, 1024, 900, 1, false, {416}},
        {2, 1024, 900, 2, false, {362, 450}},
        {9, 1280, 1079, 8, true, {99, 187, 275, 363, 451, 539, 627, 715, 803, 891}},
    };
    for (const Case& c : cases) {
        const ButtonRowLayout layout = firstGroupLayout(c.n, c.windowWidth, c.rowWidth);
        EXPECT_EQ(layout.buttons, c.buttons) << c.n << " " << c.windowWidth;
        EXPECT_EQ(layout.arrows, c.arrows) << c.n << " " << c.windowWidth;
        EXPECT_EQ(layout.lefts, c.lefts) << c.n << " " << c.windowWidth;
    }
}

TEST(WordButtonRowLayout, PagingInGroupsOfEight) {
    const QStringList nine = characters(9);
    PagingResult next = pageForward(nine, nine[0]);
    ASSERT_EQ(next.kind, PagingResult::Kind::Moved);
    EXPECT_EQ(next.captions, (QStringList{nine[8], {}, {}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(pageForward(nine, nine[8]).kind, PagingResult::Kind::AlreadyLast);
    EXPECT_EQ(pageBack(nine, nine[0]).kind, PagingResult::Kind::AlreadyFirst);
    const PagingResult back = pageBack(nine, nine[8]);
    ASSERT_EQ(back.kind, PagingResult::Kind::Moved);
    EXPECT_EQ(back.captions, nine.mid(0, 8));

    // 45 characters: five groups; entries 41 to 45 are never reached.
    const QStringList many = characters(45);
    QString first = many[0];
    QList<int> starts;
    for (int i = 0; i < 6; ++i) {
        const PagingResult step = pageForward(many, first);
        if (step.kind != PagingResult::Kind::Moved) {
            EXPECT_EQ(step.kind, PagingResult::Kind::AlreadyLast);
            break;
        }
        first = step.captions[0];
        starts << int(many.indexOf(first));
    }
    EXPECT_EQ(starts, (QList<int>{8, 16, 24, 32}));
    EXPECT_EQ(pageForward(many, many[40]).kind, PagingResult::Kind::Nothing);

    // 8 characters: no second group; a caption from nowhere changes nothing.
    const QStringList eight = characters(8);
    EXPECT_EQ(pageForward(eight, eight[0]).kind, PagingResult::Kind::Nothing);
    EXPECT_EQ(pageBack(eight, QStringLiteral("外")).kind, PagingResult::Kind::Nothing);
    // 17 characters, second group: forward moves to the group of one at 16.
    const QStringList seventeen = characters(17);
    EXPECT_EQ(pageForward(seventeen, seventeen[8]).captions.front(), seventeen[16]);
    EXPECT_EQ(pageForward(seventeen, seventeen[16]).kind, PagingResult::Kind::AlreadyLast);
}

TEST(StrokeBox, PlacedOverTheCard) {
    struct Case {
        int w, h;
        StrokeBoxDesign design;
        QRect expected;
    };
    const Case cases[] = {
        // height decides (wide host): centred horizontally
        {1100, 580, kStrokeBoxOnShow, QRect(56, 139, 381, 379)},
        {1100, 580, kStrokeBoxOnLayout, QRect(56, 131, 372, 372)},
        // width decides (tall host): centred vertically
        {576, 600, kStrokeBoxOnShow, QRect(29, 221, 200, 199)},
        {576, 600, kStrokeBoxOnLayout, QRect(29, 217, 195, 195)},
        // exactly the design shape: width decides
        {576, 304, kStrokeBoxOnLayout, QRect(29, 69, 195, 195)},
        {0, 0, kStrokeBoxOnLayout, QRect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strokeBox(c.w, c.h, c.design), c.expected) << c.w << "x" << c.h;
    }
}

TEST(CharacterCard, WordGroupsCountAndVariables) {
    struct Case {
        QString z1, z2, z3;
        QString count;
        QString expected2, expected3;
    };
    const Case cases[] = {
        {QStringLiteral("天空"), QStringLiteral("今天"), QStringLiteral("天上"), QStringLiteral("3"),
         QStringLiteral("今天"), QStringLiteral("天上")},
        {QStringLiteral("天空"), QStringLiteral("今天"), QString(), QStringLiteral("2"),
         QStringLiteral("今天"), QString()},
        {QStringLiteral("天空"), QString(), QStringLiteral("天上"), QStringLiteral("2"),
         QStringLiteral("天上"), QString()},
        {QStringLiteral("天空"), QStringLiteral("天"), QStringLiteral("天上"), QStringLiteral("2"),
         QStringLiteral("天上"), QString()},
        {QStringLiteral("天空"), QString(), QString(), QStringLiteral("1"), QString(), QString()},
        {QStringLiteral("天空"), QStringLiteral("今天"), QStringLiteral("天"), QStringLiteral("2"),
         QStringLiteral("今天"), QStringLiteral("天")},
    };
    for (const Case& c : cases) {
        const QHash<QString, QString> values{{QStringLiteral("ZuCi1"), c.z1},
                                             {QStringLiteral("ZuCi2"), c.z2},
                                             {QStringLiteral("ZuCi3"), c.z3},
                                             {QStringLiteral("PinYin1"), QStringLiteral("tiān")}};
        const CharacterCard card = makeCharacterCard(
            QStringLiteral("天"), [&](const char* name) { return values.value(QString::fromLatin1(name)); });
        EXPECT_EQ(card.wordCount, c.count) << c.z2.toStdString() << "/" << c.z3.toStdString();
        EXPECT_EQ(card.words[1], c.expected2);
        EXPECT_EQ(card.words[2], c.expected3);
    }

    CharacterCard card;
    card.character = QStringLiteral("长");
    card.reading = QStringLiteral("zhǎng");
    card.reading2 = QStringLiteral("cháng");
    card.words[0] = QStringLiteral("长大");
    card.sentence = QStringLiteral("小树长高了。");
    card.wordCount = QStringLiteral("1");
    const auto variables = cardVariables(card, 3, QStringLiteral("file:///opt/q/Data/rj/"));
    QStringList names;
    for (const auto& [name, value] : variables) {
        names << name;
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("str_ziimg"), QStringLiteral("txt_pinyin"),
                                  QStringLiteral("txt_pinyinall"), QStringLiteral("txt_zi"),
                                  QStringLiteral("txt_book"), QStringLiteral("txt_zuci1"),
                                  QStringLiteral("txt_zuci2"), QStringLiteral("txt_zuci3"),
                                  QStringLiteral("txt_juzi"), QStringLiteral("str_path")}));
    EXPECT_EQ(variables[2].second, QStringLiteral("① zhǎng ② cháng"));
    EXPECT_EQ(variables[4].second, QStringLiteral("3"));
    card.reading2.clear();
    card.reading3 = QStringLiteral("x");
    EXPECT_EQ(card.allReadings(), QStringLiteral("① zhǎng ② x"));
    card.reading3.clear();
    EXPECT_EQ(card.allReadings(), QStringLiteral("zhǎng"));

    EXPECT_EQ(strokeMoviePath(QStringLiteral("rj"), QStringLiteral("0"), 3, QStringLiteral("山")),
              QStringLiteral("DATA\\rj\\hzbs\\山.swf"));
    EXPECT_EQ(strokeMoviePath(QStringLiteral("rj"), QStringLiteral("7"), 7, QStringLiteral("山")),
              QStringLiteral("DATA\\rj\\hzbs\\book7\\山.swf"));
}

TEST(QuickMemorise, StepsThroughTheLessonAtTheChosenSpeed) {
    QuickMemorise run;
    run.start(2, QStringLiteral("一年级上册→【天地人】"));
    EXPECT_EQ(run.status(1), QStringLiteral("学习内容：【一年级上册→【天地人】】，当前是第1个，字词总量：2"));
    int next = 0;
    QuickMemorise::Step step = run.tick(QuickMemorise::kFirstInterval, QuickMemorise::Speed::Fast, &next);
    EXPECT_EQ(next, 2000);
    EXPECT_EQ(step.index, 0);
    EXPECT_EQ(step.status, run.status(1));
    step = run.tick(2000, QuickMemorise::Speed::Slow, &next);
    EXPECT_EQ(next, 2000); // a running interval is kept; the radio buttons change it directly
    EXPECT_EQ(step.index, 1);
    step = run.tick(2000, QuickMemorise::Speed::Slow, &next);
    EXPECT_TRUE(step.finished);
    EXPECT_EQ(run.position(), 0);
    step = run.tick(2000, QuickMemorise::Speed::Slow, &next);
    EXPECT_EQ(step.index, 0);
    EXPECT_EQ(QuickMemorise::interval(QuickMemorise::Speed::Slow), 8000);
    EXPECT_EQ(QuickMemorise::interval(QuickMemorise::Speed::Normal), 4000);
}

} // namespace
} // namespace qinghe
