#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

namespace qinghe::lint {

// Where Debian's unicode-data package puts the Unihan reading fields.
inline const QString kDefaultUnihanReadings = QStringLiteral("/usr/share/unicode/Unihan_Readings.txt.bz2");

// Every Mandarin reading Unihan gives a character in kMandarin, kHanyuPinyin, kXHC1983, kHanyuPinlu
// and kTGHZ2013, tone-marked and NFC-normalised, keyed by the character.
using UnihanReadings = QHash<QString, QSet<QString>>;

// Parses the text of Unihan_Readings.txt ("U+4E00<TAB>kMandarin<TAB>yī" lines). Lines it does not
// understand are skipped: the file is data we read, not data we check.
UnihanReadings parseUnihanReadings(QByteArrayView text);

// Reads the file, through `bzip2 -dc` when its name ends in .bz2. nullopt (with the reason in `why`)
// when it is missing or cannot be read.
std::optional<UnihanReadings> loadUnihanReadings(const QString& path, QString* why);

} // namespace qinghe::lint
