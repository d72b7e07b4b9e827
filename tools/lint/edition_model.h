#pragma once

#include "catalogue/current_lesson.h"

#include <QString>

#include <array>
#include <vector>

namespace qinghe::lint {

// The table of contents as the linter sees it: the program's levels with the line of every node.
struct TreeLesson {
    int line = 0;
    QString caption;
    CurrentLesson lesson; // positions, two-digit forms, key and file names as the program makes them
};

struct TreeUnit {
    int line = 0;
    QString caption;
    std::vector<TreeLesson> lessons;
};

struct TreeBook {
    int line = 0;
    QString caption;
    int position = 0;      // 1-based among the top node's children: names hanzi<N>.xml
    QString characterFile; // hanzi<N>.xml as shown in messages
    QString wordFile;      // ciyu<N>.xml
    std::vector<TreeUnit> units;
};

struct EditionTree {
    QString file; // unit.xml as shown in messages
    bool loaded = false;
    std::vector<TreeBook> books;
};

// One record of a character document, every attribute decoded (undecodable values read as empty,
// the way the program reads them).
struct CharacterRecord {
    QString file; // as shown in messages
    int line = 0;
    int bookPosition = 0;
    QString key; // element name
    QString chinese;
    std::array<QString, 3> pinyin;
    std::array<QString, 3> words; // ZuCi1..3
    QString sentence;             // ZaoJu
    QString mustMaster;           // bx_shengzi
};

struct WordRecord {
    QString file;
    int line = 0;
    int bookPosition = 0;
    QString key;
    QString chinese;
};

// Length in characters (code points), as the program counts word groups.
qsizetype characterCount(const QString& text);

} // namespace qinghe::lint
