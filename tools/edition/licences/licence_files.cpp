#include "licences/licence_files.h"

#include "pictures/mark_pictures.h"

#include <QDir>
#include <QFile>

namespace qinghe::edition {

namespace {

const QString kDebianDoc = QStringLiteral("/usr/share/doc/");

// The Debian package that ships each font the stamp picture may be drawn in, and its licence.
QPair<QString, QString> fontPackage(const QString& family) {
    if (family.startsWith(u"WenQuanYi")) {
        return {QStringLiteral("fonts-wqy-zenhei"),
                QStringLiteral("GNU GPL version 2 with font embedding exception")};
    }
    if (family.startsWith(u"AR PL UKai")) {
        return {QStringLiteral("fonts-arphic-ukai"), QStringLiteral("Arphic Public License")};
    }
    if (family.startsWith(u"AR PL UMing")) {
        return {QStringLiteral("fonts-arphic-uming"), QStringLiteral("Arphic Public License")};
    }
    if (family.startsWith(u"LXGW")) {
        return {QStringLiteral("fonts-lxgw-wenkai"), QStringLiteral("SIL Open Font License 1.1")};
    }
    return {};
}

QByteArray firstExisting(const QStringList& paths) {
    for (const QString& path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            if (!bytes.isEmpty()) {
                return bytes;
            }
        }
    }
    return {};
}

QString notContained(const QString& tool, const QString& licence, const QString& what) {
    return QStringLiteral(
               "The program 青禾书屋 does not contain %1 and does not run it. %2\n"
               "%1 is free software under the %3; its copyright notice as installed by Debian follows.\n"
               "程序本身不包含也不调用 %1；演示版的生成工具用它制作了录音。")
        .arg(tool, what, licence);
}

} // namespace

QList<LicenceEntry> licenceEntries(const Options& options) {
    const QString licences = options.contentDirectory + QStringLiteral("/LICENSES/");
    const QString contentTools = options.contentDirectory + QStringLiteral("/../tools/content/node_modules/");
    QList<LicenceEntry> entries = {
        {QStringLiteral("hanzi-writer-data-ARPHICPL.txt"),
         QStringLiteral("hanzi-writer-data 2.0.1"),
         QStringLiteral("Arphic Public License"),
         QStringLiteral("笔顺动画（Data/RJ/hzbs/）的笔画轮廓与中线"),
         QStringLiteral("stroke outlines and centre lines of the stroke-order movies (Data/RJ/hzbs/)"),
         QStringLiteral(
             "hanzi-writer-data 2.0.1 (npm), derived from the Make Me a Hanzi project, which took the "
             "outlines from fonts by Arphic Technology.\nThe stroke-order movies in Data/RJ/hzbs/ "
             "contain this data and are distributed under this licence.\n"
             "笔顺动画含有这些数据，按本许可证发布。"),
         {options.strokeDataDirectory + QStringLiteral("/ARPHICPL.TXT")},
         true},
        {QStringLiteral("Unihan-Unicode.txt"),
         QStringLiteral("Unihan (Unicode Character Database 15.0.0)"),
         QStringLiteral("Unicode License"),
         QStringLiteral("汉字读音、年级、字频等资料，用于选字和核对拼音"),
         QStringLiteral(
             "readings, grade and frequency data used to choose each book's characters and check pinyin"),
         QString(),
         {licences + QStringLiteral("Unicode.txt"), kDebianDoc + QStringLiteral("unicode-data/copyright")},
         true},
        {QStringLiteral("jieba-MIT.txt"),
         QStringLiteral("jieba dictionary"),
         QStringLiteral("MIT License"),
         QStringLiteral("词频，用于给汉字排序"),
         QStringLiteral("word frequencies used to rank the characters"),
         QString(),
         {licences + QStringLiteral("jieba-MIT.txt"), kDebianDoc + QStringLiteral("python3-jieba/copyright")},
         true},
        {QStringLiteral("pinyin-pro-MIT.txt"),
         QStringLiteral("pinyin-pro"),
         QStringLiteral("MIT License"),
         QStringLiteral("为作者提出拼音建议（每条均经人工审核）"),
         QStringLiteral("proposed the pinyin annotation; every proposal was reviewed by hand"),
         QString(),
         {licences + QStringLiteral("pinyin-pro-MIT.txt"),
          contentTools + QStringLiteral("pinyin-pro/LICENSE")},
         true},
        {QStringLiteral("espeak-ng.txt"),
         QStringLiteral("eSpeak NG"),
         QStringLiteral("GNU GPL version 3 or later"),
         QStringLiteral("合成全部录音（不随程序分发）"),
         QStringLiteral("synthesised every recording (not shipped)"),
         notContained(
             QStringLiteral("eSpeak NG"), QStringLiteral("GNU General Public License version 3 or later"),
             QStringLiteral("The recordings of this edition were synthesised with it from our texts.")),
         {kDebianDoc + QStringLiteral("espeak-ng/copyright"),
          kDebianDoc + QStringLiteral("libespeak-ng1/copyright")},
         false},
        {QStringLiteral("LAME.txt"),
         QStringLiteral("LAME"),
         QStringLiteral("GNU LGPL version 2 or later"),
         QStringLiteral("把录音编码为 MP3（不随程序分发）"),
         QStringLiteral("encoded the recordings as MP3 (not shipped)"),
         notContained(QStringLiteral("LAME"),
                      QStringLiteral("GNU Lesser General Public License version 2 or later"),
                      QStringLiteral("The generator encoded the recordings of this edition to MP3 with it.")),
         {kDebianDoc + QStringLiteral("lame/copyright"),
          kDebianDoc + QStringLiteral("libmp3lame0/copyright")},
         false},
        {QStringLiteral("SoX.txt"),
         QStringLiteral("SoX"),
         QStringLiteral("GNU GPL version 2 or later / LGPL 2.1 or later"),
         QStringLiteral("拼接课文朗读、制作提示音（不随程序分发）"),
         QStringLiteral("joined the lesson readings and made the interface tones (not shipped)"),
         notContained(
             QStringLiteral("SoX"),
             QStringLiteral("GNU General Public License version 2 or later (the "
                            "library under the LGPL version 2.1 or later)"),
             QStringLiteral("The generator joined the lesson readings and made the short tones with it.")),
         {kDebianDoc + QStringLiteral("sox/copyright"), kDebianDoc + QStringLiteral("libsox3/copyright")},
         false},
    };
    const QString family = stampFontFamily();
    const auto [package, licence] = fontPackage(family);
    if (!package.isEmpty()) {
        entries.append(
            {QStringLiteral("font-") + package + QStringLiteral(".txt"),
             family,
             licence,
             QStringLiteral("批改图标 hslarge.png 中“需核实”三字的字形"),
             QStringLiteral("the glyphs of 需核实 drawn into the marking picture hslarge.png"),
             QStringLiteral("The marking picture Data/hslarge.png shows the characters 需核实 drawn with "
                            "the font %1 (Debian package %2). The font itself is not part of the edition.")
                 .arg(family, package),
             {kDebianDoc + package + QStringLiteral("/copyright")},
             false});
    }
    return entries;
}

LicenceFolder licenceFolder(const QList<LicenceEntry>& entries) {
    LicenceFolder folder;
    folder.files.append({kLicenceFolder + QStringLiteral("README.txt"), licencesReadme(entries)});
    for (const LicenceEntry& entry : entries) {
        const QByteArray text = firstExisting(entry.sources);
        if (text.isEmpty()) {
            folder.missing << entry.name;
            if (entry.required) {
                folder.complete = false;
                continue;
            }
        }
        QByteArray bytes;
        if (!entry.note.isEmpty()) {
            bytes += entry.note.toUtf8() + "\n\n";
        }
        bytes += text.isEmpty()
                     ? QByteArrayLiteral("(The licence text was not installed on the machine that made this "
                                         "edition; it is named above.)\n")
                     : text;
        folder.files.append({kLicenceFolder + entry.file, bytes});
    }
    return folder;
}

QByteArray licencesReadme(const QList<LicenceEntry>& entries) {
    QString zh = QStringLiteral(
        "青禾书屋 开放演示版 — 版权与许可\n"
        "==================================\n\n"
        "一、我们自己的作品\n"
        "课文、儿歌、组词、例句和词语表由青禾书屋的作者为本演示版编写，以“知识共享 署名 4.0 国际”许可协议"
        "（CC BY 4.0，https://creativecommons.org/licenses/by/4.0/deed.zh-hans）发布：注明出处即可自由使用、"
        "修改和再发布。由这些文字合成的录音、批改图标（Data/*.png）和各个数据文件同样按 CC BY 4.0 发布。\n"
        "来源标为“public domain”的古诗文（汉至清代）已进入公有领域，注明了朝代和作者。\n"
        "笔顺动画（Data/RJ/hzbs/）的动画程序由我们编写，其中的笔画轮廓来自 hanzi-writer-data，"
        "按文鼎公众授权书（Arphic Public License）发布，许可证原文见 Data/RJ/hzbs/ARPHICPL.TXT。\n\n"
        "二、来自他处的开放资料和工具\n");
    QString en = QStringLiteral(
        "\n青禾书屋 (Qinghe) open demo edition — copyright and licences\n"
        "=====================================================\n\n"
        "1. Our own work\n"
        "The lesson texts, rhymes, word groups, example sentences and word lists were written for this "
        "edition "
        "by the 青禾书屋 authors and are released under the Creative Commons Attribution 4.0 International "
        "licence (CC BY 4.0, https://creativecommons.org/licenses/by/4.0/): you may use, change and share "
        "them if you name the source. The recordings synthesised from these texts, the marking pictures "
        "(Data/*.png) and the data files are released under CC BY 4.0 as well.\n"
        "Lessons marked \"public domain\" are classical poems (Han to Qing dynasty), named with their "
        "dynasty "
        "and author; their texts are in the public domain.\n"
        "The stroke-order movies (Data/RJ/hzbs/) are our animation around stroke outlines from "
        "hanzi-writer-data, distributed under the Arphic Public License (Data/RJ/hzbs/ARPHICPL.TXT).\n\n"
        "2. Open data and tools from elsewhere\n");
    for (const LicenceEntry& entry : entries) {
        zh += QStringLiteral("- %1：%2。许可：%3。见 %4\n")
                  .arg(entry.name, entry.useZh, entry.licence, entry.file);
        en += QStringLiteral("- %1: %2. Licence: %3. See %4\n")
                  .arg(entry.name, entry.useEn, entry.licence, entry.file);
    }
    zh += QStringLiteral("生成工具只在制作演示版时使用这些工具；程序运行时不需要它们。\n");
    en += QStringLiteral(
        "The tools were used only to make the edition; the program does not need them to run.\n");
    return (zh + en).toUtf8();
}

} // namespace qinghe::edition
