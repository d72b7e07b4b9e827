#include "base/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qinghe {

namespace {

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

} // namespace

IniDocument::IniDocument() {
    index();
}

IniDocument IniDocument::fromBytes(QByteArray bytes) {
    IniDocument doc;
    doc.bytes_ = std::move(bytes);
    doc.encoding_ = detectTextEncoding(doc.bytes_);
    doc.index();
    return doc;
}

IniDocument IniDocument::load(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return {};
    }
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        IniDocument doc;
        doc.readError_ = true;
        return doc;
    }
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize) {
        IniDocument doc;
        doc.readError_ = true;
        return doc;
    }
    return fromBytes(std::move(bytes));
}

void IniDocument::index() {
    lines_.clear();
    sections_.clear();
    sectionIndex_.clear();

    const qsizetype size = bytes_.size();
    qsizetype pos = (encoding_ == TextEncoding::Utf8Bom) ? 3 : 0;
    const char* data = bytes_.constData();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && data[end] != '\n' && data[end] != '\r') {
            ++end;
        }
        qsizetype next = end;
        if (next < size && data[next] == '\r') {
            ++next;
        }
        if (next < size && data[next] == '\n') {
            ++next;
        }
        lines_.push_back({pos, end, next});
        pos = next;
    }

    Section* current = nullptr;
    for (qsizetype i = 0; i < qsizetype(lines_.size()); ++i) {
        const Line& line = lines_[size_t(i)];
        // Line breaks and '=' never occur inside a GB18030 multi-byte sequence, but ']' may, so
        // each line is decoded before it is read.
        const QString text =
            decodeText(QByteArray::fromRawData(data + line.begin, line.end - line.begin),
                       encoding_ == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8)
                .trimmed();
        if (text.isEmpty() || text.startsWith(u';')) {
            continue;
        }
        if (text.startsWith(u'[')) {
            const qsizetype close = text.indexOf(u']');
            const QString name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed().toCaseFolded();
            sections_.push_back(Section{});
            current = &sections_.back();
            current->headerLine = i;
            current->lastContentLine = i;
            if (!sectionIndex_.contains(name)) {
                sectionIndex_.insert(name, qsizetype(sections_.size()) - 1);
            }
            continue;
        }
        if (current == nullptr) {
            continue; // lines before the first section belong to no section
        }
        current->lastContentLine = i;
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0) {
            continue;
        }
        const QString key = text.left(eq).trimmed().toCaseFolded();
        if (current->keys.contains(key)) {
            continue;
        }
        const qsizetype eqByte = bytes_.indexOf('=', line.begin);
        current->keys.insert(key, Entry{i, eqByte + 1});
    }
}

const IniDocument::Section* IniDocument::findSection(QStringView section) const {
    const auto it = sectionIndex_.constFind(section.toString().trimmed().toCaseFolded());
    return it == sectionIndex_.cend() ? nullptr : &sections_[size_t(*it)];
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const {
    const Section* sec = findSection(section);
    if (sec == nullptr) {
        return std::nullopt;
    }
    const auto it = sec->keys.constFind(key.toString().trimmed().toCaseFolded());
    if (it == sec->keys.cend()) {
        return std::nullopt;
    }
    const Line& line = lines_[size_t(it->line)];
    const QByteArray raw = bytes_.mid(it->valueBegin, line.end - it->valueBegin);
    return unquoted(
        decodeText(raw, encoding_ == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8));
}

QString IniDocument::string(QStringView section, QStringView key, const QString& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniDocument::integer(QStringView section, QStringView key, int fallback) const {
    const std::optional<QString> text = value(section, key);
    if (!text) {
        return fallback;
    }
    bool ok = false;
    const int number = text->trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
}

bool IniDocument::boolean(QStringView section, QStringView key, bool fallback) const {
    return integer(section, key, fallback ? 1 : 0) != 0;
}

QByteArray IniDocument::lineBreak() const {
    for (const Line& line : lines_) {
        if (line.next > line.end) {
            return bytes_.mid(line.end, line.next - line.end);
        }
    }
    return QByteArrayLiteral("\r\n");
}

void IniDocument::setValue(QStringView section, QStringView key, const QString& value) {
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    const TextEncoding lineEncoding =
        encoding_ == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
    const QByteArray encodedValue = encodeText(clean, lineEncoding);
    const QByteArray eol = lineBreak();

    const Section* sec = findSection(section);
    if (sec != nullptr) {
        const auto it = sec->keys.constFind(key.toString().trimmed().toCaseFolded());
        if (it != sec->keys.cend()) {
            const Line& line = lines_[size_t(it->line)];
            bytes_.replace(it->valueBegin, line.end - it->valueBegin, encodedValue);
        } else {
            const Line& after = lines_[size_t(sec->lastContentLine)];
            QByteArray insert = encodeText(key.toString(), lineEncoding) + '=' + encodedValue;
            if (after.next == after.end) {
                // the section's last line is the file's last line and has no line break
                bytes_.insert(after.end, eol + insert);
            } else {
                bytes_.insert(after.next, insert + eol);
            }
        }
    } else {
        QByteArray block;
        if (!bytes_.isEmpty() && !bytes_.endsWith('\n') && !bytes_.endsWith('\r')) {
            block += eol;
        }
        block += '[' + encodeText(section.toString(), lineEncoding) + ']' + eol;
        block += encodeText(key.toString(), lineEncoding) + '=' + encodedValue + eol;
        bytes_ += block;
    }
    index();
}

bool IniDocument::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes_) != bytes_.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeIniFile(const QString& path, const QString& section, const QString& key,
                  const QString& value) noexcept {
    try {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath())) {
            return false;
        }
        IniDocument doc = IniDocument::load(path);
        if (doc.readError()) {
            return false; // never replace a file we could not read
        }
        doc.setValue(section, key, value);
        return doc.save(path);
    } catch (...) {
        return false;
    }
}

} // namespace qinghe
