#include "settings_check.h"

#include "base/ini_file.h"
#include "base/text_encoding.h"
#include "edition_paths.h"
#include "report.h"

#include <QFileInfo>
#include <QHash>

namespace qinghe::lint {

namespace {

const QString kSettingsFile = QStringLiteral("Data/systxt/Set.ini");

// Where each section and key first occurs, split into lines the way the program's INI reader
// splits them (LF, CR LF or a lone CR).
struct IniLayout {
    QHash<QString, int> sectionLines; // case-folded section -> first header line
    QHash<QString, int> keyLines;     // case-folded "section/key" -> first line in the first section
};

IniLayout scanIni(const IniDocument& ini, const QString& file, Report& report) {
    IniLayout layout;
    const QByteArray& bytes = ini.bytes();
    const TextEncoding lineEncoding =
        ini.encoding() == TextEncoding::Gb18030 ? TextEncoding::Gb18030 : TextEncoding::Utf8;
    qsizetype pos = ini.encoding() == TextEncoding::Utf8Bom ? 3 : 0;
    int line = 0;
    QString section;          // case-folded name of the current section
    bool sectionRead = false; // the current section is the first of its name, the one the program reads
    while (pos < bytes.size()) {
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
            ++end;
        }
        qsizetype next = end;
        if (next < bytes.size() && bytes[next] == '\r') {
            ++next;
        }
        if (next < bytes.size() && bytes[next] == '\n') {
            ++next;
        }
        ++line;
        const QString text = decodeText(bytes.mid(pos, end - pos), lineEncoding).trimmed();
        pos = next;
        if (text.isEmpty() || text.startsWith(u';')) {
            continue;
        }
        if (text.startsWith(u'[')) {
            const qsizetype close = text.indexOf(u']');
            if (close < 0) {
                report.warning(file, line,
                               QStringLiteral("section header «%1» lacks its closing ']'").arg(text));
            }
            const QString name = (close < 0 ? text.mid(1) : text.mid(1, close - 1)).trimmed();
            section = name.toCaseFolded();
            sectionRead = !layout.sectionLines.contains(section);
            if (sectionRead) {
                layout.sectionLines.insert(section, line);
            } else {
                report.warning(file, line,
                               QStringLiteral("section [%1] appears again (first on line %2); the program "
                                              "reads only the first")
                                   .arg(name)
                                   .arg(layout.sectionLines.value(section)));
            }
            continue;
        }
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0) {
            report.warning(file, line,
                           QStringLiteral("«%1» is neither a section, a key=value line nor a ';' comment; "
                                          "it is ignored")
                               .arg(text));
            continue;
        }
        const QString key = text.left(eq).trimmed();
        if (layout.sectionLines.isEmpty()) {
            report.warning(file, line,
                           QStringLiteral("key %1 stands before any section and is never read").arg(key));
            continue;
        }
        if (!sectionRead) {
            continue;
        }
        const QString id = section + u'/' + key.toCaseFolded();
        if (layout.keyLines.contains(id)) {
            report.warning(file, line,
                           QStringLiteral("key %1 appears again (first on line %2); the first value is read")
                               .arg(key)
                               .arg(layout.keyLines.value(id)));
            continue;
        }
        layout.keyLines.insert(id, line);
    }
    return layout;
}

void checkPageTable(const IniDocument& ini, const IniLayout& layout, const QString& file, Report& report) {
    const int line =
        layout.keyLines.value(QStringLiteral("book/page"), layout.sectionLines.value(QStringLiteral("book")));
    const std::optional<QString> value = ini.value(u"Book", u"page");
    if (!value) {
        report.error(file, line,
                     QStringLiteral("[Book] page is missing; the program cannot start without it"));
        return;
    }
    const QStringList items = value->split(u',');
    for (qsizetype i = 0; i < std::min<qsizetype>(items.size(), 24); ++i) {
        bool ok = false;
        items[i].trimmed().toInt(&ok, 10);
        if (!ok) {
            report.error(
                file, line,
                QStringLiteral("[Book] page item %1 «%2» is not an integer; the program cannot start")
                    .arg(i + 1)
                    .arg(items[i].trimmed()));
            return;
        }
    }
    if (items.size() < 24) {
        report.error(file, line,
                     QStringLiteral("[Book] page holds %1 items; the program needs 24 integers (last and "
                                    "first page of each of the 12 books) to start")
                         .arg(value->trimmed().isEmpty() ? 0 : items.size()));
        return;
    }
    if (items.size() > 24) {
        report.warning(
            file, line,
            QStringLiteral("[Book] page holds %1 items; only the first 24 are read").arg(items.size()));
    }
    const auto pages = parsePageTable(*value);
    if (!pages) {
        report.error(file, line, QStringLiteral("[Book] page is not read by the program"));
        return;
    }
    for (size_t book = 0; book < pages->size(); ++book) {
        const PagePair& pair = (*pages)[book];
        if (pair.lastPage < pair.firstPage) {
            report.warning(file, line,
                           QStringLiteral("[Book] page: book %1 ends on page %2, before its first page %3")
                               .arg(book + 1)
                               .arg(pair.lastPage)
                               .arg(pair.firstPage));
        }
    }
}

} // namespace

SettingsCheck checkSettings(const QString& programDirectory, Report& report) {
    SettingsCheck result;
    // The edition code is not known before the settings are read; it does not matter for them.
    const EditionPaths paths(programDirectory, QStringLiteral("rj"));
    const QString file = paths.shown(kSettingsFile);
    const QString path = paths.absolute(kSettingsFile);
    if (!QFileInfo(path).isFile()) {
        report.error(file, 0,
                     QStringLiteral("missing; the program cannot start without its [Book] page key"));
        return result;
    }
    result.found = true;
    const IniDocument ini = IniDocument::load(path);
    if (ini.readError()) {
        report.error(file, 0,
                     QStringLiteral("cannot be read (unreadable, or larger than %1 MiB)")
                         .arg(IniDocument::kMaxFileSize / (1024 * 1024)));
        return result;
    }
    const IniLayout layout = scanIni(ini, file, report);
    result.settings = readSettings(ini).settings;
    checkPageTable(ini, layout, file, report);

    const QString& mode = result.settings.bookMode;
    bool numeric = false;
    const int single = mode.toInt(&numeric);
    if (mode != u"0" && !(numeric && single >= 1 && single <= 12 && mode == QString::number(single))) {
        report.warning(file, layout.keyLines.value(QStringLiteral("basicset/gbegin")),
                       QStringLiteral("[BasicSet] GBegin «%1» is neither 0 (all twelve books) nor a book "
                                      "number 1–12")
                           .arg(mode));
    }
    const EditionPaths edition(programDirectory, result.settings.edition);
    if (result.settings.edition.trimmed().isEmpty()) {
        report.error(file, layout.keyLines.value(QStringLiteral("basicset/banben")),
                     QStringLiteral("[BasicSet] BanBen is empty; it names the edition folder under Data/"));
    } else if (!QFileInfo(edition.absolute(edition.editionFolder())).isDir()) {
        report.error(file, layout.keyLines.value(QStringLiteral("basicset/banben")),
                     QStringLiteral("the edition folder %1 (from [BasicSet] BanBen) does not exist")
                         .arg(edition.editionFolder()));
    }
    return result;
}

} // namespace qinghe::lint
