#pragma once

#include "pinyin/pinyin_lessons.h"
#include "speech/speech_jobs.h"
#include "stages.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace qinghe::edition {

// The pinyin lessons window's folder: <entry>.swf, blank.swf and the recordings under sound/.
inline const QString kPinyinFolder = QStringLiteral("Data/Res/pinyin/");

// The generator reads the movie sources (pinyin_lesson.qml, blank.qml) from the source tree it was
// built from, as it does the study movies: a change needs no rebuild of the tool.
QString pinyinSourceDirectory();

// Where the recording of tone-marked pinyin goes, relative to the pinyin folder, as the movie names it
// in its "speak" command: "bō" → "sound/bo1.mp3". Empty when the pinyin is not valid.
QString pinyinRecording(const QString& pinyin);

// What the lesson movie shows of a lesson (its `lesson` object, described in docs/movies.md).
// nullopt with the reason when the lesson's readings, words or pictures do not fit together.
std::optional<QJsonObject> pinyinLessonData(const PinyinLesson& lesson, QString* error);

// The installed movie: a line naming its origin and licence, then the template with the lesson's data
// in place of the `({})` on its line marked "// @lesson". Empty with the reason on failure.
QByteArray pinyinLessonMovie(const PinyinLesson& lesson, const QByteArray& lessonTemplate, QString* error);

// The recordings the lessons speak: each one's letter, tones and words, every file once.
QList<SpeechJob> pinyinSpeechJobs(const QList<PinyinLesson>& lessons, const SpeechSettings& settings);

// Writes the movies of `lessons` and blank.swf (only what changed), then, when the options ask for
// audio, makes the recordings that are missing or out of date. False, with the reason in the report,
// when a source cannot be read, a lesson is broken, a file cannot be written or a recording fails.
bool makePinyinLessons(const QList<PinyinLesson>& lessons, const QString& sourceDirectory,
                       StageContext& context);

} // namespace qinghe::edition
