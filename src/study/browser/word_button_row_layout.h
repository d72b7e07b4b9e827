#pragma once

#include <QList>
#include <QStringList>

namespace qinghe {

// The row of character buttons under the card: up to eight buttons, and the two arrows when the
// lesson has more than eight characters.
struct ButtonRowLayout {
    int buttons = 0;     // buttons shown, 0..8
    bool arrows = false; // "上一组" and "下一组" shown
    // Left edges in showing order: the previous arrow, the buttons, the next arrow (when shown).
    QList<int> lefts;
};

constexpr int kWordButtonSize = 68;

// Layout of the first group for n characters. Wider windows centre the controls with a gap of 20;
// narrower ones use the fixed positions of the 768-pixel design.
ButtonRowLayout firstGroupLayout(int characterCount, int windowWidth, int rowWidth);

// Paging through the characters in groups of eight (groups start at 0, 8, 16, 24 and 32; the
// browser knows its group only by the caption of the first button).
struct PagingResult {
    enum class Kind { Nothing, Moved, AlreadyLast, AlreadyFirst };
    Kind kind = Kind::Nothing;
    QStringList captions; // the eight buttons after the move; an empty caption = hidden button
};
PagingResult pageForward(const QStringList& characters, const QString& firstCaption);
PagingResult pageBack(const QStringList& characters, const QString& firstCaption);

} // namespace qinghe
