#pragma once

#include <QString>

class QWidget;

namespace qinghe {

// What the per-lesson test window is handed: section "c2s5", book "book3", test "LessonTest3",
// title "【小蝌蚪】测验".
struct LessonTestRequest {
    QString sectionKey;
    QString bookKey;
    QString testKey;
    QString title;
};

// What a test-paper window is handed: the paper (file name without extension), the book key and the
// title shown above the paper.
struct TestPaperRequest {
    QString paperName;
    QString bookKey;
    QString title;
};

// The windows the main window opens for other activities: test papers, per-lesson tests,
// click-to-read, key-point cards, pinyin lessons, the topic chooser and its games, the handwriting
// pad settings. Each activity module implements its part; an activity this build does not have
// opens nothing (nullptr / false) and the main window then changes nothing either.
class CompanionWindows {
public:
    enum class Activity {
        LessonTest,
        TestPaper,
        ClickRead,
        LessonCard,
        UnitCard,
        PinyinLessons,
        TopicChooser,
        HandwritingSetup
    };

    virtual ~CompanionWindows() = default;

    // Whether this build offers the activity at all; the main window asks first, so an activity
    // that is not there leaves every button and panel as it was.
    virtual bool available(Activity activity) const = 0;

    // Created anew in the study area, filling it; the previous one is closed first.
    virtual QWidget* openLessonTest(QWidget* studyArea, const LessonTestRequest& request) = 0;
    // Created inside the host panel, filling it.
    virtual QWidget* openTestPaper(QWidget* host, const TestPaperRequest& request) = 0;
    virtual bool openClickRead() = 0;
    virtual bool showLessonCard() = 0;
    virtual bool showUnitCard(int book, int unit, const QString& title) = 0;
    virtual bool openPinyinLessons() = 0;
    // Created in the study area, filling it.
    virtual QWidget* openTopicChooser(QWidget* studyArea) = 0;
    // Closes the pair game, the synonym exercise and the topic chooser when showing, and stops the
    // chooser's animation timers.
    virtual void closeTopicActivities() = 0;
    // Modal; false when there is no such dialog.
    virtual bool showHandwritingSetup() = 0;
};

// The activities this build offers none of.
class NoCompanionWindows final : public CompanionWindows {
public:
    bool available(Activity) const override { return false; }
    QWidget* openLessonTest(QWidget*, const LessonTestRequest&) override { return nullptr; }
    QWidget* openTestPaper(QWidget*, const TestPaperRequest&) override { return nullptr; }
    bool openClickRead() override { return false; }
    bool showLessonCard() override { return false; }
    bool showUnitCard(int, int, const QString&) override { return false; }
    bool openPinyinLessons() override { return false; }
    QWidget* openTopicChooser(QWidget*) override { return nullptr; }
    void closeTopicActivities() override {}
    bool showHandwritingSetup() override { return false; }
};

} // namespace qinghe
