#include "catalogue/catalogue.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

std::vector<CatalogueNode> parse(const QByteArray& xml) {
    XmlDocument doc;
    doc.loadBytes(xml);
    return readCatalogue(doc);
}

TEST(Catalogue, ReadsCaptionsIconsAndOrderFromAnyElementNames) {
    const auto nodes = parse("<x><top text=\"青禾\" ImageIndex=\"0\" SelectedIndex=\"0\">"
                             "<b text=\"一年级上册\" ImageIndex=\"1\" SelectedIndex=\"2\">"
                             "<whatever text=\"第一单元\" ImageIndex=\"3\" SelectedIndex=\"4\">"
                             "<l text=\"天地人\" ImageIndex=\"5\" SelectedIndex=\"6\"/>"
                             "<!-- comment --><l text=\"金木水火\" ImageIndex=\"x\"/>"
                             "</whatever></b><b text=\"一年级下册\" ImageIndex=\"-3\" SelectedIndex=\"99\"/>"
                             "</top></x>");
    ASSERT_EQ(nodes.size(), 1u);
    const CatalogueNode& top = nodes[0];
    EXPECT_EQ(top.caption, QStringLiteral("青禾"));
    ASSERT_EQ(top.children.size(), 2u);
    const CatalogueNode& unit = top.children[0].children[0];
    EXPECT_EQ(unit.caption, QStringLiteral("第一单元"));
    EXPECT_EQ(unit.imageIndex, 3);
    EXPECT_EQ(unit.selectedIndex, 4);
    ASSERT_EQ(unit.children.size(), 2u);
    EXPECT_EQ(unit.children[0].caption, QStringLiteral("天地人"));
    EXPECT_EQ(unit.children[1].caption, QStringLiteral("金木水火"));
    EXPECT_EQ(unit.children[1].imageIndex, -1);    // not a number
    EXPECT_EQ(unit.children[1].selectedIndex, -1); // absent
    EXPECT_EQ(top.children[1].imageIndex, -1);     // negative
    EXPECT_EQ(top.children[1].selectedIndex, 99);  // kept; the view finds no icon there
    EXPECT_EQ(countNodes(nodes), 6);
}

TEST(Catalogue, FixtureEditionHasThreeBooks) {
    XmlDocument doc;
    ASSERT_TRUE(doc.load(test::fixtureEdition() + QStringLiteral("Data/RJ/xml/unit.xml")));
    const auto nodes = readCatalogue(doc);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0].children.size(), 3u);
    EXPECT_EQ(nodes[0].children[0].children[0].children[1].caption, QStringLiteral("金木水火"));
}

TEST(Catalogue, HugeAndDeepDocuments) {
    // 100,000 lessons in one unit.
    QByteArray wide = "<r><t text=\"t\"><b text=\"b\"><u text=\"u\">";
    for (int i = 0; i < 100000; ++i) {
        wide += "<l text=\"课" + QByteArray::number(i) + "\" ImageIndex=\"5\" SelectedIndex=\"6\"/>";
    }
    wide += "</u></b></t></r>";
    const auto many = parse(wide);
    EXPECT_EQ(countNodes(many), 100003);
    EXPECT_EQ(many[0].children[0].children[0].children.back().caption, QStringLiteral("课99999"));

    // 1,000 levels deep: read completely. Far deeper: cut at the depth limit, no crash.
    const auto nested = [](int depth) {
        QByteArray xml = "<r>";
        for (int i = 0; i < depth; ++i) {
            xml += "<n text=\"" + QByteArray::number(i) + "\">";
        }
        for (int i = 0; i < depth; ++i) {
            xml += "</n>";
        }
        return xml + "</r>";
    };
    EXPECT_EQ(countNodes(parse(nested(1000))), 1000);
    EXPECT_EQ(countNodes(parse(nested(20000))), kMaxCatalogueDepth);
}

TEST(Catalogue, EmptyWhenTheDocumentDidNotLoad) {
    EXPECT_TRUE(parse("<broken").empty());
    EXPECT_TRUE(parse("<r/>").empty());
}

} // namespace
} // namespace qinghe
