#include "reading_rules.h"

#include <algorithm>

namespace qinghe::lint {

QString toneless(const QString& reading) {
    QString decomposed = reading.normalized(QString::NormalizationForm_D);
    // Macron, acute, caron and grave mark the four tones; the diaeresis of ü stays.
    decomposed.removeIf([](QChar c) {
        return c == QChar(0x0304) || c == QChar(0x0301) || c == QChar(0x030C) || c == QChar(0x0300);
    });
    return decomposed.normalized(QString::NormalizationForm_C);
}

ReadingRules::ReadingRules(UnihanReadings unihan, ReadingOverrides overrides)
    : unihan_(std::move(unihan))
    , overrides_(std::move(overrides)) {}

bool ReadingRules::accepts(const QString& character, const QString& reading) const {
    const QString written = reading.normalized(QString::NormalizationForm_C);
    if (overrides_.accepts(character, written)) {
        return true;
    }
    if ((character == u"一" && (written == u"yí" || written == u"yì")) ||
        (character == u"不" && written == u"bú")) {
        return true;
    }
    const auto found = unihan_.constFind(character);
    if (found == unihan_.cend()) {
        return false;
    }
    if (found->contains(written)) {
        return true;
    }
    if (toneless(written) != written) {
        return false;
    }
    return std::any_of(found->cbegin(), found->cend(),
                       [&written](const QString& known) { return toneless(known) == written; });
}

QStringList ReadingRules::known(const QString& character) const {
    QStringList list = unihan_.value(character).values();
    std::sort(list.begin(), list.end());
    return list;
}

} // namespace qinghe::lint
