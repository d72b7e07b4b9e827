#pragma once

#include "catalogue/xml_document.h"

#include <QString>

#include <vector>

namespace qinghe {

// One node of the table of contents: level 0 the edition, 1 the books, 2 the units, 3 the lessons.
struct CatalogueNode {
    QString caption;
    int imageIndex = -1;    // icon in the tree's icon list; -1 = none
    int selectedIndex = -1; // icon while selected
    std::vector<CatalogueNode> children;
};

// Deeper levels than this are not shown: nobody reads a table of contents that deep, and trees
// are destroyed recursively.
constexpr int kMaxCatalogueDepth = 2048;

// The document element's children, in document order, up to kMaxCatalogueDepth levels. Element
// names are not read; a missing or non-integer icon index becomes -1.
std::vector<CatalogueNode> readCatalogue(const XmlDocument& document);

// Number of nodes in a forest (for tests and diagnostics).
qsizetype countNodes(const std::vector<CatalogueNode>& nodes);

} // namespace qinghe
