#include "content_check.h"

#include "audio/sound_name.h"
#include "reading_rules.h"
#include "report.h"

#include <QHash>

namespace qinghe::lint {

namespace {

QString where(const CharacterRecord& record) {
    return record.file + u':' + QString::number(record.line);
}

} // namespace

QString describeLesson(const LessonContent& lesson) {
    return QStringLiteral("lesson «%1» (%2 of book «%3»)")
        .arg(lesson.lesson->caption, lesson.lesson->lesson.lessonKey, lesson.book->caption);
}

void checkCharacterRecord(const CharacterRecord& record, const ReadingRules* readings, Report& report) {
    const auto error = [&](const QString& message) { report.error(record.file, record.line, message); };
    const auto warning = [&](const QString& message) { report.warning(record.file, record.line, message); };
    const QString& zi = record.chinese;
    if (zi.isEmpty()) {
        error(QStringLiteral("Chinese is empty"));
    } else if (characterCount(zi) != 1) {
        error(QStringLiteral("Chinese «%1» is not one character").arg(zi));
    }
    if (record.mustMaster != u"0" && record.mustMaster != u"1") {
        error(QStringLiteral("bx_shengzi «%1» is neither 0 nor 1").arg(record.mustMaster));
    }

    if (record.pinyin[0].isEmpty()) {
        error(QStringLiteral("PinYin1 is empty: the character has no reading and no recording"));
    }
    if (!record.pinyin[2].isEmpty() && record.pinyin[1].isEmpty()) {
        warning(QStringLiteral("PinYin3 is given without PinYin2"));
    }
    if (readings != nullptr && characterCount(zi) == 1) {
        for (size_t i = 0; i < record.pinyin.size(); ++i) {
            const QString& reading = record.pinyin[i];
            if (!reading.isEmpty() && !readings->accepts(zi, reading)) {
                const QStringList known = readings->known(zi);
                error(
                    QStringLiteral("PinYin%1 «%2» is not a reading Unihan knows for %3 (%4); list it in the "
                                   "overrides with a reason if it is right")
                        .arg(i + 1)
                        .arg(reading, zi,
                             known.isEmpty() ? QStringLiteral("it knows none")
                                             : known.join(QStringLiteral(" "))));
            }
        }
    }

    if (record.words[0].isEmpty()) {
        error(QStringLiteral("ZuCi1 is empty: the card always shows the first word group, and the sentence "
                             "recording is keyed by it"));
    }
    for (size_t i = 0; i < record.words.size(); ++i) {
        const QString& word = record.words[i];
        if (word.isEmpty()) {
            continue;
        }
        if (!zi.isEmpty() && !word.contains(zi)) {
            error(QStringLiteral("ZuCi%1 «%2» does not contain %3").arg(i + 1).arg(word, zi));
        }
        if (characterCount(word) < 2) {
            warning(i == 0 ? QStringLiteral("ZuCi1 «%1» has fewer than two characters").arg(word)
                           : QStringLiteral("ZuCi%1 «%2» has fewer than two characters and counts as absent")
                                 .arg(i + 1)
                                 .arg(word));
        }
    }
    if (record.sentence.trimmed().isEmpty()) {
        error(QStringLiteral("ZaoJu is empty: the character has no example sentence"));
    } else if (!zi.isEmpty() && !record.sentence.contains(zi)) {
        error(QStringLiteral("ZaoJu «%1» does not contain %2").arg(record.sentence, zi));
    }
}

void checkWordRecord(const WordRecord& record, Report& report) {
    if (record.chinese.trimmed().isEmpty()) {
        report.error(record.file, record.line, QStringLiteral("Chinese is empty: the word has no text"));
    }
}

void checkLessons(const std::vector<LessonContent>& lessons, const QString& catalogueFile,
                  const QString& editionFolder, Report& report) {
    QHash<QString, const CharacterRecord*> introduced;   // character -> first record
    QHash<QString, const LessonContent*> introducedIn;   // character -> its lesson
    QHash<QString, const CharacterRecord*> sentenceKeys; // sound name of ZuCi1 -> first record
    for (const LessonContent& lesson : lessons) {
        if (lesson.characters.empty()) {
            report.error(catalogueFile, lesson.lesson->line,
                         QStringLiteral("%1 has no character records in %2")
                             .arg(describeLesson(lesson), lesson.book->characterFile));
            continue;
        }
        bool anyMust = false;
        QHash<QString, const CharacterRecord*> inLesson;
        for (const CharacterRecord* record : lesson.characters) {
            anyMust = anyMust || record->mustMaster == u"1";
            if (record->chinese.isEmpty()) {
                continue;
            }
            if (const CharacterRecord* first = inLesson.value(record->chinese)) {
                report.error(record->file, record->line,
                             QStringLiteral("«%1» comes twice in %2 (first on line %3)")
                                 .arg(record->chinese, lesson.lesson->lesson.lessonKey)
                                 .arg(first->line));
                continue;
            }
            inLesson.insert(record->chinese, record);
            if (const CharacterRecord* first = introduced.value(record->chinese)) {
                report.error(record->file, record->line,
                             QStringLiteral("«%1» is introduced again; %2 introduced it first (%3)")
                                 .arg(record->chinese, describeLesson(*introducedIn.value(record->chinese)),
                                      where(*first)));
            } else {
                introduced.insert(record->chinese, record);
                introducedIn.insert(record->chinese, &lesson);
            }
            if (record->words[0].isEmpty()) {
                continue;
            }
            const QString key = soundName(record->words[0]);
            const CharacterRecord* other = sentenceKeys.value(key);
            if (other == nullptr) {
                sentenceKeys.insert(key, record);
            } else if (other->sentence != record->sentence) {
                report.error(
                    record->file, record->line,
                    QStringLiteral("ZuCi1 «%1» is also the first word group of «%2» (%3) with another "
                                   "sentence: the one recording %4/lj/%5.mp3 cannot speak both")
                        .arg(record->words[0], other->chinese, where(*other), editionFolder, key));
            }
        }
        if (!anyMust) {
            report.warning(
                catalogueFile, lesson.lesson->line,
                QStringLiteral("%1 has no must-master character (bx_shengzi 1)").arg(describeLesson(lesson)));
        }
        if (lesson.words.empty()) {
            report.warning(catalogueFile, lesson.lesson->line,
                           QStringLiteral("%1 has no word records in %2")
                               .arg(describeLesson(lesson), lesson.book->wordFile));
        }
    }
}

} // namespace qinghe::lint
