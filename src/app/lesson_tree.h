#pragma once

#include "app/start_rules.h"
#include "catalogue/catalogue.h"
#include "catalogue/current_lesson.h"

#include <QIcon>
#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

namespace qinghe {

// Fills the tree from the catalogue (the tree is cleared first); icon indexes outside the list
// show no icon.
void fillLessonTree(QTreeWidget* tree, const std::vector<CatalogueNode>& nodes, const QList<QIcon>& icons);

// Configures the tree as the table of contents: read-only, 19-pixel indent, no lines to the top
// node, selection kept visible without focus.
void setUpLessonTree(QTreeWidget* tree);

NodePath nodePath(const QTreeWidgetItem* item);
QTreeWidgetItem* itemAt(const QTreeWidget* tree, const NodePath& path);

// The lesson's place: its unit is its parent and its book its parent's parent (the lesson is at
// level 3 in every valid catalogue).
LessonPlace lessonPlaceOf(const QTreeWidgetItem* lesson);

} // namespace qinghe
