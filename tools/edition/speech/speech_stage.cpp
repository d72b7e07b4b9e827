#include "speech_jobs.h"
#include "speech_run.h"
#include "stages.h"

namespace qinghe::edition {

bool runSpeechStage(StageContext& context) {
    const SpeechSettings settings;
    const QList<SpeechJob> jobs = speechJobs(context.edition, context.options, settings);
    const SpeechRunResult result = runSpeechJobs(QStringLiteral("speech"), jobs, settings, context);
    context.report << speechReport(QStringLiteral("speech"), result, context.options.jobs);
    return result.failures.isEmpty();
}

} // namespace qinghe::edition
