#pragma once

#include "reading_overrides.h"
#include "unihan_readings.h"

#include <QString>
#include <QStringList>

namespace qinghe::lint {

// The reading written without its tone mark ("lǜ" -> "lü"): the neutral-tone form.
QString toneless(const QString& reading);

// Which readings a character record may give: those Unihan knows for the character, their neutral-
// tone forms, the tone changes of 一 (yí, yì) and 不 (bú), and readings the overrides list.
class ReadingRules {
public:
    ReadingRules(UnihanReadings unihan, ReadingOverrides overrides);

    bool accepts(const QString& character, const QString& reading) const;
    // What Unihan knows, sorted, for messages.
    QStringList known(const QString& character) const;

private:
    UnihanReadings unihan_;
    ReadingOverrides overrides_;
};

} // namespace qinghe::lint
