#pragma once

#include "content_model.h"
#include "edition_layout.h"
#include "output_tree.h"

#include <QStringList>

namespace qinghe::edition {

// What every stage of the generator works with. A stage makes only what is missing or out of date
// and adds one line per notable result to the report.
struct StageContext {
    const Edition& edition;
    const Options& options;
    OutputTree& out;
    QStringList& report;
};

// Each returns false when the edition cannot be used (the generator then exits with an error).
bool runDocumentsStage(StageContext& context);    // Set.ini, unit.xml, hanzi/ciyu documents
bool runKeyPointsStage(StageContext& context);    // book<N>.xml and book<N>_dyzs.xml key-point cards
bool runLicencesStage(StageContext& context);     // Data/LICENSES
bool runPicturesStage(StageContext& context);     // the six marking pictures under Data/
bool runStrokeMoviesStage(StageContext& context); // hzbs/<char>.swf (and hzbs/book<N>/ for one-book installs)
bool runStudyMoviesStage(
    StageContext& context); // Data/systxt: lesson movie, card, drill feedback, loudspeaker
bool runPinyinLessonsStage(StageContext& context);   // Data/Res/pinyin: lesson movies and their recordings
bool runInterfaceSoundsStage(StageContext& context); // Data/sndsoft
bool runSpeechStage(StageContext& context);          // sound/, lj/, lessonread/

} // namespace qinghe::edition
