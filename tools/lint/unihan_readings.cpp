#include "unihan_readings.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <array>

namespace qinghe::lint {

namespace {

constexpr std::array<QByteArrayView, 5> kReadingFields{"kMandarin", "kHanyuPinyin", "kXHC1983", "kHanyuPinlu",
                                                       "kTGHZ2013"};
// The uncompressed file is about 6 MB; a file far beyond that is not Unihan.
constexpr qint64 kMaxTextBytes = 512 * 1024 * 1024;

// "U+4E00" -> the character, or empty.
QString characterOf(QByteArrayView field) {
    if (!field.startsWith("U+") || field.size() < 6 || field.size() > 8) {
        return {};
    }
    bool ok = false;
    const uint code = QByteArray(field.sliced(2).data(), field.size() - 2).toUInt(&ok, 16);
    if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    const char32_t c = code;
    return QString::fromUcs4(&c, 1);
}

// One field value: space-separated entries, each "reading", "reading(count)" or
// "place,place:reading,reading".
void addReadings(QByteArrayView value, QSet<QString>& into) {
    for (const QByteArray& entry : QByteArray(value.data(), value.size()).split(' ')) {
        QByteArray readings = entry.mid(entry.lastIndexOf(':') + 1);
        const qsizetype paren = readings.indexOf('(');
        if (paren >= 0) {
            readings.truncate(paren);
        }
        for (const QByteArray& reading : readings.split(',')) {
            const QString text =
                QString::fromUtf8(reading.trimmed()).normalized(QString::NormalizationForm_C);
            if (!text.isEmpty()) {
                into.insert(text);
            }
        }
    }
}

} // namespace

UnihanReadings parseUnihanReadings(QByteArrayView text) {
    UnihanReadings readings;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf('\n', pos);
        if (end < 0) {
            end = text.size();
        }
        QByteArrayView line = text.sliced(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.isEmpty() || line.front() == '#') {
            continue;
        }
        const qsizetype tab1 = line.indexOf('\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
        if (tab2 < 0) {
            continue;
        }
        const QByteArrayView field = line.sliced(tab1 + 1, tab2 - tab1 - 1);
        bool wanted = false;
        for (const QByteArrayView name : kReadingFields) {
            wanted = wanted || field == name;
        }
        if (!wanted) {
            continue;
        }
        const QString character = characterOf(line.first(tab1));
        if (!character.isEmpty()) {
            addReadings(line.sliced(tab2 + 1), readings[character]);
        }
    }
    return readings;
}

std::optional<UnihanReadings> loadUnihanReadings(const QString& path, QString* why) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        *why = QStringLiteral("not found (Debian package unicode-data)");
        return std::nullopt;
    }
    QByteArray text;
    if (path.endsWith(QStringLiteral(".bz2"))) {
        QProcess bzip2;
        bzip2.start(QStringLiteral("bzip2"), {QStringLiteral("-dc"), path}, QIODevice::ReadOnly);
        // The output (about 6 MB) stays in QProcess's buffer until the unpacking is done.
        if (!bzip2.waitForFinished(60000) || bzip2.exitStatus() != QProcess::NormalExit ||
            bzip2.exitCode() != 0) {
            bzip2.kill();
            bzip2.waitForFinished(1000);
            *why = QStringLiteral("cannot be unpacked with bzip2");
            return std::nullopt;
        }
        text = bzip2.readAllStandardOutput();
    } else {
        QFile file(path);
        if (info.size() > kMaxTextBytes || !file.open(QIODevice::ReadOnly)) {
            *why = QStringLiteral("cannot be read");
            return std::nullopt;
        }
        text = file.readAll();
    }
    return parseUnihanReadings(text);
}

} // namespace qinghe::lint
