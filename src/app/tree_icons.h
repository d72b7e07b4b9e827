#pragma once

#include <QIcon>
#include <QList>

namespace qinghe {

// The lesson tree's icon list; catalogues refer to these by index:
// 0 edition, 1 book, 2 open book, 3 unit, 4 open unit, 5 lesson, 6 selected lesson, 7 star.
enum TreeIcon {
    IconEdition,
    IconBook,
    IconBookOpen,
    IconUnit,
    IconUnitOpen,
    IconLesson,
    IconLessonSelected,
    IconStar
};

QList<QIcon> makeTreeIcons();

} // namespace qinghe
