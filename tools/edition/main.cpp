// qinghe-edition: makes the open demo edition (data files, movies and speech) from the sources in
// content/, into a program folder.
#include "content_reader.h"
#include "stages.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>

using namespace qinghe::edition;

namespace {

void print(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    // Pictures are drawn with QPainter and need fonts; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("qinghe-edition"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes the open demo edition of 青禾书屋 into a program folder."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Program folder to fill."),
                                       QStringLiteral("dir"));
    const QCommandLineOption contentOption(QStringLiteral("content"), QStringLiteral("Content sources."),
                                           QStringLiteral("dir"),
                                           QStringLiteral(QINGHE_SOURCE_DIR "/content"));
    const QCommandLineOption strokesOption(
        QStringLiteral("strokes"), QStringLiteral("The hanzi-writer-data package."), QStringLiteral("dir"),
        QStringLiteral(QINGHE_SOURCE_DIR "/tools/edition/node_modules/hanzi-writer-data"));
    const QCommandLineOption singleOption(QStringLiteral("single-book"),
                                          QStringLiteral("Make a one-book installation of book N."),
                                          QStringLiteral("N"));
    const QCommandLineOption noAudioOption(QStringLiteral("no-audio"), QStringLiteral("Make no recordings."));
    const QCommandLineOption booksOption(
        QStringLiteral("books"),
        QStringLiteral("Make recordings and movies only for these books (e.g. 1,2)."),
        QStringLiteral("list"));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"), QStringLiteral("Parallel jobs."),
                                        QStringLiteral("N"),
                                        QString::number(qMax(1, QThread::idealThreadCount())));
    parser.addOptions(
        {outOption, contentOption, strokesOption, singleOption, noAudioOption, booksOption, jobsOption});
    parser.process(app);

    if (!parser.isSet(outOption)) {
        print(QStringLiteral("qinghe-edition: --out <program folder> is required"));
        return 2;
    }
    Options options;
    options.contentDirectory = parser.value(contentOption);
    options.outputDirectory = QDir(parser.value(outOption)).absolutePath();
    options.strokeDataDirectory = parser.value(strokesOption);
    options.audio = !parser.isSet(noAudioOption);
    options.jobs = qBound(1, parser.value(jobsOption).toInt(), 64);
    if (parser.isSet(singleOption)) {
        bool ok = false;
        options.singleBook = parser.value(singleOption).toInt(&ok);
        if (!ok || options.singleBook < 1 || options.singleBook > 12) {
            print(QStringLiteral("qinghe-edition: --single-book takes a book number 1 to 12"));
            return 2;
        }
    }
    for (const QString& item : parser.value(booksOption).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > 12) {
            print(QStringLiteral("qinghe-edition: --books takes book numbers 1 to 12, e.g. 1,2"));
            return 2;
        }
        options.books.insert(number);
    }

    QElapsedTimer clock;
    clock.start();
    const ContentRead content = readContent(options.contentDirectory);
    for (const ContentProblem& problem : content.problems) {
        print(problem.toString());
    }
    if (!content.problems.isEmpty()) {
        print(QStringLiteral("qinghe-edition: %1 problems in the content; nothing generated")
                  .arg(content.problems.size()));
        return 1;
    }
    if (options.singleBook != 0 && content.edition.book(options.singleBook) == nullptr) {
        print(QStringLiteral("qinghe-edition: the content has no book %1").arg(options.singleBook));
        return 2;
    }

    OutputTree out(options.outputDirectory);
    QStringList report;
    StageContext context{content.edition, options, out, report};
    struct Stage {
        const char* name;
        bool (*run)(StageContext&);
        bool needsAudio;
    };
    const Stage stages[] = {
        {"documents", &runDocumentsStage, false},
        {"key points", &runKeyPointsStage, false},
        {"licences", &runLicencesStage, false},
        {"pictures", &runPicturesStage, false},
        {"strokes", &runStrokeMoviesStage, false},
        {"study movies", &runStudyMoviesStage, false},
        {"pinyin lessons", &runPinyinLessonsStage, false}, // speaks only when audio is on
        {"interface sounds", &runInterfaceSoundsStage, true},
        {"speech", &runSpeechStage, true},
    };
    bool ok = true;
    for (const Stage& stage : stages) {
        if (stage.needsAudio && !options.audio) {
            continue;
        }
        if (!stage.run(context)) {
            print(QStringLiteral("qinghe-edition: the %1 stage failed").arg(QString::fromLatin1(stage.name)));
            ok = false;
            break;
        }
        out.saveManifest();
    }
    for (const QString& line : report) {
        print(line);
    }
    print(QStringLiteral("qinghe-edition: %1 in %2 s")
              .arg(ok ? QStringLiteral("done") : QStringLiteral("stopped"))
              .arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1));
    return ok ? 0 : 1;
}
