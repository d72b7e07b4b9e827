#pragma once

#include "strokes/stroke_data.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace qinghe::edition {

// Raise whenever the movie text changes, so that every movie is made again.
inline constexpr int kStrokeMovieVersion = 1;

// The movie's stage and where the character's square sits on it, in design units.
inline constexpr int kStrokeStage = 195;
inline constexpr int kGlyphLeft = 6;
inline constexpr int kGlyphSize = 183;

// Pacing, in milliseconds: the grey shadow alone first, then each stroke in 0.4 to 0.8 s by the
// length of its centre line, with a short rest before the next.
inline constexpr int kStrokeLeadIn = 300;
inline constexpr int kStrokeShortest = 400;
inline constexpr int kStrokeLongest = 800;
inline constexpr int kStrokeRest = 250;

struct StrokeTiming {
    int start = 0;
    int duration = 0;
};
QList<StrokeTiming> strokeTimings(const StrokeCharacter& character);
// When the last stroke is finished.
int strokeMovieLength(const QList<StrokeTiming>& timings);

// The width of the brush that travels along a stroke's centre line, in stroke units: the stroke's
// mean thickness, a little thinner so the brush stays inside the outline that replaces it.
int brushWidth(const StrokeShape& stroke);

// The QML movie that writes `character` stroke by stroke.
QByteArray strokeMovie(const QString& character, const StrokeCharacter& strokes);

} // namespace qinghe::edition
