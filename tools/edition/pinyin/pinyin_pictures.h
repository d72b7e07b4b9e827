#pragma once

#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QString>

namespace qinghe::edition {

// One filled or stroked path of a picture, in a 100 × 100 box, y down.
struct PictureShape {
    QString d;      // SVG path data
    QString fill;   // a colour, or empty for none
    QString stroke; // a colour, or empty for none
    double width = 0;
    // Placement of a shape borrowed from a smaller picture: moved to (x, y), scaled by k.
    double x = 0;
    double y = 0;
    double k = 1;
};
using Picture = QList<PictureShape>;

// The pictures of the lessons' example words by name (鱼 "fish", 八 "dots8", …), drawn from simple
// shapes so that the movies need no image files.
const QHash<QString, Picture>& pinyinPictures();

// A picture as the lesson movie reads it: [{d, f, s, w, x, y, k}], with empty and default members
// left out.
QJsonArray pictureJson(const Picture& picture);

} // namespace qinghe::edition
