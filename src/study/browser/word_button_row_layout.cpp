#include "study/browser/word_button_row_layout.h"

namespace qinghe {

namespace {

// Fixed positions of the narrow layout, by number of visible buttons.
const QList<QList<int>> kFixedLefts = {
    {263},
    {236, 306},
    {207, 277, 347},
    {180, 250, 320, 390},
    {151, 221, 291, 361, 431},
    {124, 194, 264, 334, 404, 474},
    {95, 165, 235, 305, 375, 445, 515},
    {82, 152, 222, 292, 362, 432, 502, 572},
};
const QList<int> kFixedLeftsWithArrows = {12, 68, 124, 180, 236, 292, 348, 404, 460, 516};

QStringList group(const QStringList& characters, qsizetype start, qsizetype size) {
    QStringList captions;
    for (qsizetype i = 0; i < 8; ++i) {
        captions << ((i < size && start + i < characters.size()) ? characters[start + i] : QString());
    }
    return captions;
}

bool isEntry(const QStringList& characters, qsizetype index, const QString& caption) {
    return index < characters.size() && characters[index] == caption;
}

} // namespace

ButtonRowLayout firstGroupLayout(int characterCount, int windowWidth, int rowWidth) {
    ButtonRowLayout layout;
    if (characterCount <= 0) {
        return layout;
    }
    layout.buttons = qMin(characterCount, 8);
    layout.arrows = characterCount >= 9;
    const int controls = layout.buttons + (layout.arrows ? 2 : 0);
    if (windowWidth > 768) {
        if (controls == 1) {
            layout.lefts = {(rowWidth - kWordButtonSize) / 2};
        } else {
            const int first = (rowWidth - controls * (kWordButtonSize + 20)) / 2;
            for (int i = 0; i < controls; ++i) {
                layout.lefts << first + i * (kWordButtonSize + 20);
            }
        }
    } else {
        layout.lefts = layout.arrows ? kFixedLeftsWithArrows : kFixedLefts[layout.buttons - 1];
    }
    return layout;
}

PagingResult pageForward(const QStringList& characters, const QString& firstCaption) {
    const qsizetype n = characters.size();
    PagingResult result;
    if (isEntry(characters, 32, firstCaption) || (isEntry(characters, 24, firstCaption) && n < 33) ||
        (isEntry(characters, 16, firstCaption) && n < 25) ||
        (isEntry(characters, 8, firstCaption) && n < 17)) {
        result.kind = PagingResult::Kind::AlreadyLast;
        return result;
    }
    for (const qsizetype start : {24, 16, 8, 0}) {
        if (isEntry(characters, start, firstCaption) && n > start + 8) {
            result.kind = PagingResult::Kind::Moved;
            result.captions = group(characters, start + 8, 8);
            return result;
        }
    }
    return result;
}

PagingResult pageBack(const QStringList& characters, const QString& firstCaption) {
    PagingResult result;
    if (isEntry(characters, 0, firstCaption)) {
        result.kind = PagingResult::Kind::AlreadyFirst;
        return result;
    }
    for (const qsizetype start : {8, 16, 24, 32}) {
        if (isEntry(characters, start, firstCaption)) {
            result.kind = PagingResult::Kind::Moved;
            result.captions = group(characters, start - 8, 8);
            return result;
        }
    }
    return result;
}

} // namespace qinghe
