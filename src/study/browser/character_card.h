#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace qinghe {

// One character as the card shows it, assembled from one lookup per attribute.
struct CharacterCard {
    QString character;
    QString reading;  // PinYin1: also the key of the character's recording
    QString reading2; // PinYin2
    QString reading3; // PinYin3
    QString words[3]; // word groups after the absent-second-group rule
    QString sentence;
    QString wordCount; // "1", "2" or "3"

    // The numbered list of readings ("① tiān ② ..."), or the one reading alone.
    QString allReadings() const;
};

// Looks up one attribute of the character (trimmed; empty when it fails).
using CharacterLookup = std::function<QString(const char* attribute)>;

CharacterCard makeCharacterCard(const QString& character, const CharacterLookup& lookup);

// The card movie's variables, in the order they are set.
QList<QPair<QString, QString>> cardVariables(const CharacterCard& card, int bookNumber,
                                             const QString& dataUrl);

// "DATA\<edition>\hzbs\<character>.swf", or in a one-book installation the book's own folder.
QString strokeMoviePath(const QString& edition, const QString& bookMode, int bookNumber,
                        const QString& character);

} // namespace qinghe
