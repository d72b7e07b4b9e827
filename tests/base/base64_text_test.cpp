#include "base/base64_text.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(Base64Text, EncodesUtf8AndWrapsEvery76Characters) {
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("abc"), QStringLiteral("YWJj")},
        {QStringLiteral("???"), QStringLiteral("Pz8/")},
        {QStringLiteral("昨 天"), QStringLiteral("5pioIOWkqQ==")},
        {QStringLiteral("sh(e)"), QStringLiteral("c2goZSk=")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(base64EncodeText(c.text), c.expected) << c.text.toStdString();
    }

    // 57 bytes fill exactly one line; one byte more starts a second line after CR LF.
    const QString fiftySeven(57, u'a');
    EXPECT_EQ(base64EncodeText(fiftySeven).size(), 76);
    EXPECT_FALSE(base64EncodeText(fiftySeven).contains(u'\r'));
    const QString encoded = base64EncodeText(fiftySeven + u'a');
    ASSERT_EQ(encoded.indexOf(QStringLiteral("\r\n")), 76);
    EXPECT_EQ(encoded.size(), 76 + 2 + 4);
    EXPECT_EQ(base64DecodeText(encoded), fiftySeven + u'a');
}

TEST(Base64Text, DecodesWrappedAndRejectsGarbage) {
    struct Case {
        QString input;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("5pioIOWkqQ=="), QStringLiteral("昨 天")},
        {QStringLiteral("5pio\r\nIOWk\nqQ=="), QStringLiteral("昨 天")},
        {QStringLiteral("YWJj"), QStringLiteral("abc")},
        {QStringLiteral("YWI"), QStringLiteral("ab")}, // missing padding is tolerated
        {QStringLiteral("Y"), std::nullopt},           // a lone sextet is no byte
        {QStringLiteral("YW=j"), std::nullopt},        // padding inside
        {QStringLiteral("YWJj==="), std::nullopt},     // too much padding
        {QStringLiteral("5pio!!"), std::nullopt},      // outside the alphabet
        {QStringLiteral("测试"), std::nullopt},        // not Base64 at all
        {QStringLiteral("/w=="), std::nullopt},        // 0xFF is not UTF-8
        {QStringLiteral("   "), QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tryBase64DecodeText(c.input), c.expected) << c.input.toStdString();
    }
    EXPECT_EQ(base64DecodeText(QStringLiteral("%%%")), QString());
}

TEST(Base64Text, RoundTripsLongMixedText) {
    QString text;
    for (int i = 0; i < 500; ++i) {
        text += QStringLiteral("床前明月光，疑是地上霜。abc\r\n");
    }
    EXPECT_EQ(base64DecodeText(base64EncodeText(text)), text);
}

} // namespace
} // namespace qinghe
