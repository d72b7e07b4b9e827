#include "records_document.h"

#include "base/base64_text.h"
#include "catalogue/xml_document.h"
#include "report.h"
#include "xml_source.h"

namespace qinghe::lint {

namespace {

// Why a value does not decode: not Base64 at all, or Base64 of bytes that are not UTF-8.
QString decodeProblem(const QString& value) {
    QByteArray compact;
    for (const QChar ch : value) {
        if (ch != u'\r' && ch != u'\n' && ch != u'\t' && ch != u' ') {
            compact += ch.unicode() < 0x80 ? char(ch.unicode()) : '!';
        }
    }
    const auto bytes = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    return bytes ? QStringLiteral("is Base64 of bytes that are not UTF-8 text")
                 : QStringLiteral("is not Base64 text");
}

QString quoted(const QString& value) {
    constexpr qsizetype kShown = 24;
    return value.size() > kShown ? value.left(kShown) + QStringLiteral("…") : value;
}

class RecordReader {
public:
    RecordReader(const XmlSource& source, const QString& file, Report& report)
        : source_(source)
        , file_(file)
        , report_(report) {}

    // Checks the element name and every attribute of one record.
    void checkRecord(const pugi::xml_node& record) {
        line_ = source_.lineOf(record);
        const QString name = xmlName(record);
        if (!isLessonKey(name)) {
            report_.error(
                file_, line_,
                QStringLiteral("element <%1> is not named by a lesson key (lesson + unit + two-digit "
                               "lesson, e.g. lesson101)")
                    .arg(name));
        }
        for (pugi::xml_attribute attribute = record.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            const QString value = QString::fromUtf8(attribute.value());
            if (!tryBase64DecodeText(value)) {
                report_.error(
                    file_, line_,
                    QStringLiteral("%1 «%2» %3")
                        .arg(QString::fromUtf8(attribute.name()), quoted(value), decodeProblem(value)));
            }
        }
    }

    QString decoded(const pugi::xml_node& record, const char* attribute) const {
        return base64DecodeText(xmlAttribute(record, attribute));
    }
    int line() const { return line_; }

private:
    const XmlSource& source_;
    const QString& file_;
    Report& report_;
    int line_ = 0;
};

template <typename Visit> void forEachRecord(const XmlSource& source, Visit visit) {
    for (pugi::xml_node node = source.root().first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) {
            visit(node);
        }
    }
}

} // namespace

bool isLessonKey(QStringView name) {
    if (name.size() != 9 || !name.startsWith(u"lesson")) {
        return false;
    }
    const QChar unit = name.at(6);
    const QChar tens = name.at(7);
    const QChar ones = name.at(8);
    const bool digits = unit >= u'1' && unit <= u'9' && tens.isDigit() && tens.unicode() < 0x80 &&
                        ones.isDigit() && ones.unicode() < 0x80;
    return digits && !(tens == u'0' && ones == u'0');
}

QStringList lessonKeysIn(QStringView name) {
    QStringList keys;
    for (qsizetype at = name.indexOf(u"lesson"); at >= 0 && at + 9 <= name.size();
         at = name.indexOf(u"lesson", at + 1)) {
        const QStringView candidate = name.sliced(at, 9);
        if (isLessonKey(candidate) && !keys.contains(candidate.toString())) {
            keys << candidate.toString();
        }
    }
    return keys;
}

std::vector<CharacterRecord> readCharacterRecords(const XmlSource& source, const QString& file,
                                                  int bookPosition, Report& report) {
    std::vector<CharacterRecord> records;
    RecordReader reader(source, file, report);
    forEachRecord(source, [&](const pugi::xml_node& node) {
        reader.checkRecord(node);
        CharacterRecord record;
        record.file = file;
        record.line = reader.line();
        record.bookPosition = bookPosition;
        record.key = xmlName(node);
        record.chinese = reader.decoded(node, "Chinese");
        record.pinyin = {reader.decoded(node, "PinYin1"), reader.decoded(node, "PinYin2"),
                         reader.decoded(node, "PinYin3")};
        record.words = {reader.decoded(node, "ZuCi1"), reader.decoded(node, "ZuCi2"),
                        reader.decoded(node, "ZuCi3")};
        record.sentence = reader.decoded(node, "ZaoJu");
        record.mustMaster = reader.decoded(node, "bx_shengzi");
        records.push_back(std::move(record));
    });
    return records;
}

std::vector<WordRecord> readWordRecords(const XmlSource& source, const QString& file, int bookPosition,
                                        Report& report) {
    std::vector<WordRecord> records;
    RecordReader reader(source, file, report);
    forEachRecord(source, [&](const pugi::xml_node& node) {
        reader.checkRecord(node);
        records.push_back(
            WordRecord{file, reader.line(), bookPosition, xmlName(node), reader.decoded(node, "Chinese")});
    });
    return records;
}

} // namespace qinghe::lint
