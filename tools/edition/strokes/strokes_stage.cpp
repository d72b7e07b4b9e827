#include "progress.h"
#include "stages.h"
#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace qinghe::edition {

namespace {

const QString kMovieFolder = kEditionFolder + QStringLiteral("hzbs/");
const QString kLicenceName = QStringLiteral("ARPHICPL.TXT");

struct MovieJob {
    QString character;
    QStringList targets; // relative to the program folder
};

// Every new character of the books this run makes movies for, once, in book order. A one-book
// installation looks in hzbs/book<N>/ as well as hzbs/.
QList<MovieJob> movieJobs(const Edition& edition, const Options& options) {
    QList<MovieJob> jobs;
    QSet<QString> seen;
    for (const PlacedBook& placed : placedBooks(edition, options)) {
        if (!options.wantsBook(placed.book->number)) {
            continue;
        }
        for (const Unit& unit : placed.book->units) {
            for (const Lesson& lesson : unit.lessons) {
                for (const CharacterEntry& entry : lesson.chars) {
                    if (seen.contains(entry.zi)) {
                        continue;
                    }
                    seen.insert(entry.zi);
                    MovieJob job{entry.zi, {kMovieFolder + entry.zi + QStringLiteral(".swf")}};
                    if (options.singleBook != 0) {
                        job.targets << kMovieFolder + QStringLiteral("book%1/").arg(options.singleBook) +
                                           entry.zi + QStringLiteral(".swf");
                    }
                    jobs.append(job);
                }
            }
        }
    }
    return jobs;
}

bool usableAsFileName(const QString& character) {
    return !character.isEmpty() && !character.contains(u'/') && !character.contains(u'\\') &&
           character != u"." && character != u"..";
}

// One character's movie, made on a worker thread. OutputTree::writeIfChanged touches nothing but
// the file it is given, so workers share the tree; recipes are remembered afterwards, in order.
struct MovieWork {
    const MovieJob* job = nullptr;
    QByteArray json;
    QString recipe;
    QStringList stale;  // targets to make
    QString error;      // the data is damaged
    QString unwritable; // a target that could not be written
    int written = 0;    // targets whose bytes changed
};

constexpr size_t kWriters = 16;

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxStrokeDataBytes) {
        return {};
    }
    return file.readAll();
}

void makeMovie(MovieWork& work, OutputTree& out) {
    const StrokeDataRead read = parseStrokeData(work.json);
    if (!read.character) {
        work.error = read.error;
        return;
    }
    const QByteArray movie = strokeMovie(work.job->character, *read.character);
    for (const QString& target : work.stale) {
        bool changed = false;
        if (!out.writeIfChanged(target, movie, &changed)) {
            work.unwritable = target;
            return;
        }
        work.written += changed ? 1 : 0;
    }
}

} // namespace

bool runStrokeMoviesStage(StageContext& context) {
    const QString dataDirectory = context.options.strokeDataDirectory;
    const QByteArray licence = readAll(dataDirectory + u'/' + kLicenceName);
    if (licence.isEmpty()) {
        context.report << QStringLiteral(
                              "strokes: no hanzi-writer-data package at %1 (run `npm ci` in tools/edition)")
                              .arg(dataDirectory);
        return false;
    }
    if (!context.out.writeIfChanged(kMovieFolder + kLicenceName, licence)) {
        context.report
            << QStringLiteral("strokes: cannot write %1").arg(context.out.path(kMovieFolder + kLicenceName));
        return false;
    }

    // What is missing or out of date, decided here; made and written by the workers below.
    const QList<MovieJob> jobs = movieJobs(context.edition, context.options);
    const QString version = QString::number(kStrokeMovieVersion);
    QStringList missing;
    int current = 0;
    std::vector<MovieWork> works;
    for (const MovieJob& job : jobs) {
        MovieWork work;
        work.job = &job;
        work.json = usableAsFileName(job.character)
                        ? readAll(dataDirectory + u'/' + job.character + QStringLiteral(".json"))
                        : QByteArray();
        if (work.json.isEmpty()) {
            missing << job.character;
            continue;
        }
        work.recipe = recipeKey({QStringLiteral("stroke movie"), version, QString::fromUtf8(work.json)});
        for (const QString& target : job.targets) {
            if (context.out.isUpToDate(target, work.recipe)) {
                ++current;
            } else {
                work.stale << target;
            }
        }
        if (!work.stale.isEmpty()) {
            works.push_back(std::move(work));
        }
    }

    // Each replaced file is flushed to disk before it takes the old one's place; the flushes are
    // what takes time, so several writers wait for them side by side.
    Progress progress(QStringLiteral("strokes"), qint64(works.size()));
    std::atomic<size_t> next = 0;
    std::atomic<size_t> finished = 0;
    {
        std::vector<std::jthread> writers;
        const size_t count = std::min<size_t>(kWriters, works.size());
        for (size_t i = 0; i < count; ++i) {
            writers.emplace_back([&] {
                for (size_t item = next++; item < works.size(); item = next++) {
                    makeMovie(works[item], context.out);
                    ++finished;
                }
            });
        }
        for (size_t shown = 0; shown < works.size();) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const size_t now = finished;
            progress.advance(qint64(now - shown));
            shown = now;
        }
    }
    progress.finish();

    int written = 0;
    for (const MovieWork& work : works) {
        if (!work.unwritable.isEmpty()) {
            context.report
                << QStringLiteral("strokes: cannot write %1").arg(context.out.path(work.unwritable));
            return false;
        }
        if (!work.error.isEmpty()) {
            context.report << QStringLiteral("strokes: the stroke data of %1 is damaged (%2): no movie")
                                  .arg(work.job->character, work.error);
            missing << work.job->character;
            continue;
        }
        for (const QString& target : work.stale) {
            context.out.remember(target, work.recipe);
        }
        written += work.written;
        current += int(work.stale.size()) - work.written;
    }
    if (!missing.isEmpty()) {
        // The program shows an empty box for these; the rest of the edition is unaffected.
        context.report << QStringLiteral(
                              "strokes: no stroke data for %1 characters, their movies are left out: %2")
                              .arg(missing.size())
                              .arg(missing.join(u' '));
    }
    context.report << QStringLiteral("strokes: %1 movies written, %2 up to date").arg(written).arg(current);
    return true;
}

} // namespace qinghe::edition
