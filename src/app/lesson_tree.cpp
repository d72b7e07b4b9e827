#include "app/lesson_tree.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <map>
#include <utility>

namespace qinghe {

namespace {

QIcon iconAt(const QList<QIcon>& icons, int index) {
    return index >= 0 && index < icons.size() ? icons[index] : QIcon();
}

int indexInParent(const QTreeWidgetItem* item) {
    if (item->parent() != nullptr) {
        return item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item));
    }
    const QTreeWidget* tree = item->treeWidget();
    return tree != nullptr ? tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : 0;
}

} // namespace

void setUpLessonTree(QTreeWidget* tree) {
    tree->setColumnCount(1);
    tree->header()->hide();
    tree->setIndentation(19);
    tree->setRootIsDecorated(false);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setUniformRowHeights(true);
    tree->setExpandsOnDoubleClick(true);
    // Keep the selected lesson highlighted when the focus goes to a movie.
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    tree->setPalette(palette);
}

void fillLessonTree(QTreeWidget* tree, const std::vector<CatalogueNode>& nodes, const QList<QIcon>& icons) {
    tree->clear();
    struct Pending {
        const CatalogueNode* node;
        QTreeWidgetItem* parent;
    };
    QList<QTreeWidgetItem*> topLevel;
    std::vector<Pending> stack;
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        stack.push_back({&*it, nullptr});
    }
    // One icon per pair of indexes, shared by every item that has the pair: the icon caches its scaled
    // pixmaps, so the tree paints each kind of icon once instead of once per item.
    std::map<std::pair<int, int>, QIcon> combined;
    const auto iconFor = [&](const CatalogueNode& node) {
        const auto key = std::make_pair(node.imageIndex, node.selectedIndex);
        if (const auto found = combined.find(key); found != combined.end()) {
            return found->second;
        }
        QIcon icon = iconAt(icons, node.imageIndex);
        const QIcon selected = iconAt(icons, node.selectedIndex);
        for (const QSize& size : selected.availableSizes()) {
            icon.addPixmap(selected.pixmap(size), QIcon::Selected);
        }
        return combined.emplace(key, icon).first->second;
    };
    while (!stack.empty()) {
        const Pending next = stack.back();
        stack.pop_back();
        auto* item = new QTreeWidgetItem(QStringList{next.node->caption});
        item->setIcon(0, iconFor(*next.node));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (next.parent != nullptr) {
            next.parent->addChild(item);
        } else {
            topLevel.append(item);
        }
        for (auto it = next.node->children.rbegin(); it != next.node->children.rend(); ++it) {
            stack.push_back({&*it, item});
        }
    }
    tree->addTopLevelItems(topLevel);
}

NodePath nodePath(const QTreeWidgetItem* item) {
    NodePath path;
    for (const QTreeWidgetItem* at = item; at != nullptr; at = at->parent()) {
        path.prepend(indexInParent(at));
    }
    return path;
}

QTreeWidgetItem* itemAt(const QTreeWidget* tree, const NodePath& path) {
    if (path.isEmpty()) {
        return nullptr;
    }
    QTreeWidgetItem* item = tree->topLevelItem(path.front());
    for (qsizetype i = 1; item != nullptr && i < path.size(); ++i) {
        item = path[i] >= 0 ? item->child(path[i]) : nullptr;
    }
    return item;
}

LessonPlace lessonPlaceOf(const QTreeWidgetItem* lesson) {
    LessonPlace place;
    const QTreeWidgetItem* unit = lesson->parent();
    const QTreeWidgetItem* book = unit != nullptr ? unit->parent() : nullptr;
    place.lessonIndex = indexInParent(lesson);
    place.lessonCaption = lesson->text(0);
    if (unit != nullptr) {
        place.unitIndex = indexInParent(unit);
        place.unitCaption = unit->text(0);
    }
    if (book != nullptr) {
        place.bookIndex = indexInParent(book);
        place.bookCaption = book->text(0);
    }
    return place;
}

} // namespace qinghe
