#pragma once

#include <QByteArray>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QString>

#include <optional>

namespace qinghe::edition {

// One stroke in the movie's square of kStrokeUnits, y pointing down.
struct StrokeShape {
    QString outline;      // SVG path text with integer coordinates: what the movie fills
    QPainterPath path;    // the same outline, for measuring
    QList<QPoint> median; // the centre line, from where the brush starts to where it lifts
};

struct StrokeCharacter {
    QList<StrokeShape> strokes; // in writing order
};

struct StrokeDataRead {
    std::optional<StrokeCharacter> character;
    QString error; // why there is none
};

// The stroke data describes each glyph in a 1024-unit em square with y pointing up and the top of
// the square at y = 900; the movies draw with y down, so every point becomes (x, 900 - y).
inline constexpr int kStrokeUnits = 1024;
inline constexpr int kStrokeTop = 900;

// Bounds that real characters stay far below; anything larger is damaged or hostile input.
inline constexpr qsizetype kMaxStrokeDataBytes = 1024 * 1024;
inline constexpr int kMaxStrokes = 64;
inline constexpr int kMaxOutlineNumbers = 4000;
inline constexpr int kMaxMedianPoints = 256;

// One character file of the hanzi-writer-data package: {"strokes": [SVG outline, ...],
// "medians": [[[x, y], ...], ...]}, one median per stroke.
StrokeDataRead parseStrokeData(const QByteArray& json);

// An outline as the package writes it (absolute M, L, Q, C and Z commands), flipped to y down and
// rounded; nullopt with `error` set when it is not such a path.
std::optional<StrokeShape> parseOutline(QStringView svg, QString* error);

// Length of a median in stroke units.
double medianLength(const QList<QPoint>& median);

} // namespace qinghe::edition
