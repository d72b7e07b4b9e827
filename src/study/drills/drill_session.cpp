#include "study/drills/drill_session.h"

#include "base/random_source.h"

#include <algorithm>

namespace qinghe {

void DrillSession::begin(const QStringList& texts, bool continuous) {
    texts_ = texts;
    choices_ = {};
    if (continuous) {
        index_ = random_.below(count());
    } else {
        index_ = 0;
        setBar(1);
    }
}

const DrillChoices& DrillSession::draw() {
    choices_ = hasEntry() ? pickChoices(texts_, index_, random_) : DrillChoices{};
    return choices_;
}

DrillSession::Advance DrillSession::advance(bool continuous) {
    random_.reseed();
    if (continuous) {
        index_ = random_.below(count());
        return Advance::NextQuestion;
    }
    index_ = std::min(index_ + 1, count());
    setBar(bar_ + 1);
    return index_ >= count() ? Advance::WalkFinished : Advance::NextQuestion;
}

void DrillSession::restartWalk() {
    index_ = 0;
    setBar(1);
}

void DrillSession::switchContinuous(bool continuous) {
    if (!continuous) {
        restartWalk();
    }
}

// A progress bar holds its position within its range, as the bar on screen does.
void DrillSession::setBar(int position) {
    bar_ = std::clamp(position, 0, count());
}

} // namespace qinghe
