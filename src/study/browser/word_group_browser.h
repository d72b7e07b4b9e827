#pragma once

#include "study/browser/character_card.h"
#include "study/browser/stroke_box.h"
#include "study/study_context.h"

#include <QObject>

#include <functional>

namespace qinghe {

class MovieHost;
class WordButtonRow;

// Character study: the card movie, the stroke-order movie over it and the row of character buttons.
// Pressing a button shows that character's card, plays its stroke order and speaks its reading.
class WordGroupBrowser : public QObject {
    Q_OBJECT
public:
    WordGroupBrowser(StudyContext& context, MovieHost& card, MovieHost& stroke, WordButtonRow& row,
                     std::function<int()> windowWidth, QObject* parent = nullptr);

    // Loads the card movie, shows the row, lays out the first group and shows its first character.
    void enter();
    // The first group's buttons (also after a resize of the study panel).
    void layoutFirstGroup();
    // Shows a character as if its button had been pressed.
    void showCharacter(const QString& caption);
    void nextGroup();
    void previousGroup();
    void placeStrokeMovie(StrokeBoxDesign design);

    // Commands of the card movie.
    void speakCharacter() const;
    void speakWordGroup(int index) const; // 0..2
    void speakSentence() const;

    const QString& currentCharacter() const { return character_; }
    const QString& currentReading() const { return reading_; }
    const CharacterCard& card() const { return card_; }

private:
    void onCharacterPressed(int index);

    StudyContext& context_;
    MovieHost& card_host_;
    MovieHost& stroke_;
    WordButtonRow& row_;
    std::function<int()> windowWidth_;
    QString character_;
    QString reading_;
    CharacterCard card_;
};

} // namespace qinghe
