#include "study/lesson_records.h"

#include "base/base64_text.h"
#include "catalogue/xml_document.h"

namespace qinghe {

namespace {

QString decoded(const pugi::xml_node& record, const char* attribute) {
    return base64DecodeText(QString::fromUtf8(record.attribute(attribute).value()));
}

bool nameContains(const pugi::xml_node& record, const QByteArray& key) {
    return record.type() == pugi::node_element && QByteArrayView(record.name()).contains(key);
}

} // namespace

QStringList readRecordList(const XmlDocument& document, const QString& lessonKey, const char* attribute) {
    QStringList list;
    const QByteArray key = lessonKey.toUtf8();
    for (pugi::xml_node record = document.root().first_child(); record; record = record.next_sibling()) {
        if (nameContains(record, key)) {
            list << decoded(record, attribute);
        }
    }
    return list;
}

void readCharacterLists(const XmlDocument& document, const QString& lessonKey, LessonLists& lists) {
    lists.chars.clear();
    lists.pinyins.clear();
    lists.mustChars.clear();
    lists.mustPinyins.clear();
    const QByteArray key = lessonKey.toUtf8();
    for (pugi::xml_node record = document.root().first_child(); record; record = record.next_sibling()) {
        if (!nameContains(record, key)) {
            continue;
        }
        const QString character = decoded(record, "Chinese");
        const QString pinyin = decoded(record, "PinYin1");
        lists.chars << character;
        lists.pinyins << pinyin;
        if (decoded(record, "bx_shengzi") == u"1") {
            lists.mustChars << character;
            lists.mustPinyins << pinyin;
        }
    }
}

int readUnitSelection(const XmlDocument& document, const QString& unitKeys, UnitSelectionMode mode,
                      QStringList& characters, QStringList& pinyins) {
    characters.clear();
    pinyins.clear();
    for (pugi::xml_node record = document.root().first_child(); record; record = record.next_sibling()) {
        if (record.type() != pugi::node_element) {
            continue;
        }
        const QString prefix = QString::fromUtf8(record.name()).left(7);
        if (!unitKeys.contains(prefix)) {
            continue;
        }
        const QString flag = decoded(record, "bx_shengzi");
        if ((mode == UnitSelectionMode::MustMaster && flag != u"1") ||
            (mode == UnitSelectionMode::RecogniseOnly && flag != u"0")) {
            continue;
        }
        characters << decoded(record, "Chinese");
        pinyins << decoded(record, "PinYin1");
    }
    return int(characters.size());
}

QString characterPath(const QString& lessonKey, const QString& character) {
    return lessonKey + QStringLiteral("[@Chinese=\"") + base64EncodeText(character) + QStringLiteral("\"]");
}

QString lookupAttribute(const XmlDocument& document, const QString& path, const char* attribute) {
    const QString failed = QStringLiteral(" ");
    if (!document.isLoaded()) {
        return failed;
    }
    try {
        const pugi::xpath_node match = document.root().select_node(path.toUtf8().constData());
        const pugi::xml_attribute value = match.node().attribute(attribute);
        if (!value) {
            return failed;
        }
        const std::optional<QString> text = tryBase64DecodeText(QString::fromUtf8(value.value()));
        return text ? *text : failed;
    } catch (...) {
        return failed;
    }
}

StudyRecords::StudyRecords(const PathResolver& paths)
    : paths_(paths)
    , characters_(std::make_shared<XmlDocument>())
    , words_(std::make_shared<XmlDocument>()) {}

void StudyRecords::openBook(const QString& characterFile, const QString& wordFile) {
    characters_ = cache_.get(paths_.resolve(characterFile));
    words_ = cache_.get(paths_.resolve(wordFile));
}

LessonLists StudyRecords::readLessonLists(const CurrentLesson& lesson) {
    LessonLists lists;
    readCharacterLists(*characters_, lesson.lessonKey, lists);
    lists.words = readRecordList(*words_, lesson.lessonKey, "Chinese");
    return lists;
}

QString StudyRecords::characterAttribute(const QString& lessonKey, const QString& character,
                                         const char* attribute) const {
    return lookupAttribute(*characters_, characterPath(lessonKey, character), attribute).trimmed();
}

QString StudyRecords::bookCharacters() {
    if (bookCharactersOf_ == characters_) {
        return bookCharacters_;
    }
    QString all;
    for (pugi::xml_node record = characters_->root().first_child(); record; record = record.next_sibling()) {
        if (record.type() != pugi::node_element) {
            continue;
        }
        const QString character = decoded(record, "Chinese").trimmed();
        if (!character.isEmpty() && !all.contains(character)) {
            all += character;
        }
    }
    bookCharactersOf_ = characters_;
    bookCharacters_ = all;
    return all;
}

std::shared_ptr<const XmlDocument> StudyRecords::document(const QString& relativePath) {
    return cache_.get(paths_.resolve(relativePath));
}

} // namespace qinghe
