#include "pinyin/pinyin_spelling.h"

#include <algorithm>

namespace qinghe::edition {

namespace {

// Syllables have at most six letters (zhuang, shuang); anything longer is not one.
constexpr qsizetype kLongestSyllable = 6;

struct MarkedVowel {
    char16_t marked;
    char16_t plain;
    int tone;
};

constexpr MarkedVowel kMarkedVowels[] = {
    {u'ā', u'a', 1}, {u'á', u'a', 2}, {u'ǎ', u'a', 3}, {u'à', u'a', 4}, {u'ō', u'o', 1}, {u'ó', u'o', 2},
    {u'ǒ', u'o', 3}, {u'ò', u'o', 4}, {u'ē', u'e', 1}, {u'é', u'e', 2}, {u'ě', u'e', 3}, {u'è', u'e', 4},
    {u'ī', u'i', 1}, {u'í', u'i', 2}, {u'ǐ', u'i', 3}, {u'ì', u'i', 4}, {u'ū', u'u', 1}, {u'ú', u'u', 2},
    {u'ǔ', u'u', 3}, {u'ù', u'u', 4}, {u'ǖ', u'ü', 1}, {u'ǘ', u'ü', 2}, {u'ǚ', u'ü', 3}, {u'ǜ', u'ü', 4},
};

const MarkedVowel* markedVowel(QChar c) {
    for (const MarkedVowel& vowel : kMarkedVowels) {
        if (c.unicode() == vowel.marked) {
            return &vowel;
        }
    }
    return nullptr;
}

bool isPlainLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || c == u'ü';
}

// The plain letters and the tone, or nullopt.
struct Plain {
    QString letters;
    int markAt = -1;
    int tone = 0;
};
std::optional<Plain> plainSyllable(const QString& syllable) {
    if (syllable.isEmpty() || syllable.size() > kLongestSyllable) {
        return std::nullopt;
    }
    Plain plain;
    for (qsizetype i = 0; i < syllable.size(); ++i) {
        const QChar c = syllable[i];
        if (const MarkedVowel* vowel = markedVowel(c)) {
            if (plain.markAt >= 0) {
                return std::nullopt; // one tone per syllable
            }
            plain.markAt = int(i);
            plain.tone = vowel->tone;
            plain.letters += QChar(vowel->plain);
        } else if (isPlainLetter(c)) {
            plain.letters += c;
        } else {
            return std::nullopt;
        }
    }
    // Every syllable has a vowel; a lone consonant is a letter, not a syllable.
    const bool voiced = std::any_of(plain.letters.cbegin(), plain.letters.cend(),
                                    [](QChar c) { return QStringView(u"aeiouü").contains(c); });
    return voiced ? std::optional<Plain>(plain) : std::nullopt;
}

} // namespace

std::optional<SyllableSpelling> spellSyllable(const QString& syllable) {
    const std::optional<Plain> plain = plainSyllable(syllable);
    if (!plain) {
        return std::nullopt;
    }
    SyllableSpelling spelling{plain->letters, plain->markAt, plain->tone};
    spelling.letters.replace(u'a', u'ɑ').replace(u'g', u'ɡ');
    if (spelling.markAt >= 0 && spelling.letters[spelling.markAt] == u'i') {
        spelling.letters[spelling.markAt] = u'ı'; // the mark takes the dot's place
    }
    return spelling;
}

std::optional<QString> withTone(const QString& syllable, int tone) {
    const std::optional<Plain> plain = plainSyllable(syllable);
    if (!plain || plain->markAt < 0 || tone < 1 || tone > 4) {
        return std::nullopt;
    }
    const QChar vowel = plain->letters[plain->markAt];
    for (const MarkedVowel& marked : kMarkedVowels) {
        if (marked.plain == vowel.unicode() && marked.tone == tone) {
            QString out = syllable;
            out[plain->markAt] = QChar(marked.marked);
            return out;
        }
    }
    return std::nullopt;
}

std::optional<QStringList> pinyinSyllables(const QString& pinyin) {
    const QStringList syllables = pinyin.split(u' ');
    for (const QString& syllable : syllables) {
        if (!plainSyllable(syllable)) {
            return std::nullopt;
        }
    }
    return syllables;
}

std::optional<QString> recordingStem(const QString& pinyin) {
    const std::optional<QStringList> syllables = pinyinSyllables(pinyin);
    if (!syllables) {
        return std::nullopt;
    }
    QString stem;
    for (const QString& syllable : *syllables) {
        const std::optional<Plain> plain = plainSyllable(syllable);
        stem +=
            QString(plain->letters).replace(u'ü', u'v') + QString::number(plain->tone == 0 ? 5 : plain->tone);
    }
    return stem;
}

} // namespace qinghe::edition
