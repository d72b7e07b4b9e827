#include "movie_check.h"

#include "edition_paths.h"
#include "folder_index.h"
#include "qml_movie/qml_movie_engine.h"
#include "report.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QQmlComponent>
#include <QQmlEngine>

namespace qinghe::lint {

namespace {

QString statusProblem(MovieFileStatus status) {
    switch (status) {
    case MovieFileStatus::Ok:
        return {};
    case MovieFileStatus::Missing:
        return QStringLiteral("is not a regular file");
    case MovieFileStatus::OutsideProgram:
        return QStringLiteral("leads outside the program folder");
    case MovieFileStatus::TooLarge:
        return QStringLiteral("is larger than %1 MiB").arg(kMaxMovieFileBytes / (1024 * 1024));
    case MovieFileStatus::Unreadable:
        return QStringLiteral("cannot be read");
    case MovieFileStatus::NotText:
        return QStringLiteral("is not a QML movie (empty, a real SWF, binary or not UTF-8)");
    }
    return {};
}

// The first compile error, without the file's URL (the message names the file already).
QString firstError(const QList<QQmlError>& errors) {
    if (errors.isEmpty()) {
        return QStringLiteral("unknown error");
    }
    const QQmlError& error = errors.first();
    return error.line() > 0 ? QStringLiteral("line %1: %2").arg(error.line()).arg(error.description())
                            : error.description();
}

} // namespace

QmlMovieProbe::QmlMovieProbe(const QString& programDirectory)
    : engine_(std::make_unique<QmlMovieEngine>(programDirectory)) {
    engine_->start();
}

QmlMovieProbe::~QmlMovieProbe() = default;

QString QmlMovieProbe::problem(const QString& path) {
    const MovieFile file = engine_->readMovie(path);
    if (file.status != MovieFileStatus::Ok) {
        return statusProblem(file.status);
    }
    const std::shared_ptr<QQmlComponent> component = engine_->component(file);
    if (component) {
        // Local imports may finish loading on the event loop.
        const QDeadlineTimer deadline(10000);
        while (component->isLoading() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        if (component->isReady()) {
            return {};
        }
        if (component->isLoading()) {
            return QStringLiteral("does not finish loading");
        }
    }
    // The engine keeps no broken component; compile once more to say why.
    QQmlComponent again(engine_->qmlEngine());
    again.setData(file.text, QUrl::fromLocalFile(file.canonicalPath));
    return QStringLiteral("does not compile as QML: ") + firstError(again.errors());
}

int checkMovies(const std::vector<MediaRequest>& requests, const EditionPaths& paths, MovieProbe& probe,
                Report& report) {
    QHash<QString, FolderIndex> folders;
    QSet<QString> seen;
    // A folder that is not there at all is one problem, not one per movie.
    QStringList missingFolders;
    QHash<QString, int> missingCounts;
    int checked = 0;
    for (const MediaRequest& request : requests) {
        const QString path = request.folder + u'/' + request.name;
        if (seen.contains(path)) {
            continue;
        }
        seen.insert(path);
        ++checked;
        auto folder = folders.find(request.folder);
        if (folder == folders.end()) {
            folder = folders.insert(request.folder, FolderIndex(paths.absolute(request.folder)));
        }
        const QString shownFolder = paths.shownAbsolute(folder->folder());
        if (!folder->exists()) {
            if (!missingCounts.contains(shownFolder)) {
                missingFolders << shownFolder;
            }
            ++missingCounts[shownFolder];
            continue;
        }
        const std::optional<QString> found = folder->find(request.name);
        if (!found) {
            report.error(
                request.file, request.line,
                QStringLiteral("movie %1/%2 for %3 is missing").arg(shownFolder, request.name, request.what));
            continue;
        }
        const QString problem = probe.problem(folder->folder() + u'/' + *found);
        if (!problem.isEmpty()) {
            report.error(
                request.file, request.line,
                QStringLiteral("movie %1/%2 for %3 %4").arg(shownFolder, *found, request.what, problem));
        }
    }
    for (const QString& folder : missingFolders) {
        const int count = missingCounts.value(folder);
        report.error(
            folder, 0,
            QStringLiteral("missing: the %1 stroke-order movie%2 the lessons ask for in it %3 not there")
                .arg(count)
                .arg(count == 1 ? QString() : QStringLiteral("s"),
                     count == 1 ? QStringLiteral("is") : QStringLiteral("are")));
    }
    return checked;
}

} // namespace qinghe::lint
