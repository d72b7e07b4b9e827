// qinghe-handwriting-model: trains the pad's Zinnia model from the open stroke data, for the edition's
// characters and the 3,500 most common ones, into <program folder>/Data/hand/. A model made from the
// same inputs is kept as it is.
#include "handwriting/character_set.h"
#include "handwriting/median_data.h"
#include "handwriting/model_recipe.h"
#include "handwriting/model_training.h"
#include "handwriting/recognition_measure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QThread>

#include <cstdio>

using namespace qinghe;
using namespace qinghe::handwriting;

namespace {

void print(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString packageVersion(const QString& package) {
    QFile file(package + QStringLiteral("/package.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("(version unknown)");
    }
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("version")).toString();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qinghe-handwriting-model"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Trains the handwriting pad's model into <program folder>/Data/hand/."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Program folder."),
                                       QStringLiteral("dir"));
    const QCommandLineOption contentOption(QStringLiteral("content"), QStringLiteral("Content sources."),
                                           QStringLiteral("dir"),
                                           QStringLiteral(QINGHE_SOURCE_DIR "/content"));
    const QCommandLineOption strokesOption(
        QStringLiteral("strokes"), QStringLiteral("The hanzi-writer-data package."), QStringLiteral("dir"),
        QStringLiteral(QINGHE_SOURCE_DIR "/tools/edition/node_modules/hanzi-writer-data"));
    const QCommandLineOption copiesOption(QStringLiteral("copies"),
                                          QStringLiteral("Written copies per character."),
                                          QStringLiteral("N"), QString::number(TrainingOptions{}.copies));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Classes trained at once."),
                                        QStringLiteral("N"),
                                        QString::number(qMax(1, QThread::idealThreadCount())));
    const QCommandLineOption windowOption(
        QStringLiteral("stroke-window"),
        QStringLiteral("Stroke counts this far apart are near ones (-1: all are)."), QStringLiteral("N"),
        QString::number(TrainingOptions{}.strokeWindow));
    const QCommandLineOption nearOption(QStringLiteral("near-copies"),
                                        QStringLiteral("Copies of near stroke counts each class meets."),
                                        QStringLiteral("N"), QString::number(TrainingOptions{}.nearCopies));
    const QCommandLineOption farOption(QStringLiteral("far-copies"),
                                       QStringLiteral("Copies of other stroke counts each class meets."),
                                       QStringLiteral("N"), QString::number(TrainingOptions{}.farCopies));
    const QCommandLineOption formOption(
        QStringLiteral("form"),
        QStringLiteral("Strokes as written (0), turned (1), canonical (2) or fitted (3)."),
        QStringLiteral("N"), QString::number(int(TrainingOptions{}.form)));
    const QCommandLineOption noSwapsOption(
        QStringLiteral("no-swap-copies"),
        QStringLiteral("No extra copies with neighbouring strokes swapped."));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Train only these characters (for trials)."),
                                        QStringLiteral("chars"));
    const QCommandLineOption measureOption(
        QStringLiteral("measure"),
        QStringLiteral("Afterwards measure N held-out copies of each edition character."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Train even when up to date."));
    parser.addOptions({outOption, contentOption, strokesOption, copiesOption, jobsOption, windowOption,
                       nearOption, farOption, formOption, noSwapsOption, onlyOption, measureOption,
                       forceOption});
    parser.process(app);
    if (!parser.isSet(outOption)) {
        print(QStringLiteral("qinghe-handwriting-model: --out <program folder> is required"));
        return 2;
    }
    QElapsedTimer clock;
    clock.start();

    QString error;
    const QString content = parser.value(contentOption);
    const QStringList edition = editionCharacters(content, &error);
    if (edition.isEmpty()) {
        print(QStringLiteral("qinghe-handwriting-model: %1").arg(error));
        return 1;
    }
    const QStringList common = commonCharacters(content + QStringLiteral("/plan/ranked.tsv"), &error);
    if (common.isEmpty()) {
        print(QStringLiteral("qinghe-handwriting-model: %1").arg(error));
        return 1;
    }
    QStringList wanted = unionInOrder(edition, common);
    if (parser.isSet(onlyOption)) {
        wanted.clear();
        const QString only = parser.value(onlyOption);
        for (qsizetype i = 0; i < only.size(); ++i) {
            wanted.append(only.mid(i, only[i].isHighSurrogate() ? 2 : 1));
            i += only[i].isHighSurrogate() ? 1 : 0;
        }
    }

    const QString strokes = parser.value(strokesOption);
    QList<TrainingCharacter> characters;
    for (const QString& character : wanted) {
        const std::optional<pad::Strokes> medians = loadMedians(strokes, character, &error);
        if (!medians) {
            print(QStringLiteral("qinghe-handwriting-model: %1: %2 (left out)").arg(character, error));
            continue;
        }
        characters.append({character, *medians});
    }

    TrainingOptions options;
    options.copies = qBound(1, parser.value(copiesOption).toInt(), 1000);
    options.jobs = qBound(1, parser.value(jobsOption).toInt(), 64);
    options.strokeWindow = qBound(-1, parser.value(windowOption).toInt(), 64);
    options.nearCopies = qBound(1, parser.value(nearOption).toInt(), 1000);
    options.farCopies = qBound(1, parser.value(farOption).toInt(), 1000);
    options.neighbourSwaps = !parser.isSet(noSwapsOption);
    options.form = pad::StrokeForm(qBound(0, parser.value(formOption).toInt(), 3));
    const QString folder = QDir(parser.value(outOption)).absolutePath() + u'/' + kModelFolder;
    const QString key = modelRecipeKey(characters, options);
    // The shapes are made in well under a second and are not part of the training, so a model trained
    // before they existed gains them without being trained again.
    const QByteArray shapes = shapesText(characters);
    const QString shapesFile = pad::HandwritingModel::shapesPath(folder + kModelFile);
    if (!parser.isSet(forceOption) && modelUpToDate(folder, key)) {
        if (!sameContents(shapesFile, shapes) && !writeAtomically(shapesFile, shapes)) {
            print(QStringLiteral("qinghe-handwriting-model: cannot write %1").arg(shapesFile));
            return 1;
        }
        print(QStringLiteral("qinghe-handwriting-model: the model is up to date (%1)")
                  .arg(folder + kModelFile));
        return 0;
    }
    if (!QDir().mkpath(folder)) {
        print(QStringLiteral("qinghe-handwriting-model: cannot make %1").arg(folder));
        return 1;
    }
    // The key goes first: a model written under an old key is never taken for the new one.
    QFile::remove(folder + kModelKeyFile);

    print(QStringLiteral("qinghe-handwriting-model: training %1 characters, %2 copies each, %3 jobs")
              .arg(characters.size())
              .arg(options.copies)
              .arg(options.jobs));
    int lastReported = 0;
    options.progress = [&lastReported, &clock](int done, int total) {
        if (done - lastReported >= 250 || done == total) {
            lastReported = done;
            print(QStringLiteral("qinghe-handwriting-model: %1/%2 classes (%3 s)")
                      .arg(done)
                      .arg(total)
                      .arg(double(clock.elapsed()) / 1000.0, 0, 'f', 0));
        }
    };
    const TrainingResult result = trainZinniaModel(characters, options, folder + kModelFile);
    if (!result.ok) {
        print(QStringLiteral("qinghe-handwriting-model: %1").arg(result.error));
        return 1;
    }
    const QString licence = strokes + u'/' + kLicenceFile;
    QFile::remove(folder + kLicenceFile);
    if (!QFile::copy(licence, folder + kLicenceFile) ||
        !writeAtomically(folder + kNoticeFile, modelNotice(packageVersion(strokes), result.classes)) ||
        !writeAtomically(pad::HandwritingModel::strokeCountsPath(folder + kModelFile),
                         strokeCountsText(characters)) ||
        !writeAtomically(shapesFile, shapes) ||
        !writeAtomically(folder + kModelKeyFile, key.toLatin1() + '\n')) {
        print(QStringLiteral("qinghe-handwriting-model: cannot write the licence, notice, stroke counts or "
                             "shapes beside the model"));
        return 1;
    }
    print(QStringLiteral("qinghe-handwriting-model: %1 classes from %2 copies in %3 s, %4 MB")
              .arg(result.classes)
              .arg(result.samples)
              .arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1)
              .arg(double(QFileInfo(folder + kModelFile).size()) / 1e6, 0, 'f', 1));

    const int measureCopies = parser.value(measureOption).toInt();
    if (measureCopies > 0) {
        const auto model = pad::HandwritingModel::open(folder + kModelFile, options.form, &error);
        if (!model) {
            print(QStringLiteral("qinghe-handwriting-model: %1").arg(error));
            return 1;
        }
        QList<TrainingCharacter> measured;
        for (const TrainingCharacter& c : characters) {
            if (edition.contains(c.character)) {
                measured.append(c);
            }
        }
        const RankCounts counts = measureRecognition(*model, measured, heldOutDistortion(), measureCopies);
        print(QStringLiteral(
                  "qinghe-handwriting-model: held-out copies %1: top-1 %2 %, top-3 %3 %, top-10 %4 %")
                  .arg(counts.total)
                  .arg(counts.percent(counts.top1), 0, 'f', 2)
                  .arg(counts.percent(counts.top3), 0, 'f', 2)
                  .arg(counts.percent(counts.top10), 0, 'f', 2));
    }
    return 0;
}
