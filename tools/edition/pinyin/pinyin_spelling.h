#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qinghe::edition {

// A syllable as the pinyin lessons draw it: its letters in the textbook's forms (ɑ for a, ɡ for g,
// a dotless ı under a tone mark), and where the tone mark goes. Movies draw the mark themselves, so it
// sits right on ɑ and ı whatever the font does with combining marks.
struct SyllableSpelling {
    QString letters;
    int markAt = -1; // index into letters of the vowel under the mark; -1 for the neutral tone
    int tone = 0;    // 1 to 4; 0 neutral
    bool operator==(const SyllableSpelling&) const = default;
};

// One syllable of tone-marked pinyin ("bō", "lǜ", "zi"): lower-case letters a–z and ü with at least
// one vowel, at most one of them carrying a tone mark. nullopt for anything else (spaces, capitals, digits,
// two marks).
std::optional<SyllableSpelling> spellSyllable(const QString& syllable);

// The same syllable with another tone (1 to 4) on the same vowel: withTone("bō", 3) is "bǒ". nullopt
// when the syllable has no tone mark or is not a syllable.
std::optional<QString> withTone(const QString& syllable, int tone);

// The syllables of tone-marked pinyin separated by single spaces ("qì qiú"); nullopt when any is not a
// syllable or the spacing is not single.
std::optional<QStringList> pinyinSyllables(const QString& pinyin);

// The file name stem of a recording of tone-marked pinyin: each syllable in plain letters (ü as v)
// followed by its tone number, 5 for the neutral tone: "bō" → "bo1", "lǜ" → "lv4", "bāo zi" →
// "bao1zi5". ASCII only, so it is the same file on every system. nullopt when the pinyin is not
// valid (see pinyinSyllables).
std::optional<QString> recordingStem(const QString& pinyin);

} // namespace qinghe::edition
