#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe::edition {

// Something the program speaks: the text and its tone-marked pinyin.
struct Spoken {
    QString zh;
    QString py;
};

struct CharacterEntry {
    QString zi;
    QString py; // the reading taught here; the key of the character's recording
    QString py2;
    QString py3;
    bool must = false;   // 会写 (written) rather than 认读 (recognised)
    QList<Spoken> words; // word groups, the first one keys the sentence recording
    Spoken sentence;
};

struct Lesson {
    QString title;
    QString source; // "original" or "public domain: 朝代·作者《题目》"
    QStringList focus;
    QList<Spoken> text; // [0] the title line, then (for classics) the author line, then the text
    QList<CharacterEntry> chars;
    QList<Spoken> words;
    QString keypoints; // the authored note of the lesson's key-point card, or empty
};

struct Unit {
    QString title;
    QList<Lesson> lessons;
    QString keypoints; // the authored note of the unit's key-point card, or empty
};

struct Book {
    int number = 0;
    QString title;
    QString file; // the source file, for messages
    QList<Unit> units;
};

struct Edition {
    QString title;
    QList<Book> books;

    const Book* book(int number) const;
};

// Places in the content for messages: "book03.json: units[2].lessons[1].chars[3]".
struct ContentProblem {
    QString file;
    QString where;
    QString message;
    QString toString() const;
};

} // namespace qinghe::edition
