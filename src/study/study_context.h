#pragma once

#include "audio/audio_service.h"
#include "base/path_resolver.h"
#include "base/prompter.h"
#include "base/random_source.h"
#include "catalogue/run_state.h"
#include "study/lesson_records.h"

#include <QString>

namespace qinghe {

// What is selected in the table of contents.
enum class SelectedNode { None, Top, BookOrUnit, Lesson };

// What every study mode works with: the run-wide state (current lesson and its lists), the records,
// the seams, and the data paths the modes play from.
struct StudyContext {
    RunState& state;
    StudyRecords& records;
    AudioService& audio;
    Prompter& prompter;
    RandomSource& random;
    const PathResolver& paths;

    QString resolve(const QString& relative) const { return paths.resolve(relative); }
    // "DATA\<edition>\sound\<sound name of key>.mp3", resolved.
    QString soundFile(const QString& key) const;
    // "DATA\<edition>\lj\<sound name of the first word group>.mp3", resolved.
    QString sentenceFile(const QString& firstWordGroup) const;
    // "Data\sndsoft\<file>", resolved.
    QString interfaceSound(const QString& file) const;
    // Plays the recording of a text (a reading or a word) on the voice slot.
    void speak(const QString& key) const;
    // The trimmed first reading of a character of the current lesson (empty when the lookup fails).
    QString readingOf(const QString& character) const;
    // The current lesson's display title, or empty text.
    QString displayTitle() const { return state.lesson ? state.lesson->displayTitle : QString(); }
};

} // namespace qinghe
