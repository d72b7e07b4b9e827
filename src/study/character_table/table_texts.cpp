#include "study/character_table/table_texts.h"

#include <array>
#include <utility>

namespace qinghe {

const QStringList& gradeItems() {
    static const QStringList items{
        QStringLiteral("一年级上"), QStringLiteral("一年级下"), QStringLiteral("二年级上"),
        QStringLiteral("二年级下"), QStringLiteral("三年级上"), QStringLiteral("三年级下"),
        QStringLiteral("四年级上"), QStringLiteral("四年级下"), QStringLiteral("五年级上"),
        QStringLiteral("五年级下"), QStringLiteral("六年级上"), QStringLiteral("六年级下")};
    return items;
}

const QStringList& characterTypeItems() {
    static const QStringList items{QStringLiteral("会写+认读"), QStringLiteral("会写"),
                                   QStringLiteral("认读")};
    return items;
}

QStringList unitNames(int book) {
    QString names;
    if (book == 1) {
        names =
            QStringLiteral("识字(一),汉语拼音(一),汉语拼音(二),课文(一),识字(二),课文(二),课文(三),课文(四)");
    } else if (book == 2) {
        names = QStringLiteral("识字(一),课文(一),课文(二),课文(三),识字(二),课文(四),课文(五),课文(六)");
    } else if (book >= 3 && book <= 11) {
        names = QStringLiteral("第一单元,第二单元,第三单元,第四单元,第五单元,第六单元,第七单元,第八单元");
    } else if (book == 12) {
        names = QStringLiteral("第一单元,第二单元,第三单元,第四单元,第五单元");
    }
    return names.isEmpty() ? QStringList() : names.split(u',');
}

QString unitKeyString(const QList<bool>& checked) {
    QString keys;
    for (qsizetype i = 0; i < checked.size(); ++i) {
        if (checked[i]) {
            keys += QStringLiteral("lesson%1,").arg(i + 1);
        }
    }
    return keys;
}

QString tableDocumentPath(int book) {
    return QStringLiteral("Data\\RJ\\xml\\hanzi%1.xml").arg(book);
}

QString tableCaption(const QString& grade, const QString& type) {
    return grade + QStringLiteral("——[") + type + QStringLiteral("]");
}

QString tableStatus(const QString& grade, const QString& type, int count) {
    return grade + QStringLiteral("——所选单元（") + type + QStringLiteral("），生字%1个").arg(count);
}

int tableFontSize(int rowHeight, int currentFontSize) {
    static constexpr std::array<std::pair<int, int>, 9> kBelow{
        {{50, 15}, {60, 20}, {70, 25}, {80, 30}, {100, 36}, {120, 40}, {150, 46}, {180, 50}, {200, 56}}};
    for (const auto& [limit, size] : kBelow) {
        if (rowHeight < limit) {
            return size;
        }
    }
    return currentFontSize;
}

TableGridMetrics tableGridMetrics(int panelWidth, int currentFontSize) {
    TableGridMetrics metrics;
    metrics.columnWidth = panelWidth / (kTableColumns + 1);
    metrics.rowHeight = metrics.columnWidth;
    metrics.fontSize = tableFontSize(metrics.rowHeight, currentFontSize);
    return metrics;
}

} // namespace qinghe
