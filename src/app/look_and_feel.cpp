#include "app/look_and_feel.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace qinghe {

void installChineseTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("楷体"),
                               {QStringLiteral("LXGW WenKai"), QStringLiteral("AR PL UKai CN")});
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), {QStringLiteral("WenQuanYi Zen Hei")});
}

} // namespace qinghe
