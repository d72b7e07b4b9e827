#include "study/character_table/character_table.h"

#include "study/character_table/table_texts.h"
#include "study/lesson_records.h"

namespace qinghe {

CharacterTable::CharacterTable(DocumentSource documents)
    : documents_(std::move(documents)) {}

void CharacterTable::show(int gradeIndex) {
    // The book is remembered as the bare index here, one less than any book number, so the grade
    // below always counts as a change and the units start unchecked.
    book_ = gradeIndex;
    type_ = 0;
    chooseGrade(gradeIndex);
}

bool CharacterTable::chooseGrade(int gradeIndex) {
    grade_ = gradeIndex;
    path_ = tableDocumentPath(gradeIndex + 1);
    if (gradeIndex + 1 == book_) {
        return false;
    }
    book_ = gradeIndex + 1;
    reset();
    return true;
}

void CharacterTable::setUnitChecked(int unit, bool checked) {
    if (unit < 0 || unit >= checked_.size()) {
        return;
    }
    checked_[unit] = checked;
    readSelection();
}

bool CharacterTable::chooseType(int typeIndex) {
    if (typeIndex == type_) {
        return false;
    }
    type_ = typeIndex;
    readSelection();
    return true;
}

void CharacterTable::reset() {
    characters_.clear();
    pinyins_.clear();
    unitNames_ = unitNames(book_);
    checked_ = QList<bool>(unitNames_.size(), false);
    keys_.clear();
}

void CharacterTable::readSelection() {
    keys_ = unitKeyString(checked_);
    if (keys_.isEmpty()) {
        reset();
        return;
    }
    characters_.clear();
    pinyins_.clear();
    const std::shared_ptr<const XmlDocument> document = documents_ ? documents_(path_) : nullptr;
    if (document) {
        readUnitSelection(*document, keys_, UnitSelectionMode(type_), characters_, pinyins_);
    }
}

int CharacterTable::rowCount() const {
    return tableRowCount(count());
}

QString CharacterTable::cell(int row, int column) const {
    if (row < 0 || column < 0 || column >= kTableColumns) {
        return {};
    }
    return characters_.value(row * kTableColumns + column);
}

QString CharacterTable::caption() const {
    return tableCaption(gradeItems().value(grade_), characterTypeItems().value(type_));
}

QString CharacterTable::status() const {
    return tableStatus(gradeItems().value(grade_), characterTypeItems().value(type_), count());
}

} // namespace qinghe
