#include "catalogue/catalogue.h"

#include <utility>

namespace qinghe {

namespace {

int iconIndex(const pugi::xml_node& element, const char* attribute) {
    bool ok = false;
    const int value = xmlAttribute(element, attribute).trimmed().toInt(&ok);
    return ok && value >= 0 ? value : -1;
}

} // namespace

std::vector<CatalogueNode> readCatalogue(const XmlDocument& document) {
    std::vector<CatalogueNode> top;
    if (!document.isLoaded()) {
        return top;
    }
    // Iterative depth-first walk: catalogues may be deeper than the call stack should go.
    struct Pending {
        pugi::xml_node element;
        std::vector<CatalogueNode>* into;
        int depth;
    };
    std::vector<Pending> stack;
    const auto pushChildren = [&stack](const pugi::xml_node& parent, std::vector<CatalogueNode>* into,
                                       int depth) {
        if (depth >= kMaxCatalogueDepth) {
            return;
        }
        // Pushed in reverse so they come off the stack in document order.
        std::vector<pugi::xml_node> children;
        for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element) {
                children.push_back(child);
            }
        }
        into->reserve(children.size());
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            stack.push_back({*it, into, depth});
        }
    };
    pushChildren(document.root(), &top, 0);
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        CatalogueNode node;
        node.caption = xmlAttribute(next.element, "text");
        node.imageIndex = iconIndex(next.element, "ImageIndex");
        node.selectedIndex = iconIndex(next.element, "SelectedIndex");
        next.into->push_back(std::move(node));
        // reserve() above guarantees the vector does not move while its children are filled.
        pushChildren(next.element, &next.into->back().children, next.depth + 1);
    }
    return top;
}

qsizetype countNodes(const std::vector<CatalogueNode>& nodes) {
    qsizetype count = 0;
    std::vector<const std::vector<CatalogueNode>*> stack{&nodes};
    while (!stack.empty()) {
        const auto* list = stack.back();
        stack.pop_back();
        count += qsizetype(list->size());
        for (const CatalogueNode& node : *list) {
            stack.push_back(&node.children);
        }
    }
    return count;
}

} // namespace qinghe
