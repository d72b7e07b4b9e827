#include "keypoints/key_point_texts.h"

#include "base/base64_text.h"
#include "edition_layout.h"

#include <QStringList>

#include <pugixml.hpp>

#include <sstream>

namespace qinghe::edition {

namespace {

const QString kGap = QStringLiteral("　"); // ideographic space between items

QString heading(const QString& name) {
    return QStringLiteral("【") + name + QStringLiteral("】");
}

// "天 tiān　地 dì"
QString characterList(const QList<CharacterEntry>& chars, bool must) {
    QStringList items;
    for (const CharacterEntry& c : chars) {
        if (c.must == must) {
            items << c.zi + u' ' + c.py;
        }
    }
    return items.join(kGap);
}

int countCharacters(const QList<CharacterEntry>& chars, bool must) {
    int count = 0;
    for (const CharacterEntry& c : chars) {
        count += c.must == must ? 1 : 0;
    }
    return count;
}

QString wordList(const QList<Spoken>& words) {
    QStringList items;
    for (const Spoken& w : words) {
        items << w.zh;
    }
    return items.join(kGap);
}

// Characters with more than one reading a pupil meets: "长：cháng　zhǎng".
QStringList polyphones(const QList<CharacterEntry>& chars) {
    QStringList lines;
    for (const CharacterEntry& c : chars) {
        if (!c.py2.isEmpty()) {
            QStringList readings{c.py, c.py2};
            if (!c.py3.isEmpty()) {
                readings << c.py3;
            }
            lines << c.zi + QStringLiteral("：") + readings.join(kGap);
        }
    }
    return lines;
}

// "唐·李白" from "public domain: 唐·李白《静夜思》"; empty for our own texts.
QString classicalAuthor(const QString& source) {
    static const QString prefix = QStringLiteral("public domain:");
    if (!source.startsWith(prefix)) {
        return {};
    }
    const QString rest = source.mid(prefix.size()).trimmed();
    return rest.left(rest.indexOf(u'《')).trimmed();
}

QString chineseCount(int n) {
    return QString::number(n) + QStringLiteral("个");
}

void addPart(QStringList& lines, const QString& name, const QStringList& body) {
    if (body.isEmpty()) {
        return;
    }
    if (!lines.isEmpty()) {
        lines << QString();
    }
    lines << heading(name);
    lines << body;
}

QByteArray toBytes(const pugi::xml_document& doc) {
    std::ostringstream stream;
    doc.save(stream, "  ", pugi::format_indent, pugi::encoding_utf8);
    return QByteArray::fromStdString(stream.str());
}

// The document element's name is not read by the program; records are its children.
pugi::xml_node startDocument(pugi::xml_document& doc) {
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    return doc.append_child("keypoints");
}

void addRecord(pugi::xml_node root, const QString& key, const QString& text) {
    pugi::xml_node record = root.append_child(key.toLatin1().constData());
    record.append_attribute("LessonInfo") = base64EncodeText(text).toUtf8().constData();
}

} // namespace

QString lessonNote(const Lesson& lesson) {
    if (!lesson.keypoints.isEmpty()) {
        return lesson.keypoints;
    }
    const int must = countCharacters(lesson.chars, true);
    const int read = countCharacters(lesson.chars, false);
    QString note = QStringLiteral("本课学习《%1》。").arg(lesson.title);
    const QString author = classicalAuthor(lesson.source);
    if (!author.isEmpty()) {
        note += QStringLiteral("这是%1写的一首古诗，读的时候注意停顿和节奏。").arg(author);
    }
    if (must + read > 0) {
        note += QStringLiteral("要认识%1生字，其中会写%2、认读%3")
                    .arg(chineseCount(must + read), chineseCount(must), chineseCount(read));
        note += lesson.words.isEmpty()
                    ? QStringLiteral("。")
                    : QStringLiteral("，要写的词语有%1。").arg(chineseCount(int(lesson.words.size())));
    }
    note += author.isEmpty()
                ? QStringLiteral("请和孩子一起朗读课文，读准生字的字音，再用学到的词语说一句话。")
                : QStringLiteral("请和孩子一起读一读，试着背下来。");
    return note;
}

QString unitNote(const Unit& unit) {
    if (!unit.keypoints.isEmpty()) {
        return unit.keypoints;
    }
    int must = 0;
    int read = 0;
    int words = 0;
    for (const Lesson& lesson : unit.lessons) {
        must += countCharacters(lesson.chars, true);
        read += countCharacters(lesson.chars, false);
        words += int(lesson.words.size());
    }
    QString note = QStringLiteral("本单元共有%1课").arg(unit.lessons.size());
    if (must + read > 0) {
        note += QStringLiteral("，要认识%1生字，其中会写%2、认读%3")
                    .arg(chineseCount(must + read), chineseCount(must), chineseCount(read));
    }
    if (words > 0) {
        note += QStringLiteral("，要写的词语有%1").arg(chineseCount(words));
    }
    note +=
        QStringLiteral("。请和孩子一起把本单元的课文再读一遍，听写会写的字和要写的词语，写错的字多练几遍。");
    return note;
}

QString lessonKeyPointText(const Lesson& lesson, const QString& bookTitle, const QString& unitTitle,
                           int lessonNumber) {
    QStringList lines;
    QStringList about{QStringLiteral("《") + lesson.title + QStringLiteral("》")};
    const QString author = classicalAuthor(lesson.source);
    if (!author.isEmpty()) {
        about.first() += kGap + author;
    }
    about << bookTitle + kGap + unitTitle + kGap + QStringLiteral("第%1课").arg(lessonNumber);
    addPart(lines, QStringLiteral("课文"), about);
    const int must = countCharacters(lesson.chars, true);
    const int read = countCharacters(lesson.chars, false);
    if (must > 0) {
        addPart(lines, QStringLiteral("会写的字（%1）").arg(chineseCount(must)),
                {characterList(lesson.chars, true)});
    }
    if (read > 0) {
        addPart(lines, QStringLiteral("认读的字（%1）").arg(chineseCount(read)),
                {characterList(lesson.chars, false)});
    }
    addPart(lines, QStringLiteral("多音字"), polyphones(lesson.chars));
    if (!lesson.words.isEmpty()) {
        addPart(lines, QStringLiteral("要写的词语"), {wordList(lesson.words)});
    }
    addPart(lines, QStringLiteral("学习提示"), {lessonNote(lesson)});
    return lines.join(u'\n');
}

QString unitKeyPointText(const Unit& unit, const QString& bookTitle) {
    QStringList lines;
    QStringList lessons;
    QStringList mustLines;
    QStringList readLines;
    QStringList wordLines;
    int must = 0;
    int read = 0;
    for (qsizetype l = 0; l < unit.lessons.size(); ++l) {
        const Lesson& lesson = unit.lessons[l];
        const QString name = QStringLiteral("《") + lesson.title + QStringLiteral("》");
        lessons << QStringLiteral("%1. ").arg(l + 1) + name;
        const int lessonMust = countCharacters(lesson.chars, true);
        const int lessonRead = countCharacters(lesson.chars, false);
        if (lessonMust > 0) {
            mustLines << name + QStringLiteral("：") + characterList(lesson.chars, true);
        }
        if (lessonRead > 0) {
            readLines << name + QStringLiteral("：") + characterList(lesson.chars, false);
        }
        if (!lesson.words.isEmpty()) {
            wordLines << name + QStringLiteral("：") + wordList(lesson.words);
        }
        must += lessonMust;
        read += lessonRead;
    }
    addPart(lines, QStringLiteral("本单元课文"), QStringList{bookTitle + kGap + unit.title} + lessons);
    addPart(lines, QStringLiteral("会写的字（共%1）").arg(chineseCount(must)), mustLines);
    addPart(lines, QStringLiteral("认读的字（共%1）").arg(chineseCount(read)), readLines);
    addPart(lines, QStringLiteral("要写的词语"), wordLines);
    addPart(lines, QStringLiteral("单元要点"), {unitNote(unit)});
    return lines.join(u'\n');
}

QByteArray lessonKeyPointsDocument(const Book& book) {
    pugi::xml_document doc;
    const pugi::xml_node root = startDocument(doc);
    for (int u = 0; u < book.units.size(); ++u) {
        const Unit& unit = book.units[u];
        for (int l = 0; l < unit.lessons.size(); ++l) {
            addRecord(root, lessonKeyFor(u, l),
                      lessonKeyPointText(unit.lessons[l], book.title, unit.title, l + 1));
        }
    }
    return toBytes(doc);
}

QByteArray unitKeyPointsDocument(const Book& book) {
    pugi::xml_document doc;
    const pugi::xml_node root = startDocument(doc);
    for (int u = 0; u < book.units.size(); ++u) {
        addRecord(root, QStringLiteral("lesson") + QString::number(u + 1),
                  unitKeyPointText(book.units[u], book.title));
    }
    return toBytes(doc);
}

} // namespace qinghe::edition
