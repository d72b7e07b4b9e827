#include "handwriting/recognition_measure.h"

#include "handwriting/median_data.h"

namespace qinghe::handwriting {

int placeOf(const QList<pad::Candidate>& candidates, const QString& character) {
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (candidates[i].character == character) {
            return int(i) + 1;
        }
    }
    return 0;
}

RankCounts measureRecognition(const pad::HandwritingModel& model, const QList<TrainingCharacter>& characters,
                              const Distortion& distortion, int copies, quint64 series) {
    RankCounts counts;
    for (const TrainingCharacter& character : characters) {
        bool missed = false;
        for (int copy = 0; copy < copies; ++copy) {
            const pad::Strokes strokes =
                distortStrokes(character.medians, distortion, copySeed(character.character, copy, series));
            const int place = placeOf(model.classify(strokes, kMedianUnits, 10), character.character);
            ++counts.total;
            counts.top1 += place == 1;
            counts.top3 += place >= 1 && place <= 3;
            counts.top10 += place >= 1;
            missed = missed || place == 0;
        }
        if (missed) {
            counts.missed.append(character.character);
        }
    }
    return counts;
}

} // namespace qinghe::handwriting
