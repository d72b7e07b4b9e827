#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qinghe {

// The fixed texts and numbers of the new-character table.

// "一年级上" … "六年级下"; book number = index + 1.
const QStringList& gradeItems();
// "会写+认读", "会写", "认读": the index is the selection mode of the unit reading.
const QStringList& characterTypeItems();
// The unit names of a book (item i stands for unit i + 1); empty outside books 1 to 12.
QStringList unitNames(int book);
// "lesson" + (i + 1) + "," for every checked item i, in list order.
QString unitKeyString(const QList<bool>& checked);
// The character document of a book; always the RJ edition's, whatever edition is installed.
QString tableDocumentPath(int book);

// lbl_record: grade + "——[" + type + "]"
QString tableCaption(const QString& grade, const QString& type);
// First status pane: grade + "——所选单元（" + type + "），生字" + count + "个"
QString tableStatus(const QString& grade, const QString& type, int count);

inline constexpr int kTableColumns = 10;
// Rows for count characters, ten to a row.
inline int tableRowCount(int count) {
    return count > 0 ? (count + kTableColumns - 1) / kTableColumns : 0;
}

// Column width and row height from the grid panel's width, and the characters' font size (points)
// for that row height; very tall rows keep the current size.
struct TableGridMetrics {
    int columnWidth = 0;
    int rowHeight = 0;
    int fontSize = 0;
};
TableGridMetrics tableGridMetrics(int panelWidth, int currentFontSize);
int tableFontSize(int rowHeight, int currentFontSize);

// Left edge of a cell's reading, in grid coordinates (cells are columnWidth wide plus one line).
inline int readingLeft(int cellWidth, int textWidth, int columnWidth, int column) {
    return (cellWidth - textWidth) / 2 + (columnWidth + 1) * column;
}

} // namespace qinghe
