#include "handwriting/character_set.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace qinghe::handwriting {

namespace {

void addUnique(QStringList& list, QSet<QString>& seen, const QString& character) {
    if (!character.isEmpty() && !seen.contains(character)) {
        seen.insert(character);
        list.append(character);
    }
}

} // namespace

QStringList editionCharacters(const QString& contentDirectory, QString* error) {
    QStringList characters;
    QSet<QString> seen;
    const QDir books(contentDirectory + QStringLiteral("/books"));
    const QStringList files = books.entryList({QStringLiteral("book*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QFile file(books.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QJsonObject book = QJsonDocument::fromJson(file.readAll()).object();
        for (const QJsonValue& unit : book.value(QStringLiteral("units")).toArray()) {
            for (const QJsonValue& lesson : unit.toObject().value(QStringLiteral("lessons")).toArray()) {
                for (const QJsonValue& entry : lesson.toObject().value(QStringLiteral("chars")).toArray()) {
                    addUnique(characters, seen, entry.toObject().value(QStringLiteral("zi")).toString());
                }
            }
        }
    }
    if (characters.isEmpty() && error != nullptr) {
        *error = QStringLiteral("no characters in %1/books").arg(contentDirectory);
    }
    return characters;
}

QStringList commonCharacters(const QString& rankedTable, QString* error) {
    QStringList characters;
    QSet<QString> seen;
    QFile file(rankedTable);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error != nullptr) {
            *error = QStringLiteral("cannot read %1").arg(rankedTable);
        }
        return characters;
    }
    // rank, char, freq, freq_rank, tgh, tgh_level, ...
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QStringList fields = line.split(u'\t');
        if (fields.size() > 5 && fields[5] == u"1") {
            addUnique(characters, seen, fields[1]);
        }
    }
    if (characters.isEmpty() && error != nullptr) {
        *error = QStringLiteral("no level-1 characters in %1").arg(rankedTable);
    }
    return characters;
}

QStringList unionInOrder(const QStringList& first, const QStringList& second) {
    QStringList all;
    QSet<QString> seen;
    for (const QString& c : first) {
        addUnique(all, seen, c);
    }
    for (const QString& c : second) {
        addUnique(all, seen, c);
    }
    return all;
}

} // namespace qinghe::handwriting
