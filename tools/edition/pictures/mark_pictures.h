#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

namespace qinghe::edition {

// The marks a marked test paper shows beside an answer.
enum class Mark {
    Right,      // a choice or matching question answered right
    Wrong,      // ... answered wrong
    SmallRight, // a blank, judgement box or strike-word pair
    SmallWrong,
    SmallVerify, // a blank a person has to check (需核实)
    LargeVerify, // a composition a person has to check
};

struct MarkPicture {
    Mark mark;
    QString file; // relative to the program folder
    QSize size;
};

// The six pictures with their files and sizes.
QList<MarkPicture> markPictures();

// Draws a mark on a transparent picture of `size`, antialiased.
QImage drawMark(Mark mark, QSize size);

// PNG bytes that depend only on the pixels, so an unchanged picture is not written again.
QByteArray pngBytes(const QImage& image);

// The font family the large stamp's text is set in; empty when no installed font has its characters.
QString stampFontFamily();

} // namespace qinghe::edition
