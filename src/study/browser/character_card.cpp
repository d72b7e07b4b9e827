#include "study/browser/character_card.h"

namespace qinghe {

QString CharacterCard::allReadings() const {
    QString second = reading2;
    QString third = reading3;
    if (second.isEmpty()) {
        second = third;
        third.clear();
    }
    if (second.isEmpty()) {
        return reading;
    }
    QString text = QStringLiteral("① ") + reading + QStringLiteral(" ② ") + second;
    if (!third.isEmpty()) {
        text += QStringLiteral(" ③ ") + third;
    }
    return text;
}

CharacterCard makeCharacterCard(const QString& character, const CharacterLookup& lookup) {
    CharacterCard card;
    card.character = character;
    card.reading = lookup("PinYin1");
    card.words[0] = lookup("ZuCi1");
    card.words[1] = lookup("ZuCi2");
    card.words[2] = lookup("ZuCi3");
    // A word group of fewer than two characters counts as absent; a third group moves up into an
    // empty second place.
    card.wordCount = QStringLiteral("1");
    if (card.words[1].size() >= 2) {
        card.wordCount = card.words[2].size() >= 2 ? QStringLiteral("3") : QStringLiteral("2");
    } else if (card.words[2].size() >= 2) {
        card.wordCount = QStringLiteral("2");
        card.words[1] = card.words[2];
        card.words[2].clear();
    }
    card.reading3 = lookup("PinYin3");
    card.reading2 = lookup("PinYin2");
    card.sentence = lookup("ZaoJu");
    return card;
}

QList<QPair<QString, QString>> cardVariables(const CharacterCard& card, int bookNumber,
                                             const QString& dataUrl) {
    return {
        {QStringLiteral("str_ziimg"), card.wordCount},
        {QStringLiteral("txt_pinyin"), card.reading},
        {QStringLiteral("txt_pinyinall"), card.allReadings()},
        {QStringLiteral("txt_zi"), card.character},
        {QStringLiteral("txt_book"), QString::number(bookNumber)},
        {QStringLiteral("txt_zuci1"), card.words[0]},
        {QStringLiteral("txt_zuci2"), card.words[1]},
        {QStringLiteral("txt_zuci3"), card.words[2]},
        {QStringLiteral("txt_juzi"), card.sentence},
        {QStringLiteral("str_path"), dataUrl},
    };
}

QString strokeMoviePath(const QString& edition, const QString& bookMode, int bookNumber,
                        const QString& character) {
    const QString folder = QStringLiteral("DATA\\") + edition + QStringLiteral("\\hzbs\\");
    if (bookMode != u"0") {
        return folder + QStringLiteral("book") + QString::number(bookNumber) + u'\\' + character +
               QStringLiteral(".swf");
    }
    return folder + character + QStringLiteral(".swf");
}

} // namespace qinghe
