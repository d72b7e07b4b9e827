#include "app/app_companions.h"

#include "app/main_window.h"
#include "app/window_parking.h"
#include "cards/lesson_card_window.h"
#include "cards/pinyin_lessons_window.h"
#include "cards/unit_card_window.h"
#include "study/dictation/dictation_list_window.h"

namespace qinghe {

namespace {

// A window of an activity still to come: hidden, empty, with its caption.
QWidget* placeholder(MainWindow& main, const char* name, const QString& caption) {
    auto* window = new QWidget(&main, Qt::Window);
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->hide();
    return window;
}

} // namespace

AppCompanions::AppCompanions(const PathResolver& paths, MovieHostFactory movies, AudioService& audio)
    : paths_(paths)
    , movies_(std::move(movies))
    , audio_(audio) {}

AppCompanions::~AppCompanions() {
    // The pinyin window has no parent (it must stay visible while the main window is parked).
    delete pinyin_.data();
}

void AppCompanions::createWindows(MainWindow& main) {
    main_ = &main;
    const RunState& state = main.runState();
    lessonCard_ = new LessonCardWindow(state, paths_, &main);
    windows_ << lessonCard_.data();
    windows_ << placeholder(main, "Tfrm_Explain", QStringLiteral("说明"));
    windows_ << placeholder(main, "Tfrm_LessonClick", QStringLiteral("课文学习"));
    windows_ << placeholder(main, "TFrm_Chinese_LessonTest_Preview", QStringLiteral("语文每课测试"));
    windows_ << static_cast<QWidget*>(main.dictationList());
    windows_ << placeholder(main, "Tfrm_jinfanci_study", QStringLiteral("专项学习"));
    pinyin_ = new PinyinLessonsWindow(paths_, movies_, audio_, &main, [this] {
        if (main_ != nullptr) {
            toggleParking(main_);
            main_->raise();
            main_->activateWindow();
        }
    });
    windows_ << pinyin_.data();
    windows_ << placeholder(main, "TfrmDDP", QStringLiteral("对对碰"));
    unitCard_ = new UnitCardWindow(state, paths_, &main);
    windows_ << unitCard_.data();
    for (const QPointer<QWidget>& window : windows_) {
        if (window) {
            window->hide();
        }
    }
}

QList<QWidget*> AppCompanions::windows() const {
    QList<QWidget*> list;
    for (const QPointer<QWidget>& window : windows_) {
        list << window.data();
    }
    return list;
}

bool AppCompanions::available(Activity activity) const {
    switch (activity) {
    case Activity::LessonCard:
    case Activity::UnitCard:
    case Activity::PinyinLessons:
        return main_ != nullptr;
    case Activity::HandwritingSetup:
        return bool(handwritingSetup_);
    case Activity::LessonTest:
    case Activity::TestPaper:
    case Activity::ClickRead:
    case Activity::TopicChooser:
        return false;
    }
    return false;
}

bool AppCompanions::showLessonCard() {
    if (!lessonCard_) {
        return false;
    }
    lessonCard_->showForCurrentLesson();
    return true;
}

bool AppCompanions::showUnitCard(int book, int unit, const QString& title) {
    if (!unitCard_) {
        return false;
    }
    unitCard_->showUnit(book, unit, title);
    return true;
}

bool AppCompanions::openPinyinLessons() {
    return pinyin_ && pinyin_->open();
}

bool AppCompanions::showHandwritingSetup() {
    if (!handwritingSetup_) {
        return false;
    }
    handwritingSetup_();
    return true;
}

} // namespace qinghe
