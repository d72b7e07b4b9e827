#pragma once

#include <QStringList>

namespace qinghe {

// The lists a selected lesson provides to every study mode, in document order. chars/pinyins and
// mustChars/mustPinyins are index-aligned pairs.
struct LessonLists {
    QStringList chars;
    QStringList pinyins;
    QStringList mustChars;
    QStringList mustPinyins;
    QStringList words;
};

} // namespace qinghe
