#include "audio/sound_name.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(SoundName, FollowsTheFixUpsAndEscapes) {
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("abc"), QStringLiteral("YWJj")},
        {QStringLiteral("???"), QStringLiteral("Pz8(z)")},
        {QStringLiteral("shě"), QStringLiteral("c2goZSk=")},
        {QStringLiteral("昨天"), QStringLiteral("5pioIOWkqQ==")},
        {QStringLiteral("你是"), QStringLiteral("5L2gIOaYrw==")},
        {QStringLiteral("蜜蜂"), QStringLiteral("6Jyc IOicgg==").remove(u' ')},
        {QStringLiteral("河滩"), QStringLiteral("5rKzIOa7qQ==")},
        {QStringLiteral("中心"),
         QStringLiteral("5Lit IOW/gw==").remove(u' ').replace(QStringLiteral("/"), QStringLiteral("(z)"))},
        {QStringLiteral("揪出"),
         QStringLiteral("5o+qIOWHug==").replace(QStringLiteral("/"), QStringLiteral("(z)"))},
        {QStringLiteral("天"), QStringLiteral("5aSp")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(soundName(c.text), c.expected) << c.text.toStdString();
    }
}

TEST(SoundName, LongTextCarriesTheLineBreakMark) {
    // 20 characters of three UTF-8 bytes each: 60 bytes, more than one 76-character Base64 line.
    const QString text(20, QChar(0x5929));
    const QString name = soundName(text);
    EXPECT_EQ(name.count(QStringLiteral("(#13)")), 1);
    EXPECT_EQ(name.indexOf(QStringLiteral("(#13)")), 76);
    EXPECT_FALSE(name.contains(u'\r'));
    EXPECT_FALSE(name.contains(u'/'));
}

} // namespace
} // namespace qinghe
