#include "cards/pinyin_lessons.h"
#include "support/qt_printers.h"

#include <QSet>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

// The list transcribed in plain ASCII: A stands for ɑ (U+0251), G for ɡ (U+0261), v for ü (U+00FC).
QStringList transcribed() {
    QStringList entries =
        QStringLiteral(
            "A o e i u v y w b p m f d t n l G k h j q x z c s zh ch sh r Ai ei ui Ao ou iu ie ve er "
            "An en in un vn AnG enG inG onG zhi chi shi ri zi ci si yi wu yu ye yue yuAn yin yun yinG")
            .split(u' ');
    for (QString& entry : entries) {
        entry.replace(u'A', QChar(0x0251)).replace(u'G', QChar(0x0261)).replace(u'v', QChar(0x00FC));
    }
    return entries;
}

TEST(PinyinLessons, ListsTheSixtyThreeEntriesInTeachingOrderWithTheSchoolLetters) {
    const QStringList& entries = pinyinLessonEntries();
    ASSERT_EQ(entries.size(), 63);
    EXPECT_EQ(entries, transcribed());
    EXPECT_EQ(QSet<QString>(entries.begin(), entries.end()).size(), 63);
    EXPECT_EQ(entries.first().toUcs4(), QList<uint>{0x0251});
    EXPECT_EQ(entries.last().toUcs4(), (QList<uint>{U'y', U'i', U'n', 0x0261}));
}

TEST(PinyinLessons, NamesMoviesAndHeadings) {
    const QString ang = QStringLiteral("\u0251n\u0261");
    EXPECT_EQ(pinyinMoviePath(ang), QStringLiteral("Data\\Res\\pinyin\\\u0251n\u0261.swf"));
    EXPECT_EQ(pinyinMoviePath(QStringLiteral("zh")), QStringLiteral("Data\\Res\\pinyin\\zh.swf"));
    EXPECT_EQ(pinyinBlankMoviePath(), QStringLiteral("Data\\Res\\pinyin\\blank.swf"));
    EXPECT_EQ(pinyinLessonHeading(ang), QStringLiteral("汉语拼音————当前正在学习【\u0251n\u0261】"));
    EXPECT_EQ(kPinyinMovieBackground, 0x2B1A9);
}

TEST(PinyinLessons, ResolvesSpokenRecordingsOnlyInsideThePinyinFolder) {
    struct Case {
        QString argument;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {QStringLiteral("sound/bo1.mp3"), QStringLiteral("Data\\Res\\pinyin\\sound\\bo1.mp3")},
        {QStringLiteral("sound\\bo1.mp3"), QStringLiteral("Data\\Res\\pinyin\\sound\\bo1.mp3")},
        {QStringLiteral("  a1.mp3 "), QStringLiteral("Data\\Res\\pinyin\\a1.mp3")},
        {QStringLiteral("./sound/\u0251.mp3"), QStringLiteral("Data\\Res\\pinyin\\sound\\\u0251.mp3")},
        {QString(), std::nullopt},
        {QStringLiteral("   "), std::nullopt},
        {QStringLiteral("."), std::nullopt},
        {QStringLiteral("../../systxt/Set.ini"), std::nullopt},
        {QStringLiteral("sound/../../x.mp3"), std::nullopt},
        {QStringLiteral("sound\\..\\x.mp3"), std::nullopt},
        {QStringLiteral("/etc/passwd"), std::nullopt},
        {QStringLiteral("\\\\server\\share\\x.mp3"), std::nullopt},
        {QStringLiteral("C:\\Windows\\x.mp3"), std::nullopt},
        {QStringLiteral("file:///tmp/x.mp3"), std::nullopt},
        {QStringLiteral("sound//bo1.mp3"), std::nullopt},
        {QStringLiteral("sound/bo1.mp3") + QChar(0) + QStringLiteral(".txt"), std::nullopt},
        {QString(4000, u'a'), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pinyinRecordingPath(c.argument), c.expected) << c.argument.left(40).toStdString();
    }
}

} // namespace
} // namespace qinghe
