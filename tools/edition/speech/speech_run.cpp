#include "speech_run.h"

#include "progress.h"
#include "speech_maker.h"
#include "speech_voice.h"
#include "worker_pool.h"

#include <QDir>
#include <QElapsedTimer>

#include <memory>

namespace qinghe::edition {

namespace {

const QString kWorkFolder = QStringLiteral("Data/.speech-work");

// Recipes are saved now and then, so an interrupted run keeps what it finished.
constexpr int kManifestEvery = 500;

bool upToDate(const SpeechJob& job, const OutputTree& out) {
    return out.isUpToDate(job.output, job.recipe) &&
           (job.table.isEmpty() || out.isUpToDate(job.table, job.recipe));
}

} // namespace

SpeechRunResult runSpeechJobs(const QString& stage, const QList<SpeechJob>& jobs,
                              const SpeechSettings& settings, StageContext& context) {
    QElapsedTimer clock;
    clock.start();
    SpeechRunResult result;
    QList<const SpeechJob*> pending;
    for (const SpeechJob& job : jobs) {
        if (upToDate(job, context.out)) {
            ++result.upToDate;
        } else {
            pending.append(&job);
        }
    }
    const QString work = context.out.path(kWorkFolder);
    QDir(work).removeRecursively(); // temporaries of an interrupted run
    if (pending.isEmpty()) {
        result.seconds = double(clock.elapsed()) / 1000.0;
        return result;
    }
    QDir().mkpath(work);

    const QString root = context.out.root();
    Progress progress(stage, pending.size());
    const auto startWorker = [&](QString* message) -> ItemWork {
        // Runs in the worker process: the voice and the maker live there until it exits.
        std::shared_ptr<SpeechVoice> voice = SpeechVoice::start(settings.voice, message);
        if (!voice) {
            return {};
        }
        auto maker = std::make_shared<SpeechMaker>(*voice, settings, root, work);
        return
            [voice, maker, &pending](int item, QString* error) { return maker->make(*pending[item], error); };
    };
    int sinceSave = 0;
    runInWorkers(int(pending.size()), context.options.jobs, startWorker, [&](const ItemResult& done) {
        progress.advance();
        const SpeechJob& job = *pending[done.item];
        if (!done.ok) {
            result.failures << job.output + QStringLiteral(": ") + done.message;
            return;
        }
        ++result.made;
        ++result.madeIn[job.output.section(u'/', -2, -2)];
        context.out.remember(job.output, job.recipe);
        if (!job.table.isEmpty()) {
            context.out.remember(job.table, job.recipe);
        }
        if (++sinceSave >= kManifestEvery) {
            context.out.saveManifest();
            sinceSave = 0;
        }
    });
    progress.finish();
    QDir(work).removeRecursively();
    result.failures.sort();
    result.seconds = double(clock.elapsed()) / 1000.0;
    return result;
}

QStringList speechReport(const QString& stage, const SpeechRunResult& result, int workers) {
    QStringList lines;
    if (result.made == 0 && result.failures.isEmpty()) {
        lines << QStringLiteral("%1: nothing to do, all %2 up to date (%3 s)")
                     .arg(stage)
                     .arg(result.upToDate)
                     .arg(result.seconds, 0, 'f', 1);
        return lines;
    }
    QStringList folders;
    for (auto it = result.madeIn.begin(); it != result.madeIn.end(); ++it) {
        folders << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    }
    lines << QStringLiteral("%1: %2 made (%3), %4 up to date, %5 failed, %6 workers, %7 s")
                 .arg(stage)
                 .arg(result.made)
                 .arg(folders.join(QStringLiteral(", ")))
                 .arg(result.upToDate)
                 .arg(result.failures.size())
                 .arg(workers)
                 .arg(result.seconds, 0, 'f', 1);
    constexpr int kShown = 10;
    for (int i = 0; i < result.failures.size() && i < kShown; ++i) {
        lines << QStringLiteral("  ") + result.failures[i];
    }
    if (result.failures.size() > kShown) {
        lines << QStringLiteral("  … and %1 more").arg(result.failures.size() - kShown);
    }
    return lines;
}

} // namespace qinghe::edition
