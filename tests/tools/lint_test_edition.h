#pragma once

#include "support/qt_printers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace qinghe::lint::test {

// A small edition written into a temporary program folder: one book (a one-book installation,
// GBegin 1), two units, three lessons, five characters, with the Unihan readings, recordings and
// stroke-order movies it needs. Tests change the model or the written files to plant one fault.
struct TestCharacter {
    QString key; // element name
    QString zi;
    QString py1, py2, py3;
    QString zuci1, zuci2, zuci3;
    QString zaoju;
    QString must = QStringLiteral("1");
};

struct TestWord {
    QString key;
    QString zh;
};

class TestEdition {
public:
    TestEdition();

    QString root() const { return dir_.path() + u'/'; }
    QString path(const QString& relative) const { return root() + relative; }

    // The model written by write(); hanzi1.xml holds one record per line from line 3 on.
    QStringList units{QStringLiteral("识字"), QStringLiteral("汉语拼音")};
    std::vector<QStringList> lessons{{QStringLiteral("天地"), QStringLiteral("大小")},
                                     {QStringLiteral("一")}};
    std::vector<TestCharacter> characters;
    std::vector<TestWord> words;

    // Set.ini, unit.xml, hanzi1.xml, ciyu1.xml and a Unihan file for the characters above.
    void write() const;
    // Every recording and stroke-order movie the lessons ask for, each a working file.
    void writeMedia() const;
    QString unihanFile() const { return path(QStringLiteral("Unihan_Readings.txt")); }

    QByteArray read(const QString& relative) const;
    void put(const QString& relative, const QByteArray& bytes) const;
    // Replaces the first occurrence of `from` in a written file; fails the test when absent.
    void replace(const QString& relative, const QByteArray& from, const QByteArray& to) const;

    // Record line of characters[i] in hanzi1.xml.
    static int recordLine(int index) { return 3 + index; }

private:
    QTemporaryDir dir_;
};

// Base64 of UTF-8, unwrapped: what an editor writes.
QByteArray base64(const QString& text);

} // namespace qinghe::lint::test
