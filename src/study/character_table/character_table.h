#pragma once

#include "catalogue/xml_document.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace qinghe {

// What the new-character table lists: a grade half, the checked units of it and a character type.
// It reads the book's character document by itself; the main window's lesson is not involved.
class CharacterTable {
public:
    // The parsed document at a path relative to the program folder (an empty one when unreadable).
    using DocumentSource = std::function<std::shared_ptr<const XmlDocument>(const QString& relativePath)>;

    explicit CharacterTable(DocumentSource documents);

    // The window is shown with this grade chosen: the type goes back to the first item and the
    // unit selection always starts afresh.
    void show(int gradeIndex);
    // A grade was chosen. Returns true when the book changed and the units were reset.
    bool chooseGrade(int gradeIndex);
    // A unit was checked or unchecked; the list is read again.
    void setUnitChecked(int unit, bool checked);
    // A type was chosen. Returns true when it changed and the list was read again.
    bool chooseType(int typeIndex);

    int gradeIndex() const { return grade_; }
    int book() const { return book_; }
    int typeIndex() const { return type_; }
    const QString& documentPath() const { return path_; }
    const QStringList& units() const { return unitNames_; }
    const QList<bool>& checkedUnits() const { return checked_; }
    const QString& unitKeys() const { return keys_; }
    const QStringList& characters() const { return characters_; }
    const QStringList& pinyins() const { return pinyins_; }
    int count() const { return int(characters_.size()); }
    int rowCount() const;
    // The character of a cell, empty past the last one.
    QString cell(int row, int column) const;

    QString caption() const;
    QString status() const;

private:
    void reset();
    void readSelection();

    DocumentSource documents_;
    int grade_ = 0;
    int book_ = 0; // remembered to notice a change of book
    int type_ = 0;
    QString path_;
    QStringList unitNames_;
    QList<bool> checked_;
    QString keys_;
    QStringList characters_;
    QStringList pinyins_;
};

} // namespace qinghe
