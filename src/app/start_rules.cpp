#include "app/start_rules.h"

namespace qinghe {

StartSelection chooseStartSelection(const QString& bookMode, const QString& startGrade,
                                    const std::function<bool(const NodePath&)>& exists) {
    StartSelection start;
    if (bookMode != u"0") {
        start.select = {0, 0, 0};
        start.expand = {0, 0};
        start.hideGradeMenu = true;
        return start;
    }
    // Only the exact texts "1".."6" name a grade.
    if (startGrade.size() != 1 || startGrade[0] < u'1' || startGrade[0] > u'6') {
        return start;
    }
    const int grade = startGrade[0].unicode() - u'0';
    start.checkedGrade = grade;
    const NodePath wanted{0, 2 * grade - 2, 0, 0};
    if (exists(wanted)) {
        start.select = wanted;
    } else if (grade >= 3) {
        start.select = {0, 0, 0, 0};
        start.expand = {0, 1};
    }
    return start;
}

MainWindowPlacement placeMainWindow(bool fullScreen, const QRect& screen, const QRect& workArea) {
    MainWindowPlacement placement;
    if (fullScreen) {
        placement.geometry = QRect(0, 0, screen.width(), screen.height());
        placement.frameless = true;
    } else {
        placement.geometry = QRect(0, 0, screen.width(), workArea.height());
        placement.maximised = true;
    }
    return placement;
}

QString movieBasePath(const QString& programDirectory) {
    QString base = programDirectory;
    base.replace(QStringLiteral(":\\"), QStringLiteral("|/"));
    base.replace(u'\\', u'/');
    return base;
}

QString movieFolderUrl(const QString& programDirectory) {
    QString base = movieBasePath(programDirectory);
    while (base.startsWith(u'/')) {
        base.remove(0, 1);
    }
    return QStringLiteral("file:///") + base;
}

} // namespace qinghe
