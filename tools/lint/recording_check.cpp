#include "recording_check.h"

#include "edition_paths.h"
#include "folder_index.h"
#include "lessonread_index.h"
#include "report.h"
#include "sound_probe.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace qinghe::lint {

namespace {

constexpr qint64 kMaxSideFileBytes = 4 * 1024 * 1024;

class Folders {
public:
    explicit Folders(const EditionPaths& paths)
        : paths_(paths) {}

    const FolderIndex& folder(const QString& relative) {
        auto found = folders_.find(relative);
        if (found == folders_.end()) {
            found = folders_.insert(relative, FolderIndex(paths_.absolute(relative)));
        }
        return *found;
    }

private:
    const EditionPaths& paths_;
    QHash<QString, FolderIndex> folders_;
};

void checkSideFile(const QString& sideFile, const QString& recording, const EditionPaths& paths,
                   Report& report) {
    const QString shown = paths.shownAbsolute(sideFile);
    QFile file(sideFile);
    if (QFileInfo(sideFile).size() > kMaxSideFileBytes || !file.open(QIODevice::ReadOnly)) {
        report.error(shown, 0, QStringLiteral("cannot be read, or larger than 4 MiB"));
        return;
    }
    const ReadingSegments parsed = parseReadingSegments(file.readAll());
    for (const auto& [line, problem] : parsed.problems) {
        report.error(shown, line, problem);
    }
    if (recording.isEmpty()) {
        return;
    }
    const auto outside = checkSegmentRanges(parsed.segments, QFileInfo(recording).size());
    for (const auto& [line, problem] : outside) {
        report.error(shown, line, problem);
    }
    if (!parsed.problems.empty() || !outside.empty()) {
        return;
    }
    for (const ReadingSegment& segment : parsed.segments) {
        const QString problem = soundProblem(recording, segment.startByte, segment.endByte);
        if (!problem.isEmpty()) {
            report.error(shown, segment.line,
                         QStringLiteral("bytes %1 to %2 of the recording: %3")
                             .arg(segment.startByte)
                             .arg(segment.endByte)
                             .arg(problem));
        }
    }
}

} // namespace

int checkRecordings(const std::vector<MediaRequest>& requests, const EditionPaths& paths,
                    const QSet<int>& books, Report& report) {
    Folders folders(paths);
    QSet<QString> seen;
    // A folder that is not there at all is one problem, not one per recording.
    QStringList missingFolders;
    QHash<QString, int> missingCounts;
    int checked = 0;
    for (const MediaRequest& request : requests) {
        if (!books.isEmpty() && !books.contains(request.bookNumber)) {
            continue;
        }
        const QString path = request.folder + u'/' + request.name;
        if (seen.contains(path)) {
            continue;
        }
        seen.insert(path);
        ++checked;
        const FolderIndex& folder = folders.folder(request.folder);
        const QString shownFolder = paths.shownAbsolute(folder.folder());
        if (!folder.exists()) {
            if (!missingCounts.contains(shownFolder)) {
                missingFolders << shownFolder;
            }
            ++missingCounts[shownFolder];
            continue;
        }
        const std::optional<QString> found = folder.find(request.name);
        const bool reading = request.folder.endsWith(QStringLiteral("/lessonread"));
        if (!found) {
            report.error(request.file, request.line,
                         QStringLiteral("recording %1/%2 for %3 is missing")
                             .arg(shownFolder, request.name, request.what));
        } else {
            if (*found != request.name) {
                report.warning(
                    request.file, request.line,
                    QStringLiteral("recording %1/%2 for %3 exists only as %4 (the letter case differs: is "
                                   "it another text's recording?)")
                        .arg(shownFolder, request.name, request.what, *found));
            }
            const QString problem = soundProblem(folder.folder() + u'/' + *found);
            if (!problem.isEmpty()) {
                report.error(request.file, request.line,
                             QStringLiteral("recording %1/%2 for %3 %4")
                                 .arg(shownFolder, *found, request.what, problem));
            }
        }
        if (reading) {
            QString side = request.name;
            side.replace(QStringLiteral(".mp3"), QStringLiteral(".txt"));
            if (const std::optional<QString> sideName = folder.find(side)) {
                checkSideFile(folder.folder() + u'/' + *sideName,
                              found ? folder.folder() + u'/' + *found : QString(), paths, report);
            }
        }
    }
    for (const QString& folder : missingFolders) {
        const int count = missingCounts.value(folder);
        report.error(folder, 0,
                     QStringLiteral("missing: the %1 recording%2 the lessons ask for in it %3 not there")
                         .arg(count)
                         .arg(count == 1 ? QString() : QStringLiteral("s"),
                              count == 1 ? QStringLiteral("is") : QStringLiteral("are")));
    }
    return checked;
}

} // namespace qinghe::lint
