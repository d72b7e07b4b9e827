#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace qinghe {

class MainWindow;

// The long-lived companion windows, created hidden right after the main window has painted and
// owned by it. A window whose content is not built yet is an empty, hidden window with its caption.
// (The dictation list belongs to the dictation panel and is made with the main window.)
struct SecondaryWindows {
    QPointer<QWidget> lessonCard;
    QPointer<QWidget> explanation;
    QPointer<QWidget> clickRead;
    QPointer<QWidget> lessonTest;
    QPointer<QWidget> handwritingSetup;
    QPointer<QWidget> synonymExercise;
    QPointer<QWidget> pinyinLessons;
    QPointer<QWidget> pairGame;
    QPointer<QWidget> unitCard;

    // In creation order.
    QList<QWidget*> all() const;
};

SecondaryWindows createSecondaryWindows(MainWindow& main);

} // namespace qinghe
