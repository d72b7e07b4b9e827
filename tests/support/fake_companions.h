#pragma once

#include "app/companion_windows.h"

#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace qinghe::test {

// Companion windows a test switches on one by one; records every call. A lesson test is a plain
// widget with a hand-in button "btnkey"; a test paper and the topic chooser are plain widgets.
class FakeCompanions final : public CompanionWindows {
public:
    bool available(Activity activity) const override { return offered.contains(int(activity)); }
    void offer(Activity activity) { offered.insert(int(activity)); }

    QWidget* openLessonTest(QWidget* studyArea, const LessonTestRequest& request) override {
        calls << QStringLiteral("openLessonTest(%1, %2, %3, %4)")
                     .arg(request.sectionKey, request.bookKey, request.testKey, request.title);
        lessonTest = new QWidget(studyArea);
        auto* handIn = new QWidget(lessonTest);
        handIn->setObjectName(QStringLiteral("btnkey"));
        return lessonTest;
    }
    QWidget* openTestPaper(QWidget* host, const TestPaperRequest& request) override {
        calls << QStringLiteral("openTestPaper(%1, %2, %3)")
                     .arg(request.paperName, request.bookKey, request.title);
        paper = new QWidget(host);
        return paper;
    }
    bool openClickRead() override { return record(QStringLiteral("openClickRead"), Activity::ClickRead); }
    bool showLessonCard() override { return record(QStringLiteral("showLessonCard"), Activity::LessonCard); }
    bool showUnitCard(int book, int unit, const QString& title) override {
        return record(QStringLiteral("showUnitCard(%1, %2, %3)").arg(book).arg(unit).arg(title),
                      Activity::UnitCard);
    }
    bool openPinyinLessons() override {
        return record(QStringLiteral("openPinyinLessons"), Activity::PinyinLessons);
    }
    QWidget* openTopicChooser(QWidget* studyArea) override {
        calls << QStringLiteral("openTopicChooser");
        chooser = new QWidget(studyArea);
        return chooser;
    }
    void closeTopicActivities() override { ++closes; }
    bool showHandwritingSetup() override {
        return record(QStringLiteral("showHandwritingSetup"), Activity::HandwritingSetup);
    }

    QSet<int> offered;
    QStringList calls;
    int closes = 0;
    QPointer<QWidget> lessonTest;
    QPointer<QWidget> paper;
    QPointer<QWidget> chooser;

private:
    bool record(const QString& call, Activity activity) {
        calls << call;
        return available(activity);
    }
};

} // namespace qinghe::test
