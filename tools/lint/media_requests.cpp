#include "media_requests.h"

#include "audio/sound_name.h"
#include "content_check.h"
#include "report.h"

#include <QHash>
#include <QSet>

namespace qinghe::lint {

namespace {

const QString kPinyinUnit = QStringLiteral("汉语拼音");

} // namespace

std::vector<MediaRequest> recordingRequests(const std::vector<LessonContent>& lessons,
                                            const QString& editionFolder, const QString& catalogueFile) {
    std::vector<MediaRequest> requests;
    const QString sound = editionFolder + QStringLiteral("/sound");
    const QString sentences = editionFolder + QStringLiteral("/lj");
    const QString readings = editionFolder + QStringLiteral("/lessonread");
    const auto mp3 = [](const QString& text) { return soundName(text) + QStringLiteral(".mp3"); };
    for (const LessonContent& lesson : lessons) {
        const int number = lesson.lesson->lesson.bookNumber;
        const int position = lesson.book->position;
        for (const CharacterRecord* record : lesson.characters) {
            const auto request = [&](const QString& folder, const QString& name, const QString& what) {
                requests.push_back(
                    MediaRequest{folder, name, what, record->file, record->line, number, position});
            };
            if (!record->pinyin[0].isEmpty()) {
                request(sound, mp3(record->pinyin[0]),
                        QStringLiteral("PinYin1 «%1» of %2").arg(record->pinyin[0], record->chinese));
            }
            for (size_t i = 0; i < record->words.size(); ++i) {
                const QString& word = record->words[i];
                if (!word.isEmpty() && (i == 0 || characterCount(word) >= 2)) {
                    request(sound, mp3(word), QStringLiteral("ZuCi%1 «%2»").arg(i + 1).arg(word));
                }
            }
            if (!record->words[0].isEmpty()) {
                request(
                    sentences, mp3(record->words[0]),
                    QStringLiteral("the sentence of %1 (ZuCi1 «%2»)").arg(record->chinese, record->words[0]));
            }
        }
        for (const WordRecord* word : lesson.words) {
            if (!word->chinese.isEmpty()) {
                requests.push_back(MediaRequest{sound, mp3(word->chinese),
                                                QStringLiteral("the word «%1»").arg(word->chinese),
                                                word->file, word->line, number, position});
            }
        }
        const CurrentLesson& place = lesson.lesson->lesson;
        requests.push_back(MediaRequest{readings, place.bb + place.uu + place.ll + QStringLiteral(".mp3"),
                                        QStringLiteral("the reading of ") + describeLesson(lesson),
                                        catalogueFile, lesson.lesson->line, number, position});
    }
    return requests;
}

std::vector<MediaRequest> movieRequests(const std::vector<LessonContent>& lessons,
                                        const QString& editionFolder, bool singleBook) {
    std::vector<MediaRequest> requests;
    for (const LessonContent& lesson : lessons) {
        if (lesson.unit->caption == kPinyinUnit) {
            continue;
        }
        const int number = lesson.lesson->lesson.bookNumber;
        const QString folder = editionFolder + QStringLiteral("/hzbs") +
                               (singleBook ? QStringLiteral("/book%1").arg(number) : QString());
        for (const CharacterRecord* record : lesson.characters) {
            if (characterCount(record->chinese) == 1) {
                requests.push_back(MediaRequest{folder, record->chinese + QStringLiteral(".swf"),
                                                QStringLiteral("the stroke order of %1").arg(record->chinese),
                                                record->file, record->line, number, lesson.book->position});
            }
        }
    }
    return requests;
}

void checkCaseCollisions(const std::vector<MediaRequest>& requests, const QString& kind, Report& report) {
    QHash<QString, const MediaRequest*> byFoldedPath;
    QSet<QString> reported;
    for (const MediaRequest& request : requests) {
        const QString path = request.folder + u'/' + request.name;
        const QString folded = path.toCaseFolded();
        const MediaRequest* first = byFoldedPath.value(folded);
        if (first == nullptr) {
            byFoldedPath.insert(folded, &request);
            continue;
        }
        if (first->name == request.name || reported.contains(path)) {
            continue;
        }
        reported.insert(path);
        report.error(
            request.file, request.line,
            QStringLiteral("%1 %2 for %3 and %4 for %5 differ only in letter case: one file on Windows")
                .arg(kind, path, request.what, first->folder + u'/' + first->name, first->what));
    }
}

} // namespace qinghe::lint
