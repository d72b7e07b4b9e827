#include "speech_jobs.h"

#include "audio/sound_name.h"
#include "output_tree.h"

#include <QSet>

namespace qinghe::edition {

namespace {

const QString kPublicDomain = QStringLiteral("public domain:");

class JobList {
public:
    JobList(const SpeechSettings& settings, QSet<QString>& seen)
        : settings_(settings)
        , seen_(seen) {}

    void phrase(const QString& folder, const QString& key, const Spoken& spoken) {
        if (key.isEmpty() || spoken.py.trimmed().isEmpty()) {
            return;
        }
        SpeechJob job;
        job.output = kEditionFolder + folder + soundName(key) + QStringLiteral(".mp3");
        job.parts = {spoken};
        add(std::move(job));
    }

    void reading(const QString& stem, const Lesson& lesson) {
        if (lesson.text.isEmpty()) {
            return;
        }
        SpeechJob job;
        job.kind = SpeechKind::Reading;
        job.output = kEditionFolder + QStringLiteral("lessonread/") + stem + QStringLiteral(".mp3");
        job.table = kEditionFolder + QStringLiteral("lessonread/") + stem + QStringLiteral(".txt");
        job.parts = lesson.text;
        job.headingLines = lesson.source.startsWith(kPublicDomain) && lesson.text.size() > 2 ? 2 : 1;
        add(std::move(job));
    }

    QList<SpeechJob> take() { return std::move(jobs_); }

private:
    void add(SpeechJob job) {
        if (seen_.contains(job.output)) {
            return; // a reading or word met again: one recording serves every place
        }
        seen_.insert(job.output);
        job.recipe = speechRecipe(job, settings_);
        jobs_.append(std::move(job));
    }

    const SpeechSettings& settings_;
    QSet<QString>& seen_; // shared: characters and words share a folder
    QList<SpeechJob> jobs_;
};

} // namespace

QList<SpeechJob> speechJobs(const Edition& edition, const Options& options, const SpeechSettings& settings) {
    QSet<QString> seen;
    JobList readings(settings, seen);
    JobList characters(settings, seen);
    JobList words(settings, seen);
    JobList sentences(settings, seen);
    const QString sound = QStringLiteral("sound/");
    for (const PlacedBook& placed : placedBooks(edition, options)) {
        if (!options.wantsBook(placed.book->number)) {
            continue;
        }
        for (int u = 0; u < placed.book->units.size(); ++u) {
            const Unit& unit = placed.book->units[u];
            for (int l = 0; l < unit.lessons.size(); ++l) {
                const Lesson& lesson = unit.lessons[l];
                readings.reading(lessonFileStem(placed.position, u + 1, l + 1), lesson);
                for (const CharacterEntry& c : lesson.chars) {
                    // Characters that share a reading share its recording, so the reading alone is its text.
                    characters.phrase(sound, c.py, {c.py, c.py});
                    for (const Spoken& word : c.words) {
                        words.phrase(sound, word.zh, word);
                    }
                    if (!c.words.isEmpty()) {
                        sentences.phrase(QStringLiteral("lj/"), c.words.first().zh, c.sentence);
                    }
                }
                for (const Spoken& word : lesson.words) {
                    words.phrase(sound, word.zh, word);
                }
            }
        }
    }
    return readings.take() + characters.take() + words.take() + sentences.take();
}

QString speechRecipe(const SpeechJob& job, const SpeechSettings& settings) {
    QStringList parts{QString::number(int(job.kind)), settings.signature(), QString::number(job.headingLines),
                      job.toneEffects.join(u' '), QString::number(job.tonePeak)};
    for (const Spoken& spoken : job.parts) {
        parts << spoken.zh << spoken.py;
    }
    return recipeKey(parts);
}

} // namespace qinghe::edition
