#include "catalogue/current_lesson.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(CurrentLesson, ValuesFromThePlaceInTheTree) {
    struct Case {
        LessonPlace place;
        QString bookMode;
        int bookNumber;
        QString bb, uu, ll, key, characterFile;
    };
    const Case cases[] = {
        // lesson 12 of unit 3 of the fifth book
        {{4, 2, 11, QStringLiteral("三年级上册"), QStringLiteral("第三单元"), QStringLiteral("秋天")},
         QStringLiteral("0"),
         5,
         QStringLiteral("05"),
         QStringLiteral("03"),
         QStringLiteral("12"),
         QStringLiteral("lesson312"),
         QStringLiteral("Data\\rj\\xml\\hanzi5.xml")},
        // single-book install of book 7: the book is the first child of the top node
        {{0, 0, 4, QStringLiteral("四年级上册"), QStringLiteral("第一单元"), QStringLiteral("观潮")},
         QStringLiteral("7"),
         7,
         QStringLiteral("01"),
         QStringLiteral("01"),
         QStringLiteral("05"),
         QStringLiteral("lesson105"),
         QStringLiteral("Data\\rj\\xml\\hanzi1.xml")},
        // a book mode that is not a number keeps the position
        {{1, 7, 0, QStringLiteral("一年级下册"), QStringLiteral("课文(六)"), QStringLiteral("一")},
         QStringLiteral("x"),
         2,
         QStringLiteral("02"),
         QStringLiteral("08"),
         QStringLiteral("01"),
         QStringLiteral("lesson801"),
         QStringLiteral("Data\\rj\\xml\\hanzi2.xml")},
    };
    for (const Case& c : cases) {
        const CurrentLesson lesson = makeCurrentLesson(c.place, c.bookMode, QStringLiteral("rj"));
        EXPECT_EQ(lesson.bookNumber, c.bookNumber);
        EXPECT_EQ(lesson.bb, c.bb);
        EXPECT_EQ(lesson.uu, c.uu);
        EXPECT_EQ(lesson.ll, c.ll);
        EXPECT_EQ(lesson.lessonKey, c.key);
        EXPECT_EQ(lesson.characterFile, c.characterFile);
        EXPECT_EQ(lesson.wordFile,
                  QString(c.characterFile).replace(QStringLiteral("hanzi"), QStringLiteral("ciyu")));
        EXPECT_EQ(lesson.lessonTitle, c.place.lessonCaption);
        EXPECT_EQ(lesson.displayTitle,
                  c.place.bookCaption + QStringLiteral("→【") + c.place.lessonCaption + QStringLiteral("】"));
        EXPECT_EQ(lesson.statusText(), QStringLiteral("当前课文：") + lesson.displayTitle);
    }
    const CurrentLesson first =
        makeCurrentLesson({0, 0, 0, QStringLiteral("一年级上册"), {}, QStringLiteral("天地人")},
                          QStringLiteral("0"), QStringLiteral("rj"));
    EXPECT_EQ(first.statusText(), QStringLiteral("当前课文：一年级上册→【天地人】"));
    EXPECT_EQ(first.lessonReadingFile(QStringLiteral("rj")),
              QStringLiteral("DATA\\rj\\lessonread\\010101.mp3"));
}

} // namespace
} // namespace qinghe
