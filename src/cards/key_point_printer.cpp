#include "cards/key_point_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <memory>
#include <vector>

namespace qinghe {

namespace {

// The printed face: 宋体 as the card names it, then the Ming and Hei faces that stand in for it
// here, named outright so a print never falls back to a face without the characters.
QFont printFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// One wrapped line of a paragraph and where it goes.
struct PlacedLine {
    const QTextLayout* layout = nullptr;
    int line = 0;
    int page = 0;
    qreal y = 0;
};

// Lays out paragraphs to a width; each layout keeps its lines (positioned at 0,0) for drawing.
std::vector<std::unique_ptr<QTextLayout>> layOut(const QStringList& paragraphs, const QFont& font,
                                                 QPaintDevice* device, qreal width, Qt::Alignment align) {
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    layouts.reserve(std::size_t(paragraphs.size()));
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : paragraphs) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font, device);
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, 0));
        }
        layout->endLayout();
        layouts.push_back(std::move(layout));
    }
    return layouts;
}

} // namespace

KeyPointPrinter::KeyPointPrinter(QString title, QString text)
    : title_(std::move(title))
    , text_(std::move(text)) {}

void KeyPointPrinter::preparePage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
}

QFont KeyPointPrinter::titleFont() {
    return printFont(18, true);
}

QFont KeyPointPrinter::textFont() {
    return printFont(13, false);
}

QString KeyPointPrinter::pageFooter(int page, int pages) {
    return QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(pages);
}

QStringList KeyPointPrinter::paragraphs(const QString& text) {
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(u'\r', u'\n');
    normal.replace(u'\t', u' ');
    normal.replace(QChar::LineSeparator, u'\n');
    normal.replace(QChar::ParagraphSeparator, u'\n');
    QStringList out = normal.split(u'\n');
    // A text ending in a line break has no empty last paragraph to print.
    if (out.size() > 1 && out.last().isEmpty()) {
        out.removeLast();
    }
    return out;
}

int KeyPointPrinter::print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const qreal width = device.width();
    const qreal height = device.height();
    const QFont footerFont = printFont(9, false);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal footerHeight = footerMetrics.height() * 2;
    const qreal bottom = height - footerHeight;
    const QFontMetricsF textMetrics(textFont(), &device);
    // A little air between lines: Chinese text set solid is hard for a child to follow.
    const qreal gap = textMetrics.height() * 0.35;

    const QString title = title_.trimmed();
    const auto titleLayouts = layOut(title.isEmpty() ? QStringList() : QStringList{title}, titleFont(),
                                     &device, width, Qt::AlignHCenter);
    const auto textLayouts = layOut(paragraphs(text_), textFont(), &device, width, Qt::AlignLeft);

    // Place every line first, so that each footer can name the page count.
    std::vector<PlacedLine> placed;
    int page = 0;
    qreal y = 0;
    const auto place = [&](const QTextLayout& layout, qreal spacing) {
        for (int i = 0; i < layout.lineCount(); ++i) {
            const qreal lineHeight = layout.lineAt(i).height();
            if (y > 0 && y + lineHeight > bottom) {
                ++page;
                y = 0;
            }
            placed.push_back({&layout, i, page, y});
            y += lineHeight + spacing;
        }
    };
    for (const auto& layout : titleLayouts) {
        place(*layout, gap);
    }
    if (!titleLayouts.empty()) {
        y += textMetrics.height();
    }
    for (const auto& layout : textLayouts) {
        place(*layout, gap);
    }
    const int pages = page + 1;

    int current = 0;
    const auto footer = [&](int index) {
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(
            QRectF(0, height - footerHeight / 2 - footerMetrics.height() / 2, width, footerMetrics.height()),
            Qt::AlignHCenter | Qt::AlignVCenter, pageFooter(index + 1, pages));
    };
    painter.setPen(Qt::black);
    for (const PlacedLine& line : placed) {
        while (line.page > current) {
            footer(current);
            device.newPage();
            ++current;
        }
        painter.setPen(Qt::black);
        line.layout->lineAt(line.line).draw(&painter, QPointF(0, line.y));
    }
    while (current < pages) {
        footer(current);
        if (++current < pages) {
            device.newPage();
        }
    }
    painter.end();
    return pages;
}

} // namespace qinghe
