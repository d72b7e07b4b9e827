#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

namespace qinghe {

// A node of the lesson tree as the indexes from the top node down: {0} is the top node,
// {0, b} a book, {0, b, u} a unit, {0, b, u, l} a lesson.
using NodePath = QList<int>;

// Which lesson the program selects when the table of contents is loaded.
struct StartSelection {
    NodePath select;      // empty: select nothing
    NodePath expand;      // empty: expand nothing beyond what the selection expands
    int checkedGrade = 0; // grade item 1..6 of the start-grade menu to check; 0 = none
    bool hideGradeMenu = false;
};

// bookMode is GBegin, startGrade is default_xinban; exists tells whether a node is in the tree.
StartSelection chooseStartSelection(const QString& bookMode, const QString& startGrade,
                                    const std::function<bool(const NodePath&)>& exists);

// Where the main window goes at start: full screen covers the screen without a border; otherwise
// it spans the screen's width and the work area's height, then is maximised.
struct MainWindowPlacement {
    QRect geometry;
    bool frameless = false;
    bool maximised = false;
};
MainWindowPlacement placeMainWindow(bool fullScreen, const QRect& screen, const QRect& workArea);

// Base of the "file:///" addresses handed to movies: the program folder with forward slashes, a
// drive's ":\" written "|/" as the old movie player expected.
QString movieBasePath(const QString& programDirectory);
// "file:///" + base, without doubling the root slash of a Unix path.
QString movieFolderUrl(const QString& programDirectory);

} // namespace qinghe
