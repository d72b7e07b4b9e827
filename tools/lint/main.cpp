// qinghe-lint: checks an edition (the data folder of a program folder) against the formats the
// program reads, for edition authors.
#include "edition_lint.h"
#include "movie_check.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

using namespace qinghe::lint;

namespace {

const char* const kDescription =
    R"(Checks an edition of 青禾书屋 in a program folder: Set.ini, the table of contents, the
character and word documents, readings against Unihan, recordings and stroke-order movies.

Every problem is printed as one line:
  <file>:<line>: error: <problem>
  <file>: warning: <problem>          (a problem of the whole file has no line)
Files are named relative to the program folder (Data/RJ/xml/hanzi3.xml:57); lines count from 1.
Problems of a character or word are reported on the line of its record, problems of a lesson on the
line of its node in unit.xml, a missing recording or movie on the record that asks for it.
A summary line follows. The exit status is 1 when there are errors (or warnings with --strict),
2 for a wrong command line, 0 otherwise.)";

// The output is the findings; Qt's own chatter (run-time folders, font look-ups) is not one of them.
void dropQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    }
}

void print(FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    // Movies are compiled by the program's QML engine; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(&dropQtMessages);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("qinghe-lint"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("program-folder"),
                                 QStringLiteral("The folder holding Data/."));
    const QCommandLineOption noAudio(
        QStringLiteral("no-audio"),
        QStringLiteral("Do not check recordings (sound/, lj/, lessonread/). Names "
                       "that collide are still reported."));
    const QCommandLineOption audioBooks(
        QStringLiteral("audio-books"),
        QStringLiteral("Check recordings only for these book numbers (e.g. 1,2)."), QStringLiteral("list"));
    const QCommandLineOption strict(QStringLiteral("strict"), QStringLiteral("Exit with 1 on warnings too."));
    const QCommandLineOption overrides(
        QStringLiteral("overrides"),
        QStringLiteral("Readings accepted with a reason (char<TAB>reading<TAB>reason). "
                       "Default: the repository's content/overrides.tsv."),
        QStringLiteral("tsv"));
    const QCommandLineOption unihan(
        QStringLiteral("unihan"),
        QStringLiteral("Unihan reading data (.txt or .txt.bz2). Default: %1; when it "
                       "is missing readings are not checked (a warning says so).")
            .arg(kDefaultUnihanReadings),
        QStringLiteral("file"), kDefaultUnihanReadings);
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Print errors and the summary only."));
    parser.addOptions({noAudio, audioBooks, strict, overrides, unihan, quiet});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        print(stderr, QStringLiteral("qinghe-lint: give one program folder (see --help)"));
        return 2;
    }
    if (!QDir(positional.first()).exists()) {
        print(stderr, QStringLiteral("qinghe-lint: %1 is not a folder").arg(positional.first()));
        return 2;
    }
    LintOptions options;
    options.programDirectory = positional.first();
    options.checkRecordings = !parser.isSet(noAudio);
    options.unihanPath = parser.value(unihan);
    options.overridesRequired = parser.isSet(overrides);
    options.overridesPath = parser.isSet(overrides)
                                ? parser.value(overrides)
                                : QStringLiteral(QINGHE_SOURCE_DIR "/content/overrides.tsv");
    for (const QString& item : parser.value(audioBooks).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > 12) {
            print(stderr, QStringLiteral("qinghe-lint: --audio-books takes book numbers 1 to 12, e.g. 1,2"));
            return 2;
        }
        options.recordingBooks.insert(number);
    }

    QElapsedTimer clock;
    clock.start();
    QmlMovieProbe movies(options.programDirectory);
    const LintResult result = lintEdition(options, &movies);
    for (const Finding& finding : result.report.sorted()) {
        if (!parser.isSet(quiet) || finding.severity == Severity::Error) {
            print(stdout, finding.toString());
        }
    }
    print(stdout, QStringLiteral("qinghe-lint: %1 in %2 s")
                      .arg(result.summary())
                      .arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1));
    return result.report.exitCode(parser.isSet(strict));
}
