#pragma once

#include "pad/ink.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <limits>

namespace qinghe::pad {

// A character reduced to what its strokes look like: each stroke as a few points evenly spaced along
// it, in the canonical order and turn, with the ink fitted to a unit square. Comparing two such shapes
// stroke by stroke is a second opinion beside the model's: it sees a stroke that is slightly out of
// place or out of order as slightly different, where a linear model may lose the character entirely.
inline constexpr int kShapePoints = 8;
using StrokeShape = std::array<QPointF, kShapePoints>;
using CharacterShape = QList<StrokeShape>;

// Strokes written in a square of `side` units as a shape; empty strokes are left out.
CharacterShape shapeOf(const Strokes& strokes, double side);

// How unlike two shapes are: 0 for the same, about 0.05 for a fair copy, growing with every stroke
// out of place. The strokes are paired in order; two neighbours may pair crosswise (written in each
// other's turn), a stroke may pair backwards at a small cost, and a stroke with no partner costs
// kUnpairedStroke. The sum is divided by the larger stroke count. Comparing stops early, with infinity,
// once the distance is sure to exceed `limit`.
inline constexpr double kUnpairedStroke = 0.25;
double shapeDistance(const CharacterShape& written, const CharacterShape& model,
                     double limit = std::numeric_limits<double>::infinity());

// The shapes travel beside a model as lines "字 <hex>…", one token of 4 × kShapePoints hex digits per
// stroke (x and y of each point as a byte of the unit square).
QByteArray shapeLine(const QString& character, const CharacterShape& shape);
// Lines that are not exactly that form are skipped.
QHash<QString, CharacterShape> parseShapes(const QByteArray& text);

} // namespace qinghe::pad
