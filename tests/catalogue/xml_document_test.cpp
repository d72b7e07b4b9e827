#include "base/text_encoding.h"
#include "catalogue/xml_document.h"
#include "catalogue/xml_document_cache.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qinghe {
namespace {

QString rootText(const XmlDocument& doc) {
    return xmlAttribute(doc.root().first_child(), "text");
}

TEST(XmlDocument, HonoursTheDeclaredEncoding) {
    const QString body = QStringLiteral("<mulu><n text=\"一年级上册\"/></mulu>");
    struct Case {
        const char* name;
        QByteArray bytes;
        bool loads;
    };
    const Case cases[] = {
        {"utf-8 declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body.toUtf8(), true},
        {"no declaration", body.toUtf8(), true},
        {"utf-8 BOM", "\xEF\xBB\xBF" + body.toUtf8(), true},
        {"gbk declared", "<?xml version=\"1.0\" encoding=\"GBK\"?>" + encodeText(body, TextEncoding::Gb18030),
         true},
        {"gb2312 declared",
         "<?xml version='1.0' encoding='gb2312'?>" + encodeText(body, TextEncoding::Gb18030), true},
        {"utf-16 BOM",
         QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(body.utf16()), body.size() * 2),
         true},
        {"gbk bytes declared utf-8",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + encodeText(body, TextEncoding::Gb18030), false},
        {"gbk bytes undeclared", encodeText(body, TextEncoding::Gb18030), false},
        {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-no-such\"?>" + body.toUtf8(), false},
        {"spaced gbk declaration",
         "<?xml version=\"1.0\" encoding \t=\r\n 'GBK' ?>" + encodeText(body, TextEncoding::Gb18030), true},
        {"unquoted name is no declaration",
         "<?xml version=\"1.0\" encoding=GBK?>" + encodeText(body, TextEncoding::Gb18030), false},
        {"a later encoding attribute counts",
         "<?xml version=\"1.0\" encodings=\"x\" encoding=\"GBK\"?>" + encodeText(body, TextEncoding::Gb18030),
         true},
    };
    for (const Case& c : cases) {
        XmlDocument doc;
        EXPECT_EQ(doc.loadBytes(c.bytes), c.loads) << c.name;
        if (c.loads) {
            EXPECT_EQ(rootText(doc), QStringLiteral("一年级上册")) << c.name;
        } else {
            EXPECT_FALSE(doc.root()) << c.name;
        }
    }
}

TEST(XmlDocument, RejectsMalformedAndHostileInput) {
    QByteArray random;
    for (int i = 0; i < 4096; ++i) {
        random += char((i * 131 + 7) % 256);
    }
    const QByteArray cases[] = {
        "",     "<mulu><n text=\"a\"></mulu>", "<mulu><n text=\"a", "just text",
        random, "<?xml version=\"1.0\"?>",     "<a></a><b></b>",
    };
    for (const QByteArray& bytes : cases) {
        XmlDocument doc;
        EXPECT_FALSE(doc.loadBytes(bytes)) << bytes.left(40).toStdString();
        EXPECT_FALSE(doc.isLoaded());
    }
    XmlDocument missing;
    EXPECT_FALSE(missing.load(QStringLiteral("/no/such/file.xml")));
}

TEST(XmlDocumentCache, ParsesOnceAndAgainWhenTheFileChanges) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/hanzi1.xml");
    test::writeFile(path, "<r><a text=\"1\"/></r>");
    XmlDocumentCache cache;
    const auto first = cache.get(path);
    const auto second = cache.get(path);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(cache.parseCount(), 1);
    EXPECT_EQ(rootText(*first), QStringLiteral("1"));

    QThread::msleep(20);
    test::writeFile(path, "<r><a text=\"changed\"/></r>");
    const auto third = cache.get(path);
    EXPECT_EQ(cache.parseCount(), 2);
    EXPECT_EQ(rootText(*third), QStringLiteral("changed"));
    EXPECT_EQ(rootText(*first), QStringLiteral("1")); // a holder keeps its version

    const auto missing = cache.get(dir.path() + QStringLiteral("/none.xml"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->isLoaded());
}

} // namespace
} // namespace qinghe
