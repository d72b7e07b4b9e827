#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe::edition {

// What a sound of the pinyin lessons is, as the lesson names it for the child.
enum class PinyinKind {
    Initial,       // 声母
    SimpleFinal,   // 单韵母
    CompoundFinal, // 复韵母
    SpecialFinal,  // 特殊韵母 (er)
    FrontNasal,    // 前鼻韵母
    BackNasal,     // 后鼻韵母
    WholeSyllable, // 整体认读音节
};

QString pinyinKindName(PinyinKind kind);

// A word that shows the sound, with the picture drawn for it.
struct PinyinExample {
    QString zh;      // 铅笔
    QString py;      // tone-marked, one syllable per character: "qiān bǐ"
    int mark = 0;    // the syllable that holds the sound (coloured in the movie)
    QString picture; // a name in pinyinPictures()
};

// One entry of the pinyin lessons window and its movie.
struct PinyinLesson {
    QString entry; // as the window lists it, with ɑ (U+0251) and ɡ (U+0261); also the movie's name
    PinyinKind kind = PinyinKind::Initial;
    QString says;      // the syllable a teacher says for it, tone-marked: b → "bō"
    QStringList tones; // its four tone forms, first to fourth
    QList<PinyinExample> examples;
};

// The 63 entries in the window's order.
const QList<PinyinLesson>& pinyinLessons();

} // namespace qinghe::edition
