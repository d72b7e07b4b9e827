#include "app/secondary_windows.h"

#include "app/main_window.h"

namespace qinghe {

namespace {

QWidget* shell(MainWindow& main, const char* name, const QString& caption) {
    auto* window = new QWidget(&main, Qt::Window);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->hide();
    return window;
}

} // namespace

QList<QWidget*> SecondaryWindows::all() const {
    return {lessonCard,      explanation,   clickRead, lessonTest, handwritingSetup,
            synonymExercise, pinyinLessons, pairGame,  unitCard};
}

SecondaryWindows createSecondaryWindows(MainWindow& main) {
    SecondaryWindows windows;
    windows.lessonCard = shell(main, "Tfrm_LessonInfo", QStringLiteral("本课要点"));
    windows.explanation = shell(main, "Tfrm_Explain", QStringLiteral("说明"));
    windows.clickRead = shell(main, "Tfrm_LessonClick", QStringLiteral("课文学习"));
    windows.lessonTest = shell(main, "TFrm_Chinese_LessonTest_Preview", QStringLiteral("语文每课测试"));
    windows.handwritingSetup = shell(main, "Tfrm_showwrite", QStringLiteral("手写板启动设置"));
    windows.synonymExercise = shell(main, "Tfrm_jinfanci_study", QStringLiteral("专项学习"));
    windows.pinyinLessons = shell(main, "Tfrmpinyin", QStringLiteral("汉语拼音的动画学习"));
    windows.pairGame = shell(main, "TfrmDDP", QStringLiteral("对对碰"));
    windows.unitCard = shell(main, "Tfrm_UnitInfo", QStringLiteral("单元基础知识点归纳"));
    return windows;
}

} // namespace qinghe
