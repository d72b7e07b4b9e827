#pragma once

#include "app/companion_windows.h"
#include "base/path_resolver.h"
#include "movie/movie_host.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace qinghe {

class AudioService;
class LessonCardWindow;
class MainWindow;
class PinyinLessonsWindow;
class UnitCardWindow;

// The companion windows this build offers — the key-point cards and the pinyin lessons — and the
// long-lived windows of activities still to come, kept as hidden, empty windows with their captions.
// Made right after the main window has painted, in the order the program has always made them.
class AppCompanions final : public CompanionWindows {
public:
    AppCompanions(const PathResolver& paths, MovieHostFactory movies, AudioService& audio);
    ~AppCompanions() override;

    // Creates the long-lived windows, hidden, owned by the main window.
    void createWindows(MainWindow& main);
    // Every long-lived window in creation order (for tests).
    QList<QWidget*> windows() const;

    bool available(Activity activity) const override;
    QWidget* openLessonTest(QWidget*, const LessonTestRequest&) override { return nullptr; }
    QWidget* openTestPaper(QWidget*, const TestPaperRequest&) override { return nullptr; }
    bool openClickRead() override { return false; }
    bool showLessonCard() override;
    bool showUnitCard(int book, int unit, const QString& title) override;
    bool openPinyinLessons() override;
    QWidget* openTopicChooser(QWidget*) override { return nullptr; }
    void closeTopicActivities() override {}
    bool showHandwritingSetup() override;

    // The handwriting pad settings dialog, modal; set by the application once made.
    void setHandwritingSetup(std::function<void()> show) { handwritingSetup_ = std::move(show); }

private:
    const PathResolver& paths_;
    MovieHostFactory movies_;
    AudioService& audio_;
    MainWindow* main_ = nullptr;
    QPointer<LessonCardWindow> lessonCard_;
    QPointer<UnitCardWindow> unitCard_;
    QPointer<PinyinLessonsWindow> pinyin_;
    QList<QPointer<QWidget>> windows_;
    std::function<void()> handwritingSetup_;
};

} // namespace qinghe
