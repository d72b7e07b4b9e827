#pragma once

#include <QString>
#include <QStringList>

namespace qinghe {

class RandomSource;

// The choices of one question: the right text and the captions of the buttons shown, button 1
// first. Four buttons, or two (rarely one, see below).
struct DrillChoices {
    QString right;
    QStringList captions;

    int rightCount() const { return int(captions.count(right)); }
};

// Draws the choices for entry `index` of a lesson whose choice texts (characters or readings, one
// per entry) are `texts`.
//
// Four or more entries with at least four different texts: the right text goes on a random one of
// four buttons, and the other three are drawn from the whole lesson, all three anew, until the four
// captions differ pairwise.
//
// Otherwise (two or three entries, or a lesson whose texts repeat so much that four different
// captions do not exist, such as a reading drill over characters sharing readings) two buttons:
// button 1 takes a random entry's text; if that is not the right text, button 2 takes the right
// one; if it is, button 2 takes a random earlier entry (the last entry when index is 0). Should
// that entry read the same as the right text, button 2 takes the next entry, cyclically, that reads
// differently, so one text never stands on two buttons; when every entry reads the same there is
// just one button.
DrillChoices pickChoices(const QStringList& texts, int index, RandomSource& random);

// How many different texts the list holds.
int distinctTexts(const QStringList& texts);

} // namespace qinghe
