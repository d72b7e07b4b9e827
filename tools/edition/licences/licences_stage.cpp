#include "licences/licence_files.h"
#include "stages.h"

namespace qinghe::edition {

bool runLicencesStage(StageContext& context) {
    const QList<LicenceEntry> entries = licenceEntries(context.options);
    const LicenceFolder folder = licenceFolder(entries);
    if (!folder.missing.isEmpty()) {
        context.report << QStringLiteral("licences: no licence text found for %1")
                              .arg(folder.missing.join(QStringLiteral(", ")));
    }
    if (!folder.complete) {
        context.report << QStringLiteral("licences: the edition cannot ship without the licences above (is "
                                         "hanzi-writer-data installed? run `npm ci` in tools/edition)");
        return false;
    }
    int written = 0;
    for (const auto& [relative, bytes] : folder.files) {
        bool changed = false;
        if (!context.out.writeIfChanged(relative, bytes, &changed)) {
            context.report << QStringLiteral("licences: cannot write %1").arg(context.out.path(relative));
            return false;
        }
        written += changed ? 1 : 0;
    }
    context.report
        << QStringLiteral("licences: %1 of %2 files written").arg(written).arg(folder.files.size());
    return true;
}

} // namespace qinghe::edition
