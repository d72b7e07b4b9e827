#include "lint_test_edition.h"

#include "audio/sound_name.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace qinghe::lint::test {

namespace {

const QString kXml = QStringLiteral("Data/RJ/xml/");

QString node(const char* element, const QString& caption, int image, int selected) {
    return QStringLiteral("<%1 text=\"%2\" ImageIndex=\"%3\" SelectedIndex=\"%4\"")
        .arg(QString::fromLatin1(element), caption)
        .arg(image)
        .arg(selected);
}

// A stroke-order movie as the generator makes them, small.
QByteArray strokeMovie(const QString& zi) {
    return QStringLiteral(
               "import QtQuick\nItem {\n    width: 200; height: 199\n    Text { text: \"%1\" }\n}\n")
        .arg(zi)
        .toUtf8();
}

} // namespace

QByteArray base64(const QString& text) {
    return text.toUtf8().toBase64();
}

TestEdition::TestEdition() {
    const auto add = [this](const char* key, const char* zi, const char* py1, const char* py2,
                            const char* zuci1, const char* zuci2, const char* zaoju, const char* must) {
        characters.push_back(TestCharacter{QString::fromLatin1(key), QString::fromUtf8(zi),
                                           QString::fromUtf8(py1), QString::fromUtf8(py2), QString(),
                                           QString::fromUtf8(zuci1), QString::fromUtf8(zuci2), QString(),
                                           QString::fromUtf8(zaoju), QString::fromLatin1(must)});
    };
    add("lesson101", "天", "tiān", "", "天空", "今天", "天上有白云。", "1");
    add("lesson101", "地", "dì", "de", "土地", "大地", "地上有小草。", "0");
    add("lesson102", "大", "dà", "dài", "大人", "大小", "大象真大。", "1");
    add("lesson102", "小", "xiǎo", "", "小鸟", "", "小鸟会飞。", "1");
    add("lesson201", "一", "yī", "", "一个", "", "我有一个苹果。", "1");
    words = {{QStringLiteral("lesson101"), QStringLiteral("天空")},
             {QStringLiteral("lesson102"), QStringLiteral("大人")},
             {QStringLiteral("lesson201"), QStringLiteral("一个")}};
}

void TestEdition::write() const {
    QStringList pages;
    for (int i = 0; i < 12; ++i) {
        pages << QStringLiteral("20") << QStringLiteral("1");
    }
    put(QStringLiteral("Data/systxt/Set.ini"),
        (QStringLiteral("[BasicSet]\r\nGBegin=1\r\nBanBen=RJ\r\n[Book]\r\npage=") + pages.join(u',') +
         QStringLiteral("\r\n"))
            .toUtf8());

    QStringList tree{QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), QStringLiteral("<mulu>"),
                     node("edition", QStringLiteral("测试版"), 0, 0) + u'>',
                     node("book", QStringLiteral("一年级上册"), 1, 2) + u'>'};
    for (qsizetype u = 0; u < units.size(); ++u) {
        tree << node("unit", units[u], 3, 4) + u'>';
        for (const QString& lesson : lessons[size_t(u)]) {
            tree << node("lesson", lesson, 5, 6) + QStringLiteral("/>");
        }
        tree << QStringLiteral("</unit>");
    }
    tree << QStringLiteral("</book>") << QStringLiteral("</edition>") << QStringLiteral("</mulu>");
    put(kXml + QStringLiteral("unit.xml"), tree.join(QStringLiteral("\r\n")).toUtf8());

    QByteArray hanzi = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<hanzi>\r\n";
    for (const TestCharacter& c : characters) {
        const std::pair<const char*, QString> attributes[] = {
            {"Chinese", c.zi},  {"PinYin1", c.py1}, {"PinYin2", c.py2},
            {"PinYin3", c.py3}, {"ZuCi1", c.zuci1}, {"ZuCi2", c.zuci2},
            {"ZuCi3", c.zuci3}, {"ZaoJu", c.zaoju}, {"bx_shengzi", c.must}};
        hanzi += "  <" + c.key.toLatin1();
        for (const auto& [name, value] : attributes) {
            hanzi += ' ' + QByteArray(name) + "=\"" + base64(value) + '"';
        }
        hanzi += "/>\r\n";
    }
    put(kXml + QStringLiteral("hanzi1.xml"), hanzi + "</hanzi>\r\n");

    QByteArray ciyu = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ciyu>\r\n";
    for (const TestWord& w : words) {
        ciyu += "  <" + w.key.toLatin1() + " Chinese=\"" + base64(w.zh) + "\"/>\r\n";
    }
    put(kXml + QStringLiteral("ciyu1.xml"), ciyu + "</ciyu>\r\n");

    put(QStringLiteral("Unihan_Readings.txt"), "# test readings\n"
                                               "U+4E00\tkMandarin\tyī\n"
                                               "U+5730\tkHanyuPinlu\tdì(4000) de(300)\n"
                                               "U+5927\tkXHC1983\t0211.050:dà 0211.051*,0211.052:dài\n"
                                               "U+5929\tkMandarin\ttiān\n"
                                               "U+5C0F\tkHanyuPinyin\t10297.010:xiǎo\n"
                                               "U+5C0F\tkDefinition\tsmall\n");
}

void TestEdition::writeMedia() const {
    const QString tian = qinghe::test::dataDir() + QStringLiteral("/audio/tian.mp3");
    const QString sentence = qinghe::test::dataDir() + QStringLiteral("/audio/sentence.mp3");
    const auto recording = [&](const QString& folder, const QString& text, const QString& from) {
        const QString target =
            path(QStringLiteral("Data/RJ/") + folder + u'/' + soundName(text) + QStringLiteral(".mp3"));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(from, target);
    };
    for (const TestCharacter& c : characters) {
        recording(QStringLiteral("sound"), c.py1, tian);
        for (const QString& word : {c.zuci1, c.zuci2, c.zuci3}) {
            if (word.size() >= 2) {
                recording(QStringLiteral("sound"), word, tian);
            }
        }
        recording(QStringLiteral("lj"), c.zuci1, sentence);
        if (c.key.startsWith(QStringLiteral("lesson1"))) {
            put(QStringLiteral("Data/RJ/hzbs/book1/") + c.zi + QStringLiteral(".swf"), strokeMovie(c.zi));
        }
    }
    for (const TestWord& w : words) {
        recording(QStringLiteral("sound"), w.zh, tian);
    }
    for (const char* reading : {"010101", "010102", "010201"}) {
        const QString target =
            path(QStringLiteral("Data/RJ/lessonread/%1.mp3").arg(QString::fromLatin1(reading)));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(sentence, target);
    }
}

QByteArray TestEdition::read(const QString& relative) const {
    return qinghe::test::readFile(path(relative));
}

void TestEdition::put(const QString& relative, const QByteArray& bytes) const {
    qinghe::test::writeFile(path(relative), bytes);
}

void TestEdition::replace(const QString& relative, const QByteArray& from, const QByteArray& to) const {
    QByteArray bytes = read(relative);
    const qsizetype at = bytes.indexOf(from);
    ASSERT_GE(at, 0) << "not in " << relative.toStdString() << ": " << from.toStdString();
    put(relative, bytes.replace(at, from.size(), to));
}

} // namespace qinghe::lint::test
