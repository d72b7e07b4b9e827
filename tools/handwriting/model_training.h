#pragma once

#include "handwriting/stroke_distortion.h"
#include "pad/handwriting_model.h"
#include "pad/ink.h"

#include <QList>
#include <QString>

#include <functional>

namespace qinghe::handwriting {

struct TrainingCharacter {
    QString character;
    pad::Strokes medians; // y down, in the 1024-unit square
};

struct TrainingOptions {
    int copies = 20; // written copies per character; the first is the medians themselves, resampled
    // One more copy per pair of neighbouring strokes, written with that pair in the other order: the
    // commonest slip in stroke order, which a model that reads strokes in order learns only from examples.
    bool neighbourSwaps = true;
    quint64 series = 1;
    Distortion distortion = trainingDistortion();
    // Each class is trained against every copy of the characters with its own stroke count, the first
    // `nearCopies` copies of those whose stroke count differs by at most `strokeWindow`, and the first
    // `farCopies` of all others. Copies of another stroke count are told apart at once by Zinnia's
    // stroke-count features; a few of them suffice to teach every class that.
    int strokeWindow = 2;
    int nearCopies = 4;
    int farCopies = 1;
    pad::StrokeForm form = pad::StrokeForm::Fitted; // how copies are given to Zinnia
    int jobs = 2;                                   // groups trained at once
    double compression = 0.0;                       // weights no larger than this are left out of the model
    // Called from the training threads as classes finish (done counts every group's classes).
    std::function<void(int done, int total)> progress;
};

struct TrainingResult {
    bool ok = false;
    QString error;
    int classes = 0;
    int samples = 0;
};

// Trains one Zinnia model for all characters. Zinnia learns one linear SVM per class: that class's
// copies against every other copy it is given. The classes are trained in groups of one stroke count,
// each group by its own Zinnia trainer, `jobs` at a time; the copies of other stroke counts a group is
// given (see TrainingOptions) all carry one extra label, whose class is dropped afterwards. The
// groups' weights are joined and converted into one binary model, written to `modelPath` atomically.
TrainingResult trainZinniaModel(const QList<TrainingCharacter>& characters, const TrainingOptions& options,
                                const QString& modelPath);

// The copies of one character the model is trained on: copy 0 is the medians themselves, the next
// `copies - 1` are distorted, and with `neighbourSwaps` one follows per pair of neighbouring strokes.
int copiesOf(const TrainingCharacter& character, const TrainingOptions& options);
pad::Strokes trainingCopy(const TrainingCharacter& character, int index, const TrainingOptions& options);

} // namespace qinghe::handwriting
