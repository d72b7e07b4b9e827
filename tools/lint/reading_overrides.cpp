#include "reading_overrides.h"

#include "base/text_encoding.h"
#include "edition_model.h"

namespace qinghe::lint {

bool ReadingOverrides::accepts(const QString& character, const QString& reading) const {
    const auto found = readings.constFind(character);
    return found != readings.cend() && found->contains(reading.normalized(QString::NormalizationForm_C));
}

ReadingOverrides parseReadingOverrides(QByteArrayView text) {
    ReadingOverrides overrides;
    if (!isValidUtf8(QByteArray(text.data(), text.size()))) {
        overrides.problems.emplace_back(0, QStringLiteral("not UTF-8 text"));
        return overrides;
    }
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const int number = int(i) + 1;
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 3 || fields[2].trimmed().isEmpty()) {
            overrides.problems.emplace_back(number, QStringLiteral("needs char<TAB>reading<TAB>reason"));
            continue;
        }
        const QString character = fields[0].trimmed();
        const QString reading = fields[1].trimmed().normalized(QString::NormalizationForm_C);
        if (characterCount(character) != 1) {
            overrides.problems.emplace_back(number,
                                            QStringLiteral("«%1» is not one character").arg(character));
            continue;
        }
        if (reading.isEmpty() || reading.contains(u' ')) {
            overrides.problems.emplace_back(number, QStringLiteral("«%1» is not one reading").arg(reading));
            continue;
        }
        overrides.readings[character].insert(reading);
    }
    return overrides;
}

} // namespace qinghe::lint
