#include "content_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace qinghe::edition {

const Book* Edition::book(int number) const {
    for (const Book& b : books) {
        if (b.number == number) {
            return &b;
        }
    }
    return nullptr;
}

QString ContentProblem::toString() const {
    return where.isEmpty() ? file + QStringLiteral(": ") + message
                           : file + QStringLiteral(": ") + where + QStringLiteral(": ") + message;
}

int hanCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (QChar::script(c) == QChar::Script_Han && QChar::isLetter(c)) {
            ++count;
        }
    }
    return count;
}

QStringList syllables(const QString& pinyin) {
    QStringList out;
    for (QString token : pinyin.split(u' ', Qt::SkipEmptyParts)) {
        QString letters;
        for (const QChar ch : token) {
            if (ch.isLetter()) {
                letters += ch;
            }
        }
        if (!letters.isEmpty()) {
            out << letters;
        }
    }
    return out;
}

namespace {

class Reader {
public:
    explicit Reader(ContentRead& out)
        : out_(out) {}

    void problem(const QString& where, const QString& message) {
        out_.problems.append({file_, where, message});
    }

    std::optional<QJsonObject> readJson(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            problem({}, QStringLiteral("cannot be read"));
            return std::nullopt;
        }
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            problem({}, QStringLiteral("not a JSON object (%1 at byte %2)")
                            .arg(error.errorString())
                            .arg(error.offset));
            return std::nullopt;
        }
        return doc.object();
    }

    Spoken spoken(const QJsonValue& value, const QString& where) {
        const QJsonObject o = value.toObject();
        Spoken s{o.value(QStringLiteral("zh")).toString(), o.value(QStringLiteral("py")).toString()};
        if (!value.isObject() || s.zh.isEmpty()) {
            problem(where, QStringLiteral("needs a text in \"zh\""));
            return s;
        }
        if (s.py.isEmpty()) {
            problem(where, QStringLiteral("\"%1\" has no pinyin").arg(s.zh));
        } else if (syllables(s.py).size() != hanCount(s.zh)) {
            problem(where, QStringLiteral("\"%1\" has %2 characters but \"%3\" has %4 syllables")
                               .arg(s.zh)
                               .arg(hanCount(s.zh))
                               .arg(s.py)
                               .arg(syllables(s.py).size()));
        }
        return s;
    }

    QList<Spoken> spokenList(const QJsonValue& value, const QString& where) {
        QList<Spoken> list;
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            list << spoken(array[i], where + QStringLiteral("[%1]").arg(i));
        }
        return list;
    }

    CharacterEntry character(const QJsonObject& o, const QString& where) {
        CharacterEntry c;
        c.zi = o.value(QStringLiteral("zi")).toString();
        c.py = o.value(QStringLiteral("py")).toString();
        c.py2 = o.value(QStringLiteral("py2")).toString();
        c.py3 = o.value(QStringLiteral("py3")).toString();
        c.must = o.value(QStringLiteral("must")).toBool();
        c.words = spokenList(o.value(QStringLiteral("words")), where + QStringLiteral(".words"));
        c.sentence = spoken(o.value(QStringLiteral("sentence")), where + QStringLiteral(".sentence"));
        if (hanCount(c.zi) != 1 || c.zi.size() > 2) {
            problem(where, QStringLiteral("\"zi\" must be one character, not \"%1\"").arg(c.zi));
        }
        if (syllables(c.py).size() != 1) {
            problem(where, QStringLiteral("\"%1\" needs one reading in \"py\"").arg(c.zi));
        }
        if (c.words.isEmpty() || c.words.size() > 3) {
            problem(where, QStringLiteral("\"%1\" needs one to three word groups").arg(c.zi));
        }
        for (const Spoken& w : c.words) {
            if (hanCount(w.zh) < 2 || !w.zh.contains(c.zi)) {
                problem(where, QStringLiteral(
                                   "word group \"%1\" must have two or more characters and contain \"%2\"")
                                   .arg(w.zh, c.zi));
            }
        }
        if (!c.sentence.zh.contains(c.zi)) {
            problem(where, QStringLiteral("the sentence of \"%1\" does not contain it").arg(c.zi));
        }
        return c;
    }

    // The optional authored note of a key-point card.
    QString keypoints(const QJsonObject& o, const QString& where) {
        const QJsonValue value = o.value(QStringLiteral("keypoints"));
        if (!value.isUndefined() && !value.isNull() && !value.isString()) {
            problem(where, QStringLiteral("\"keypoints\" must be a text"));
        }
        return value.toString().trimmed();
    }

    Book book(const QString& path, int expectedNumber) {
        Book b;
        file_ = QFileInfo(path).fileName();
        b.file = file_;
        const auto json = readJson(path);
        if (!json) {
            return b;
        }
        b.number = json->value(QStringLiteral("book")).toInt();
        b.title = json->value(QStringLiteral("title")).toString();
        if (b.number != expectedNumber) {
            problem({}, QStringLiteral("\"book\" is %1, expected %2").arg(b.number).arg(expectedNumber));
        }
        const QJsonArray units = json->value(QStringLiteral("units")).toArray();
        if (units.isEmpty() || units.size() > 8) {
            problem({}, QStringLiteral("a book has one to eight units, this one %1").arg(units.size()));
        }
        for (qsizetype u = 0; u < units.size() && u < 8; ++u) {
            const QJsonObject uo = units[u].toObject();
            Unit unit;
            unit.title = uo.value(QStringLiteral("title")).toString();
            unit.keypoints = keypoints(uo, QStringLiteral("units[%1]").arg(u));
            const QJsonArray lessons = uo.value(QStringLiteral("lessons")).toArray();
            if (lessons.isEmpty() || lessons.size() > 99) {
                problem(QStringLiteral("units[%1]").arg(u), QStringLiteral("a unit has 1 to 99 lessons"));
            }
            for (qsizetype l = 0; l < lessons.size() && l < 99; ++l) {
                const QString where = QStringLiteral("units[%1].lessons[%2]").arg(u).arg(l);
                const QJsonObject lo = lessons[l].toObject();
                Lesson lesson;
                lesson.title = lo.value(QStringLiteral("title")).toString();
                lesson.source = lo.value(QStringLiteral("source")).toString();
                lesson.keypoints = keypoints(lo, where);
                for (const QJsonValue& f : lo.value(QStringLiteral("focus")).toArray()) {
                    lesson.focus << f.toString();
                }
                lesson.text = spokenList(lo.value(QStringLiteral("text")), where + QStringLiteral(".text"));
                lesson.words =
                    spokenList(lo.value(QStringLiteral("words")), where + QStringLiteral(".words"));
                const QJsonArray chars = lo.value(QStringLiteral("chars")).toArray();
                for (qsizetype c = 0; c < chars.size(); ++c) {
                    lesson.chars << character(chars[c].toObject(),
                                              where + QStringLiteral(".chars[%1]").arg(c));
                }
                if (lesson.title.isEmpty()) {
                    problem(where, QStringLiteral("has no title"));
                }
                if (lesson.text.isEmpty()) {
                    problem(where, QStringLiteral("has no text"));
                }
                unit.lessons << lesson;
            }
            b.units << unit;
        }
        return b;
    }

    // Rules that span books: what keys the recordings must never collide.
    void crossChecks(const Edition& edition) {
        QHash<QString, QString> wordReading; // text -> pinyin
        QHash<QString, QString> firstWord;   // ZuCi1 -> character
        QHash<QString, QString> introduced;  // character -> where
        const auto reading = [&](const Spoken& s, const QString& where) {
            const QString py = syllables(s.py).join(u' ');
            const auto it = wordReading.constFind(s.zh);
            if (it == wordReading.cend()) {
                wordReading.insert(s.zh, py);
            } else if (*it != py) {
                problem(where,
                        QStringLiteral("\"%1\" is read \"%2\" here but \"%3\" elsewhere").arg(s.zh, py, *it));
            }
        };
        for (const Book& b : edition.books) {
            file_ = b.file;
            for (qsizetype u = 0; u < b.units.size(); ++u) {
                for (qsizetype l = 0; l < b.units[u].lessons.size(); ++l) {
                    const Lesson& lesson = b.units[u].lessons[l];
                    const QString where = QStringLiteral("units[%1].lessons[%2]").arg(u).arg(l);
                    for (const Spoken& w : lesson.words) {
                        reading(w, where + QStringLiteral(".words"));
                    }
                    for (const CharacterEntry& c : lesson.chars) {
                        for (const Spoken& w : c.words) {
                            reading(w, where + QStringLiteral(" \"%1\"").arg(c.zi));
                        }
                        if (!c.words.isEmpty()) {
                            const QString key = c.words.front().zh;
                            if (firstWord.contains(key)) {
                                problem(where,
                                        QStringLiteral(
                                            "first word group \"%1\" of \"%2\" is also the first of \"%3\"")
                                            .arg(key, c.zi, firstWord.value(key)));
                            }
                            firstWord.insert(key, c.zi);
                        }
                        const QString place = QStringLiteral("%1 %2").arg(b.file, where);
                        if (introduced.contains(c.zi)) {
                            problem(where, QStringLiteral("\"%1\" was already introduced in %2")
                                               .arg(c.zi, introduced.value(c.zi)));
                        } else {
                            introduced.insert(c.zi, place);
                        }
                    }
                }
            }
        }
    }

private:
    ContentRead& out_;
    QString file_;
};

} // namespace

ContentRead readContent(const QString& contentDirectory) {
    ContentRead out;
    Reader reader(out);
    const QDir dir(contentDirectory);
    QFile index(dir.filePath(QStringLiteral("edition.json")));
    if (!index.open(QIODevice::ReadOnly)) {
        out.problems.append({QStringLiteral("edition.json"), {}, QStringLiteral("cannot be read")});
        return out;
    }
    const QJsonObject top = QJsonDocument::fromJson(index.readAll()).object();
    out.edition.title = top.value(QStringLiteral("title")).toString();
    const QJsonArray files = top.value(QStringLiteral("books")).toArray();
    if (out.edition.title.isEmpty() || files.isEmpty() || files.size() > 12) {
        out.problems.append(
            {QStringLiteral("edition.json"), {}, QStringLiteral("needs a title and one to twelve books")});
    }
    // Books are written in order; the edition holds books 1..k (a book's position names its files).
    int firstMissing = 0;
    for (qsizetype i = 0; i < files.size() && i < 12; ++i) {
        const QString path = dir.filePath(files[i].toString());
        if (!QFileInfo::exists(path)) {
            firstMissing = firstMissing == 0 ? int(i) + 1 : firstMissing;
            continue;
        }
        if (firstMissing != 0) {
            out.problems.append({QFileInfo(path).fileName(),
                                 {},
                                 QStringLiteral("book %1 is missing before it").arg(firstMissing)});
            continue;
        }
        out.edition.books << reader.book(path, int(i) + 1);
    }
    reader.crossChecks(out.edition);
    return out;
}

} // namespace qinghe::edition
