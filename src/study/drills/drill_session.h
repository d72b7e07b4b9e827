#pragma once

#include "study/drills/choice_picker.h"

#include <QString>
#include <QStringList>

namespace qinghe {

class RandomSource;

// One run of a recognition drill over a lesson: which entry is asked, what the progress bar shows,
// and what comes after a right answer. A walk goes through the lesson once in list order with the
// bar counting questions; continuous mode asks random entries without end.
class DrillSession {
public:
    explicit DrillSession(RandomSource& random)
        : random_(random) {}

    // Entering the drill: the lesson's choice texts (one per entry) and the switch's state. A walk
    // starts at the first entry with the bar at 1; continuous mode at a random entry.
    void begin(const QStringList& texts, bool continuous);

    // Draws the choices for the current entry.
    const DrillChoices& draw();
    const DrillChoices& choices() const { return choices_; }
    // A caption is right when it is the stored right text of the question (a reading shared by
    // two entries is right whichever entry it came from).
    bool isRight(const QString& caption) const {
        return !choices_.captions.isEmpty() && caption == choices_.right;
    }

    enum class Advance { NextQuestion, WalkFinished };
    // After a right answer (the next-question timer): a fresh random sequence, then the next entry
    // of the walk with the bar one further, or a random entry in continuous mode. WalkFinished when
    // the walk has passed its last entry; the caller asks whether to start again.
    Advance advance(bool continuous);
    // "Start again" after a finished walk: the first entry, the bar at 1.
    void restartWalk();
    // The continuous switch was clicked. Turning it off starts the walk over (first entry, bar at
    // 1; the next-question tick then moves on to the second); turning it on changes nothing here.
    void switchContinuous(bool continuous);

    int index() const { return index_; }
    int count() const { return int(texts_.size()); }
    // The entry being asked exists (not so after a walk that ended without starting again).
    bool hasEntry() const { return index_ >= 0 && index_ < count(); }
    const QStringList& texts() const { return texts_; }
    // The progress bar: maximum = number of entries, position = number of the current question.
    int barPosition() const { return bar_; }
    int barMaximum() const { return count(); }

private:
    void setBar(int position);

    RandomSource& random_;
    QStringList texts_;
    int index_ = 0;
    int bar_ = 0;
    DrillChoices choices_;
};

} // namespace qinghe
