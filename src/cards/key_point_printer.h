#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace qinghe {

// Prints a key-point card as a small report: the title at the top of the first page, then the
// card's text in 宋体 13 pt, wrapped to the page width and carried on over as many pages as it
// takes, with the page number at the foot of every page. Works on any paged device: the printer
// behind the print preview, or a PDF writer.
class KeyPointPrinter {
public:
    KeyPointPrinter(QString title, QString text);

    // A4 portrait with 20 mm margins, the page the report is laid out for.
    static void preparePage(QPagedPaintDevice& device);

    // Paints every page onto the device and returns how many there were (0 when the device could
    // not be painted on).
    int print(QPagedPaintDevice& device) const;

    static QFont titleFont();
    static QFont textFont();
    // "第 n 页 / 共 m 页"
    static QString pageFooter(int page, int pages);

    // The text as printed paragraphs: line ends of any kind split it, tabs become spaces.
    static QStringList paragraphs(const QString& text);

private:
    QString title_;
    QString text_;
};

} // namespace qinghe
