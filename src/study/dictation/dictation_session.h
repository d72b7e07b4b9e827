#pragma once

#include "base/prompter.h"
#include "catalogue/lesson_lists.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qinghe {

// The three dictations, numbered as the kind buttons are.
enum class DictationKind { AllCharacters = 0, MustMaster = 1, Words = 2 };

// What one dictation reads: the entries it shows and counts, and the texts that name their
// recordings (index-aligned; for words both are the word list).
struct DictationLists {
    QStringList shown;
    QStringList recordings;
};
DictationLists dictationLists(DictationKind kind, const LessonLists& lists);

// What one step of the dictation does.
struct DictationStep {
    std::optional<QString> recording; // the text whose recording plays now; none past the end
    int repeatIndex = 0;              // the entry the repeat timer plays again
    std::optional<int> progress;      // progress bar position, set together with the status line
    QString status;
    bool finished = false; // the step after the last entry: stop the pace and show the answers
};

// The position in a running dictation. Each step reads the next entry; the step after the last one
// reads nothing and finishes, leaving the position at 0.
class DictationSession {
public:
    // Starts a kind from its first entry.
    void start(DictationKind kind, const LessonLists& lists, const QString& displayTitle);
    DictationStep step();

    // The recording text of an entry; none outside the list.
    std::optional<QString> recordingAt(int index) const;
    // The entry read last (the loudspeaker's "read again"); none before the first step and after
    // the finish.
    std::optional<QString> lastRead() const { return recordingAt(position_ - 1); }

    DictationKind kind() const { return kind_; }
    int position() const { return position_; }
    int count() const { return int(lists_.shown.size()); }
    const DictationLists& lists() const { return lists_; }

private:
    DictationKind kind_ = DictationKind::AllCharacters;
    DictationLists lists_;
    QString title_;
    int position_ = 0;
};

// "已经听写【read】词，共【count】词_______当前课程：" + title
QString dictationStatus(int read, int count, const QString& displayTitle);
// The message that closes a dictation of this kind.
Prompt dictationFinishedPrompt(DictationKind kind);

} // namespace qinghe
