// Handwriting recognition, our model against the stock Debian one, on copies of the edition's
// characters that no model was trained on (held-out seeds, stronger distortion than in training); and
// the time from a finished stroke to the candidates for characters of ten strokes.
//   bench_handwriting <program folder> [copies per character] [characters to show candidates for]
#include "handwriting/character_set.h"
#include "handwriting/median_data.h"
#include "handwriting/model_recipe.h"
#include "handwriting/recognition_measure.h"
#include "pad/handwriting_model.h"
#include "pad/model_loader.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace qinghe;
using namespace qinghe::handwriting;

namespace {

void report(const char* name, const RankCounts& counts) {
    std::printf("%-6s copies %6d  top-1 %6.2f %%  top-3 %6.2f %%  top-10 %6.2f %%  never in top ten: %lld\n",
                name, counts.total, counts.percent(counts.top1), counts.percent(counts.top3),
                counts.percent(counts.top10), static_cast<long long>(counts.missed.size()));
    std::printf("       never in top ten, first 40: %s\n",
                qPrintable(counts.missed.mid(0, 40).join(QString())));
}

// Milliseconds per recognition of a whole ten-stroke character, as the pad runs it after the tenth
// stroke: median and worst over every ten-stroke character of the edition.
void timeTenStrokes(const pad::HandwritingModel& model, const QList<TrainingCharacter>& characters,
                    const char* name) {
    std::vector<double> times;
    for (const TrainingCharacter& c : characters) {
        if (c.medians.size() != 10) {
            continue;
        }
        const pad::Strokes strokes =
            distortStrokes(c.medians, heldOutDistortion(), copySeed(c.character, 0, 99));
        QElapsedTimer clock;
        clock.start();
        const QList<pad::Candidate> candidates = model.classify(strokes, kMedianUnits, 10);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (candidates.isEmpty()) {
            std::printf("%s: no candidates for %s\n", name, qPrintable(c.character));
        }
    }
    if (times.empty()) {
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-6s ten-stroke characters %zu: median %.2f ms, worst %.2f ms\n", name, times.size(),
                times[times.size() / 2], times.back());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_handwriting <program folder> [copies per character]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/' + kModelFolder;
    const int copies = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    QString error;
    const QStringList edition = editionCharacters(QStringLiteral(QINGHE_SOURCE_DIR "/content"), &error);
    const QString strokeData =
        QStringLiteral(QINGHE_SOURCE_DIR "/tools/edition/node_modules/hanzi-writer-data");
    QList<TrainingCharacter> characters;
    for (const QString& character : edition) {
        if (const auto medians = loadMedians(strokeData, character, &error)) {
            characters.append({character, *medians});
        }
    }
    std::printf("edition characters with stroke data: %lld; %d held-out copies each\n",
                static_cast<long long>(characters.size()), copies);

    QElapsedTimer opening;
    opening.start();
    const auto ours = pad::HandwritingModel::open(folder + kModelFile, pad::StrokeForm::Fitted, &error);
    // The pad opens the model on a worker thread after its window shows; this is how long that takes.
    std::printf("model opened with its stroke counts and shapes in %.1f ms\n",
                double(opening.nsecsElapsed()) / 1e6);
    if (ours) {
        // The stroke-count penalty can be tried out without training again.
        bool set = false;
        const double penalty = qEnvironmentVariable("QH_STROKE_PENALTY").toDouble(&set);
        if (set) {
            ours->setStrokePenalty(penalty);
        }
        const double weight = qEnvironmentVariable("QH_SHAPE_WEIGHT").toDouble(&set);
        if (set) {
            ours->setShapeWeight(weight);
        }
        if (qEnvironmentVariableIsSet("QH_NO_SHAPE_SCAN")) {
            ours->setShapeScan(false);
        }
        std::printf("stroke counts known: %lld, shapes known: %lld\n",
                    static_cast<long long>(ours->strokeCounts()), static_cast<long long>(ours->shapes()));
        QElapsedTimer clock;
        clock.start();
        const RankCounts counts = measureRecognition(*ours, characters, heldOutDistortion(), copies);
        report("ours", counts);
        std::printf("       (%.1f s, %d classes)\n", double(clock.elapsed()) / 1000, ours->classes());
        timeTenStrokes(*ours, characters, "ours");
        // A careful child writing a few characters the pad must know, in the standard order.
        for (const TrainingCharacter& c : characters) {
            if (QStringLiteral("永我学山水火生写").contains(c.character)) {
                std::printf("  %s", qPrintable(c.character));
                for (int copy = 0; copy < copies; ++copy) {
                    const pad::Strokes strokes =
                        distortStrokes(c.medians, carefulDistortion(), copySeed(c.character, copy, 4243));
                    std::printf(" %d", placeOf(ours->classify(strokes, kMedianUnits, 10), c.character));
                }
            }
        }
        std::printf("   (place among the candidates, careful copies)\n");
        // What the model offers for the held-out copies of chosen characters, to see why one is missed.
        const QString explain = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
        for (const TrainingCharacter& c : characters) {
            if (!explain.contains(c.character)) {
                continue;
            }
            for (int copy = 0; copy < copies; ++copy) {
                const pad::Strokes strokes = distortStrokes(c.medians, heldOutDistortion(),
                                                            copySeed(c.character, copy, kMeasureSeries));
                QString offered;
                for (const pad::Candidate& candidate : ours->classify(strokes, kMedianUnits, 10)) {
                    offered += candidate.character;
                }
                std::printf("  %s copy %d: %s\n", qPrintable(c.character), copy, qPrintable(offered));
            }
        }
    } else {
        std::printf("ours: %s\n", qPrintable(error));
    }
    const auto stock = pad::HandwritingModel::open(pad::stockModelPath(), pad::StrokeForm::AsWritten, &error);
    if (stock) {
        const RankCounts counts = measureRecognition(*stock, characters, heldOutDistortion(), copies);
        report("stock", counts);
        timeTenStrokes(*stock, characters, "stock");
    } else {
        std::printf("stock: %s\n", qPrintable(error));
    }
    return 0;
}
