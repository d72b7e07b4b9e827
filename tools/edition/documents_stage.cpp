#include "documents_stage.h"

#include "base/base64_text.h"
#include "base/ini_file.h"

#include <QFile>

#include <pugixml.hpp>

#include <sstream>

namespace qinghe::edition {

namespace {

QByteArray toBytes(const pugi::xml_document& doc) {
    std::ostringstream stream;
    doc.save(stream, "  ", pugi::format_indent, pugi::encoding_utf8);
    return QByteArray::fromStdString(stream.str());
}

pugi::xml_node addNode(pugi::xml_node parent, const char* name, const QString& text, int image,
                       int selected) {
    pugi::xml_node node = parent.append_child(name);
    node.append_attribute("text") = text.toUtf8().constData();
    node.append_attribute("ImageIndex") = image;
    node.append_attribute("SelectedIndex") = selected;
    return node;
}

void encoded(pugi::xml_node node, const char* name, const QString& text) {
    node.append_attribute(name) = base64EncodeText(text).toUtf8().constData();
}

pugi::xml_document newDocument() {
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    return doc;
}

QString pageTable(const Edition& edition, const Options& options) {
    QStringList items;
    for (int number = 1; number <= 12; ++number) {
        const Book* book = edition.book(number);
        const bool installed = book != nullptr && (options.singleBook == 0 || options.singleBook == number);
        const PageRange range = installed ? pageRange(*book) : PageRange{};
        items << QString::number(range.last) << QString::number(range.first);
    }
    return items.join(u',');
}

} // namespace

QByteArray settingsFile(const Edition& edition, const Options& options, const QByteArray& existing) {
    const QString bookMode = QString::number(options.singleBook);
    if (existing.isEmpty()) {
        const QString text =
            QStringLiteral("[BasicSet]\r\nbFullScreen=0\r\nJiaoCai=%1\r\nRCLabel=R\r\nGBegin=%2\r\n"
                           "RLabel=QINGHE_OPEN\r\nBanBen=RJ\r\ndefault_xinban=1\r\nibook_Width=1530\r\n"
                           "ibook_height=1096\r\n"
                           "[UserSet]\r\nbRemTestSection=1\r\nbRemComprehensiveTest=1\r\nbRemkejian=1\r\n"
                           "[TongbuSet]\r\niComprehensive_Test_book=1\r\niTest_book=1\r\niTest_unit=1\r\n"
                           "iTest_section=1\r\ni_TestFontsize=20\r\nikejian_book=1\r\n"
                           "[SoftBoot]\r\nUse_HandWrite=-1\r\n"
                           "[Book]\r\npage=%3\r\n")
                .arg(edition.title, bookMode, pageTable(edition, options));
        return text.toUtf8();
    }
    IniDocument ini = IniDocument::fromBytes(existing);
    const auto update = [&ini](const char16_t* section, const char16_t* key, const QString& value) {
        if (ini.value(section, key) != value) {
            ini.setValue(section, key, value);
        }
    };
    update(u"BasicSet", u"JiaoCai", edition.title);
    update(u"BasicSet", u"GBegin", bookMode);
    update(u"BasicSet", u"BanBen", QStringLiteral("RJ"));
    update(u"Book", u"page", pageTable(edition, options));
    return ini.bytes();
}

QByteArray catalogueDocument(const Edition& edition, const Options& options) {
    pugi::xml_document doc = newDocument();
    pugi::xml_node root = doc.append_child("catalogue");
    pugi::xml_node top = addNode(root, "edition", edition.title, 0, 0);
    for (const PlacedBook& placed : placedBooks(edition, options)) {
        pugi::xml_node book = addNode(top, "book", placed.book->title, 1, 2);
        for (const Unit& unit : placed.book->units) {
            pugi::xml_node unitNode = addNode(book, "unit", unit.title, 3, 4);
            for (const Lesson& lesson : unit.lessons) {
                addNode(unitNode, "lesson", lesson.title, 5, 6);
            }
        }
    }
    return toBytes(doc);
}

QByteArray characterDocument(const Book& book) {
    pugi::xml_document doc = newDocument();
    pugi::xml_node root = doc.append_child("hanzi");
    for (int u = 0; u < book.units.size(); ++u) {
        for (int l = 0; l < book.units[u].lessons.size(); ++l) {
            const QByteArray key = lessonKeyFor(u, l).toLatin1();
            for (const CharacterEntry& c : book.units[u].lessons[l].chars) {
                pugi::xml_node record = root.append_child(key.constData());
                encoded(record, "Chinese", c.zi);
                encoded(record, "PinYin1", c.py);
                encoded(record, "PinYin2", c.py2);
                encoded(record, "PinYin3", c.py3);
                for (int i = 0; i < 3; ++i) {
                    const QByteArray name = "ZuCi" + QByteArray::number(i + 1);
                    encoded(record, name.constData(), i < c.words.size() ? c.words[i].zh : QString());
                }
                encoded(record, "ZaoJu", c.sentence.zh);
                encoded(record, "bx_shengzi", c.must ? QStringLiteral("1") : QStringLiteral("0"));
            }
        }
    }
    return toBytes(doc);
}

QByteArray wordDocument(const Book& book) {
    pugi::xml_document doc = newDocument();
    pugi::xml_node root = doc.append_child("ciyu");
    for (int u = 0; u < book.units.size(); ++u) {
        for (int l = 0; l < book.units[u].lessons.size(); ++l) {
            const QByteArray key = lessonKeyFor(u, l).toLatin1();
            for (const Spoken& word : book.units[u].lessons[l].words) {
                encoded(root.append_child(key.constData()), "Chinese", word.zh);
            }
        }
    }
    return toBytes(doc);
}

QByteArray lessonTextDocument(const Lesson& lesson) {
    QString out;
    for (qsizetype i = 0; i < lesson.text.size(); ++i) {
        // Tabs and line breaks would break the table; the texts never need them.
        QString zh = lesson.text[i].zh;
        QString py = lesson.text[i].py;
        for (QString* field : {&zh, &py}) {
            field->replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        }
        out += QString::number(i) + u'\t' + zh + u'\t' + py + u'\n';
    }
    return out.toUtf8();
}

int writeDocuments(const Edition& edition, const Options& options, OutputTree& out) {
    int written = 0;
    const auto write = [&](const QString& relative, const QByteArray& bytes) {
        bool changed = false;
        out.writeIfChanged(relative, bytes, &changed);
        written += changed ? 1 : 0;
    };
    QFile existing(out.path(QStringLiteral("Data/systxt/Set.ini")));
    const QByteArray current = existing.open(QIODevice::ReadOnly) ? existing.readAll() : QByteArray();
    write(QStringLiteral("Data/systxt/Set.ini"), settingsFile(edition, options, current));
    write(kEditionFolder + QStringLiteral("xml/unit.xml"), catalogueDocument(edition, options));
    for (const PlacedBook& placed : placedBooks(edition, options)) {
        const QByteArray characters = characterDocument(*placed.book);
        const QByteArray words = wordDocument(*placed.book);
        write(kEditionFolder + QStringLiteral("xml/hanzi%1.xml").arg(placed.position), characters);
        write(kEditionFolder + QStringLiteral("xml/ciyu%1.xml").arg(placed.position), words);
        for (int u = 0; u < placed.book->units.size(); ++u) {
            for (int l = 0; l < placed.book->units[u].lessons.size(); ++l) {
                write(kEditionFolder + QStringLiteral("lessontext/") +
                          lessonFileStem(placed.position, u + 1, l + 1) + QStringLiteral(".txt"),
                      lessonTextDocument(placed.book->units[u].lessons[l]));
            }
        }
        if (placed.position != placed.book->number) {
            // The new-character table names its document by the book's own number.
            write(kEditionFolder + QStringLiteral("xml/hanzi%1.xml").arg(placed.book->number), characters);
        }
    }
    return written;
}

} // namespace qinghe::edition
