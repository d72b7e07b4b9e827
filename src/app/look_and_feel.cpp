#include "app/look_and_feel.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProxyStyle>
#include <QToolButton>
#include <QTranslator>

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace qinghe {

namespace {

// A double chevron pointing right (or down), drawn in the text colour.
QIcon extensionArrow(bool down, const QColor& colour) {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    for (const qreal offset : {4.0, 9.0}) {
        path.moveTo(offset, 4);
        path.lineTo(offset + 4, 8);
        path.lineTo(offset, 12);
    }
    if (down) {
        p.translate(kSize, 0);
        p.rotate(90);
    }
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.end();
    return QIcon(pixmap);
}

class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
            return extensionArrow(icon == SP_ToolBarVerticalExtensionButton,
                                  QApplication::palette().color(QPalette::ButtonText));
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    // The tool bar's buttons sit edge to edge and fill it, and their menu arrows are drawn large enough to
    // see beside the caption.
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_ToolBarItemSpacing || metric == PM_ToolBarItemMargin ||
            metric == PM_ToolBarFrameWidth) {
            return 0;
        }
        if (metric == PM_MenuButtonIndicator && qobject_cast<const QToolButton*>(widget) != nullptr) {
            return 18;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

void installProgramStyle() {
    // The application takes ownership of the style.
    QApplication::setStyle(new ProgramStyle);
}

void installChineseTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

FontConfigurationLoader::FontConfigurationLoader() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

FontConfigurationLoader::~FontConfigurationLoader() {
    wait();
}

void FontConfigurationLoader::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void installFonts() {
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    QFont::insertSubstitutions(QStringLiteral("楷体"),
                               {QStringLiteral("LXGW WenKai"), QStringLiteral("AR PL UKai CN")});
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), {QStringLiteral("WenQuanYi Zen Hei")});
    // The interface font is the Chinese one that 微软雅黑 stands for, at the desktop's size. It has the
    // Latin letters too, so no text on the first screen needs a fallback font looked up for it.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei")});
    QApplication::setFont(font);
}

} // namespace qinghe
