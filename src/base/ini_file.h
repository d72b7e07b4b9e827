#pragma once

#include "base/text_encoding.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace qinghe {

// An INI file read and written the way Windows profile files behave: sections and keys match
// without regard to case, the first matching section and the first matching key win, a missing
// file reads as empty. Values are trimmed and lose one pair of enclosing quotes. The raw bytes are
// kept, so a write changes only the line of its key and every other byte stays as it was.
class IniDocument {
public:
    // Files beyond this size are refused rather than half-read (and never overwritten).
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    IniDocument();
    static IniDocument fromBytes(QByteArray bytes);

    // A missing file gives an empty document; an unreadable or oversized one gives an empty
    // document with readError() set.
    static IniDocument load(const QString& path);

    bool readError() const { return readError_; }
    TextEncoding encoding() const { return encoding_; }
    const QByteArray& bytes() const { return bytes_; }

    std::optional<QString> value(QStringView section, QStringView key) const;
    QString string(QStringView section, QStringView key, const QString& fallback) const;
    // Decimal integer (surrounding blanks allowed); anything else gives the fallback.
    int integer(QStringView section, QStringView key, int fallback) const;
    // A non-zero integer is true; a non-integer gives the fallback.
    bool boolean(QStringView section, QStringView key, bool fallback) const;

    // Sets one value; line breaks inside the value are replaced by spaces.
    void setValue(QStringView section, QStringView key, const QString& value);

    // Replaces the file atomically (temporary file + rename).
    bool save(const QString& path) const;

private:
    struct Line {
        qsizetype begin = 0; // byte offset of the first byte
        qsizetype end = 0;   // byte offset after the content, before the line break
        qsizetype next = 0;  // byte offset of the following line
    };
    struct Entry {
        qsizetype line = 0;
        qsizetype valueBegin = 0; // byte offset after '='
    };
    struct Section {
        qsizetype headerLine = -1;
        qsizetype lastContentLine = -1;
        QHash<QString, Entry> keys; // case-folded key -> first occurrence
    };

    void index();
    const Section* findSection(QStringView section) const;
    QByteArray lineBreak() const;

    QByteArray bytes_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool readError_ = false;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    QHash<QString, qsizetype> sectionIndex_; // case-folded name -> first section
};

// Writes one string value into an INI file: creates the file's folder when missing, changes the one
// key and saves atomically. Every failure is swallowed; the return value only tells tests.
bool writeIniFile(const QString& path, const QString& section, const QString& key,
                  const QString& value) noexcept;

} // namespace qinghe
