#include "edition_lint.h"

#include "catalogue_check.h"
#include "content_check.h"
#include "edition_paths.h"
#include "lesson_content.h"
#include "media_requests.h"
#include "movie_check.h"
#include "reading_rules.h"
#include "recording_check.h"
#include "records_document.h"
#include "settings_check.h"
#include "xml_source.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace qinghe::lint {

namespace {

QString plural(int count, const char* one, const char* many) {
    return QString::number(count) + u' ' + QString::fromLatin1(count == 1 ? one : many);
}

constexpr qint64 kMaxOverridesBytes = 16 * 1024 * 1024;

std::optional<ReadingRules> loadReadingRules(const LintOptions& options, Report& report) {
    ReadingOverrides overrides;
    if (!options.overridesPath.isEmpty()) {
        QFile file(options.overridesPath);
        if (!QFileInfo(options.overridesPath).isFile()) {
            if (options.overridesRequired) {
                report.error(options.overridesPath, 0, QStringLiteral("missing"));
            }
        } else if (file.size() > kMaxOverridesBytes || !file.open(QIODevice::ReadOnly)) {
            report.error(options.overridesPath, 0, QStringLiteral("cannot be read, or larger than 16 MiB"));
        } else {
            overrides = parseReadingOverrides(file.readAll());
            for (const auto& [line, problem] : overrides.problems) {
                report.error(options.overridesPath, line, problem);
            }
        }
    }
    QString why;
    std::optional<UnihanReadings> unihan = loadUnihanReadings(options.unihanPath, &why);
    if (!unihan) {
        report.warning(options.unihanPath, 0, why + QStringLiteral("; readings are not checked"));
        return std::nullopt;
    }
    return ReadingRules(std::move(*unihan), std::move(overrides));
}

} // namespace

QString LintResult::summary() const {
    return plural(report.errorCount(), "error", "errors") + QStringLiteral(", ") +
           plural(report.warningCount(), "warning", "warnings") + QStringLiteral("; ") +
           plural(counts.books, "book", "books") + QStringLiteral(", ") +
           plural(counts.lessons, "lesson", "lessons") + QStringLiteral(", ") +
           plural(counts.characters, "character", "characters") + QStringLiteral(", ") +
           plural(counts.words, "word", "words") + QStringLiteral(", ") +
           plural(counts.recordings, "recording", "recordings") + QStringLiteral(", ") +
           plural(counts.movies, "movie", "movies") + QStringLiteral(" checked");
}

LintResult lintEdition(const LintOptions& options, MovieProbe* movies) {
    LintResult result;
    Report& report = result.report;
    const SettingsCheck settings = checkSettings(options.programDirectory, report);
    const EditionPaths paths(options.programDirectory, settings.settings.edition);
    const EditionTree tree = checkCatalogue(paths, settings.settings, report);
    // Findings read in the order of the edition: settings, contents, then each book's two documents
    // (after the reading lists the checks are made with).
    report.declareFile(options.overridesPath);
    report.declareFile(options.unihanPath);
    report.declareFile(paths.shown(QStringLiteral("Data/systxt/Set.ini")));
    report.declareFile(tree.file);
    for (const TreeBook& book : tree.books) {
        report.declareFile(book.characterFile);
        report.declareFile(book.wordFile);
    }
    const std::optional<ReadingRules> readings = loadReadingRules(options, report);

    std::vector<BookRecords> books;
    for (const TreeBook& book : tree.books) {
        BookRecords records;
        records.position = book.position;
        records.characterFile = book.characterFile;
        records.wordFile = book.wordFile;
        const XmlSource characters = XmlSource::load(paths.programDirectory() + book.characterFile);
        if (characters.reportProblems(
                report, book.characterFile,
                QStringLiteral("missing: book «%1» has no character records").arg(book.caption))) {
            records.charactersLoaded = true;
            records.characters = readCharacterRecords(characters, book.characterFile, book.position, report);
        }
        const XmlSource words = XmlSource::load(paths.programDirectory() + book.wordFile);
        if (words.reportProblems(
                report, book.wordFile,
                QStringLiteral("missing: book «%1» has no word records").arg(book.caption))) {
            records.wordsLoaded = true;
            records.words = readWordRecords(words, book.wordFile, book.position, report);
        }
        for (const CharacterRecord& record : records.characters) {
            checkCharacterRecord(record, readings ? &*readings : nullptr, report);
        }
        for (const WordRecord& record : records.words) {
            checkWordRecord(record, report);
        }
        result.counts.characters += int(records.characters.size());
        result.counts.words += int(records.words.size());
        books.push_back(std::move(records));
    }
    result.counts.books = int(tree.books.size());

    const std::vector<LessonContent> lessons = bindRecords(tree, books, report);
    result.counts.lessons = int(lessons.size());
    checkLessons(lessons, tree.file, paths.editionFolder(), report);

    const std::vector<MediaRequest> recordings = recordingRequests(lessons, paths.editionFolder(), tree.file);
    checkCaseCollisions(recordings, QStringLiteral("recordings"), report);
    if (options.checkRecordings) {
        result.counts.recordings = checkRecordings(recordings, paths, options.recordingBooks, report);
    }
    if (movies != nullptr) {
        const std::vector<MediaRequest> strokes =
            movieRequests(lessons, paths.editionFolder(), settings.settings.singleBook());
        result.counts.movies = checkMovies(strokes, paths, *movies, report);
    }
    return result;
}

} // namespace qinghe::lint
