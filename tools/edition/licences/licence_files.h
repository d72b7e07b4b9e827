#pragma once

#include "edition_layout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe::edition {

inline const QString kLicenceFolder = QStringLiteral("Data/LICENSES/");

// One open source the edition is made with, and the file under Data/LICENSES/ that names it.
struct LicenceEntry {
    QString file;
    QString name;
    QString licence;
    QString useZh;         // what the edition takes from it, in Chinese
    QString useEn;         // ... and in English
    QString note;          // put before the copied text
    QStringList sources;   // installed copies of its licence text; the first that exists is copied
    bool required = false; // the edition may not ship without this text
};

// The sources: those in the books' content, the stroke data, the tools that made the recordings
// and the font of the stamp picture. Paths are looked up below the content and stroke-data folders
// of `options` and in the installed Debian documentation.
QList<LicenceEntry> licenceEntries(const Options& options);

struct LicenceFolder {
    QList<QPair<QString, QByteArray>> files; // relative to the program folder
    QStringList missing;                     // entries whose licence text was found nowhere
    bool complete = true;                    // false when a required text is missing
};

// README.txt and one file per entry.
LicenceFolder licenceFolder(const QList<LicenceEntry>& entries);

// The README in Chinese and English: what is the project's own work, what comes from where.
QByteArray licencesReadme(const QList<LicenceEntry>& entries);

} // namespace qinghe::edition
