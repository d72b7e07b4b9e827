#include "documents_stage.h"
#include "stages.h"

namespace qinghe::edition {

bool runDocumentsStage(StageContext& context) {
    const int written = writeDocuments(context.edition, context.options, context.out);
    context.report << QStringLiteral("documents: %1 files written, %2 books")
                          .arg(written)
                          .arg(placedBooks(context.edition, context.options).size());
    return true;
}

} // namespace qinghe::edition
