#include "cards/key_point_records.h"

#include "base/base64_text.h"
#include "catalogue/xml_document.h"

namespace qinghe {

namespace {

QString xmlFolder(const QString& edition) {
    return QStringLiteral("Data\\") + edition + QStringLiteral("\\xml\\");
}

} // namespace

QString lessonKeyPointDocument(const QString& edition, int bookNumber) {
    return xmlFolder(edition) + QStringLiteral("book") + QString::number(bookNumber) + QStringLiteral(".xml");
}

QString unitKeyPointDocument(const QString& edition, int bookNumber) {
    return xmlFolder(edition) + QStringLiteral("book") + QString::number(bookNumber) +
           QStringLiteral("_dyzs.xml");
}

QString unitKeyPointKey(int unitNumber) {
    return QStringLiteral("lesson") + QString::number(unitNumber);
}

QString keyPointText(const XmlDocument& document, const QString& key) {
    if (!document.isLoaded() || key.isEmpty()) {
        return {};
    }
    const QByteArray wanted = key.toUtf8();
    for (const pugi::xml_node& record : document.root().children()) {
        if (record.type() == pugi::node_element && wanted == record.name()) {
            return base64DecodeText(xmlAttribute(record, "LessonInfo"));
        }
    }
    return {};
}

QString keyPointTextFromFile(const QString& path, const QString& key) {
    XmlDocument document;
    document.load(path);
    return keyPointText(document, key);
}

QString keyPointTextFromBytes(const QByteArray& xml, const QString& key) {
    XmlDocument document;
    document.loadBytes(xml);
    return keyPointText(document, key);
}

QString lessonCardTitle(const QString& lessonTitle) {
    return QStringLiteral("　　　《") + lessonTitle + QStringLiteral("》课文要点");
}

} // namespace qinghe
