#include "base/text_encoding.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(TextEncoding, DetectsUtf8BomAndFallsBackToGb18030) {
    const QString text = QStringLiteral("人民教育出版社");
    const QByteArray gbk = encodeText(text, TextEncoding::Gb18030);
    ASSERT_FALSE(gbk.isEmpty());
    EXPECT_NE(gbk, text.toUtf8());

    EXPECT_EQ(detectTextEncoding(text.toUtf8()), TextEncoding::Utf8);
    EXPECT_EQ(detectTextEncoding(QByteArray("\xEF\xBB\xBF") + text.toUtf8()), TextEncoding::Utf8Bom);
    EXPECT_EQ(detectTextEncoding(gbk), TextEncoding::Gb18030);
    EXPECT_EQ(decodeText(gbk, TextEncoding::Gb18030), text);
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF") + text.toUtf8(), TextEncoding::Utf8Bom), text);
    EXPECT_EQ(detectTextEncoding(QByteArray()), TextEncoding::Utf8);
}

} // namespace
} // namespace qinghe
