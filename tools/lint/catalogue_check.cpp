#include "catalogue_check.h"

#include "catalogue/xml_document.h"
#include "edition_paths.h"
#include "report.h"
#include "xml_source.h"

namespace qinghe::lint {

namespace {

std::vector<pugi::xml_node> childElements(const pugi::xml_node& parent) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element) {
            children.push_back(child);
        }
    }
    return children;
}

QString bookCount(size_t count) {
    return count == 1 ? QStringLiteral("1 book") : QStringLiteral("%1 books").arg(count);
}

class CatalogueReader {
public:
    CatalogueReader(const XmlSource& source, const QString& file, Report& report)
        : source_(source)
        , file_(file)
        , report_(report) {}

    // The node's caption, after checking the attributes every node must carry.
    QString readNode(const pugi::xml_node& node) const {
        const int line = source_.lineOf(node);
        const QString element = QStringLiteral("<%1>").arg(xmlName(node));
        if (!node.attribute("text")) {
            report_.error(file_, line, element + QStringLiteral(" lacks the attribute text (its caption)"));
        } else if (xmlAttribute(node, "text").trimmed().isEmpty()) {
            report_.warning(file_, line, element + QStringLiteral(" has an empty caption"));
        }
        for (const char* name : {"ImageIndex", "SelectedIndex"}) {
            const QString attribute = QString::fromLatin1(name);
            if (!node.attribute(name)) {
                report_.error(file_, line, element + QStringLiteral(" lacks the attribute ") + attribute);
                continue;
            }
            bool ok = false;
            xmlAttribute(node, name).trimmed().toInt(&ok);
            if (!ok) {
                report_.error(file_, line,
                              QStringLiteral("%1 %2 «%3» is not an integer")
                                  .arg(element, attribute, xmlAttribute(node, name)));
            }
        }
        return xmlAttribute(node, "text");
    }

    int line(const pugi::xml_node& node) const { return source_.lineOf(node); }

private:
    const XmlSource& source_;
    const QString& file_;
    Report& report_;
};

} // namespace

EditionTree checkCatalogue(const EditionPaths& paths, const Settings& settings, Report& report) {
    EditionTree tree;
    const QString relative = paths.editionFolder() + QStringLiteral("/xml/unit.xml");
    tree.file = paths.shown(relative);
    const XmlSource source = XmlSource::load(paths.absolute(relative));
    if (!source.reportProblems(report, tree.file,
                               QStringLiteral("missing; the table of contents stays empty"))) {
        return tree;
    }
    tree.loaded = true;
    const CatalogueReader reader(source, tree.file, report);
    const std::vector<pugi::xml_node> top = childElements(source.root());
    if (top.empty()) {
        report.error(
            tree.file, reader.line(source.root()),
            QStringLiteral("the table of contents is empty: no top node under the document element"));
        return tree;
    }
    reader.readNode(top.front());
    for (size_t i = 1; i < top.size(); ++i) {
        report.error(tree.file, reader.line(top[i]),
                     QStringLiteral("a second top node «%1»; the edition is one top node holding the books")
                         .arg(xmlAttribute(top[i], "text")));
    }

    const std::vector<pugi::xml_node> books = childElements(top.front());
    const bool allBooks = settings.bookMode == u"0";
    if (books.empty()) {
        report.error(tree.file, reader.line(top.front()), QStringLiteral("the top node holds no books"));
    } else if (allBooks && books.size() != 12) {
        report.warning(tree.file, reader.line(top.front()),
                       QStringLiteral("the top node holds %1; an installation of all books (GBegin 0) "
                                      "holds twelve")
                           .arg(bookCount(books.size())));
    } else if (!allBooks && books.size() != 1) {
        report.warning(tree.file, reader.line(top.front()),
                       QStringLiteral("the top node holds %1; a one-book installation (GBegin %2) "
                                      "holds one")
                           .arg(bookCount(books.size()), settings.bookMode));
    }

    for (size_t b = 0; b < books.size(); ++b) {
        TreeBook book;
        book.line = reader.line(books[b]);
        book.caption = reader.readNode(books[b]);
        book.position = int(b) + 1;
        const QString xmlFolder = paths.editionFolder() + QStringLiteral("/xml/");
        book.characterFile = paths.shown(xmlFolder + QStringLiteral("hanzi%1.xml").arg(book.position));
        book.wordFile = paths.shown(xmlFolder + QStringLiteral("ciyu%1.xml").arg(book.position));
        const std::vector<pugi::xml_node> units = childElements(books[b]);
        if (units.empty()) {
            report.warning(tree.file, book.line, QStringLiteral("book «%1» has no units").arg(book.caption));
        } else if (units.size() > size_t(kMaxUnitsPerBook)) {
            report.error(tree.file, book.line,
                         QStringLiteral("book «%1» has %2 units; a book holds at most %3 (lesson keys give "
                                        "the unit one digit)")
                             .arg(book.caption)
                             .arg(units.size())
                             .arg(kMaxUnitsPerBook));
        }
        for (size_t u = 0; u < units.size(); ++u) {
            TreeUnit unit;
            unit.line = reader.line(units[u]);
            unit.caption = reader.readNode(units[u]);
            const std::vector<pugi::xml_node> lessons = childElements(units[u]);
            if (lessons.empty()) {
                report.warning(
                    tree.file, unit.line,
                    QStringLiteral("unit «%1» of book «%2» has no lessons").arg(unit.caption, book.caption));
            } else if (lessons.size() > size_t(kMaxLessonsPerUnit)) {
                report.error(tree.file, unit.line,
                             QStringLiteral("unit «%1» has %2 lessons; lesson keys number at most %3")
                                 .arg(unit.caption)
                                 .arg(lessons.size())
                                 .arg(kMaxLessonsPerUnit));
            }
            for (size_t l = 0; l < lessons.size(); ++l) {
                TreeLesson lesson;
                lesson.line = reader.line(lessons[l]);
                lesson.caption = reader.readNode(lessons[l]);
                const LessonPlace place{int(b), int(u), int(l), book.caption, unit.caption, lesson.caption};
                lesson.lesson = makeCurrentLesson(place, settings.bookMode, settings.edition);
                if (!childElements(lessons[l]).empty()) {
                    report.warning(tree.file, lesson.line,
                                   QStringLiteral("lesson «%1» holds child elements; nodes below the lessons "
                                                  "are not lessons")
                                       .arg(lesson.caption));
                }
                unit.lessons.push_back(std::move(lesson));
            }
            book.units.push_back(std::move(unit));
        }
        tree.books.push_back(std::move(book));
    }
    return tree;
}

} // namespace qinghe::lint
