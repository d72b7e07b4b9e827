#pragma once

#include "handwriting/model_training.h"
#include "pad/handwriting_model.h"

namespace qinghe::handwriting {

// Series of seeds no model is trained on.
inline constexpr quint64 kMeasureSeries = 7001;

struct RankCounts {
    int total = 0;
    int top1 = 0;
    int top3 = 0;
    int top10 = 0;
    QStringList missed; // characters with a copy not in the first ten, each once

    double percent(int count) const { return total > 0 ? 100.0 * count / total : 0.0; }
};

// 1-based place of `character` among the candidates; 0 when it is not there.
int placeOf(const QList<pad::Candidate>& candidates, const QString& character);

// Writes `copies` distorted copies of every character (seeds of `series`) and counts where the model
// places the right character.
RankCounts measureRecognition(const pad::HandwritingModel& model, const QList<TrainingCharacter>& characters,
                              const Distortion& distortion, int copies, quint64 series = kMeasureSeries);

} // namespace qinghe::handwriting
