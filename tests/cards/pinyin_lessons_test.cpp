#include "cards/pinyin_lessons.h"
#include "support/qt_printers.h"

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
    EXPECT_EQ(pinyinLessonEntries(), transcribed());
}

// Movie names, headings and the background colour are checked with exact values in the window tests.
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
