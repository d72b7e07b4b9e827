#pragma once

#include "content_model.h"
#include "edition_layout.h"
#include "speech_settings.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe::edition {

enum class SpeechKind {
    Phrase,  // one text spoken into one file
    Reading, // a lesson text: segments joined with pauses, plus the table of their ranges
    Tone,    // a short sound made by sox from nothing
};

// One file (or, for a reading, one file and its table) to make.
struct SpeechJob {
    SpeechKind kind = SpeechKind::Phrase;
    QString output;          // relative to the program folder
    QString table;           // readings: the segment table beside the MP3
    QList<Spoken> parts;     // a phrase: one; a reading: the segments in order
    int headingLines = 0;    // readings: the leading lines (title, author) followed by the long pause
    QStringList toneEffects; // tones: the sox effects after "-n"
    double tonePeak = 0;     // tones: peak level in dBFS
    QString recipe;          // what the output is made from (the tree's recipe key)
};

// The recordings of the books the options select: character readings and words under sound/, example
// sentences under lj/, lesson readings under lessonread/. Each file once, readings first (they take
// longest, so parallel workers finish together).
QList<SpeechJob> speechJobs(const Edition& edition, const Options& options, const SpeechSettings& settings);

// The recipe of a job from its kind, its texts and the settings.
QString speechRecipe(const SpeechJob& job, const SpeechSettings& settings);

} // namespace qinghe::edition
