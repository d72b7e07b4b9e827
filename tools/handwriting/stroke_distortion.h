#pragma once

#include "pad/ink.h"

#include <QString>
#include <QtGlobal>

namespace qinghe::handwriting {

// How far a written copy may stray from the stroke data's medians. Each copy draws every amount
// uniformly from ± its bound, so the bounds are the strongest distortion a copy shows.
struct Distortion {
    double scale = 0;          // each axis of the whole character scaled by 1 ± this
    double rotation = 0;       // degrees, the whole character
    double shear = 0;          // horizontal shear of the whole character
    double shift = 0;          // units on each axis, the whole character
    double strokeShift = 0;    // units on each axis, each stroke on its own
    double strokeScale = 0;    // each stroke about its centre
    double strokeRotation = 0; // degrees, each stroke about its centre
    double endChange = 0;      // fraction of a stroke's length cut from or added to either end
    double wobble = 0;         // units, a slow sideways wave along each stroke
    double jitter = 0;         // units, every point on its own
    double reverseChance = 0;  // chance that one stroke is written from its other end
    double swapChance = 0;     // chance that two neighbouring strokes are written in the other order
    double step = 12;          // units between the points of a stroke, as a moving mouse reports them
};

// What the model is trained on.
Distortion trainingDistortion();
// What it is measured on: stronger in every respect, so the measure is not the training set again.
Distortion heldOutDistortion();
// A little shake only: a careful child writing in the standard stroke order.
Distortion carefulDistortion();

// The seed of copy `index` of `character` in the series `series` (training and measuring use different
// series, so no measured copy was ever trained on).
quint64 copySeed(const QString& character, int index, quint64 series);

// The strokes resampled every `step` units along their medians, nothing else changed.
pad::Strokes resampleStrokes(const pad::Strokes& medians, double step);

// One written copy of a character: the same seed always gives the same copy.
pad::Strokes distortStrokes(const pad::Strokes& medians, const Distortion& distortion, quint64 seed);

} // namespace qinghe::handwriting
