#pragma once

#include "speech_jobs.h"
#include "stages.h"

#include <QMap>

namespace qinghe::edition {

// What one run of speech jobs did.
struct SpeechRunResult {
    int made = 0;
    QMap<QString, int> madeIn; // by output folder (sound, lj, lessonread, sndsoft)
    int upToDate = 0;
    QStringList failures; // one line per job that could not be made
    double seconds = 0;
};

// Makes the jobs whose outputs are missing or were made from another recipe, in context.options.jobs
// worker processes, with a progress bar; remembers the recipe of everything made. The work folder
// Data/.speech-work is emptied before and removed after.
SpeechRunResult runSpeechJobs(const QString& stage, const QList<SpeechJob>& jobs,
                              const SpeechSettings& settings, StageContext& context);

// One report line: "speech: 120 made, 3 up to date, 2 workers, 4.1 s" and the first failures.
QStringList speechReport(const QString& stage, const SpeechRunResult& result, int workers);

} // namespace qinghe::edition
