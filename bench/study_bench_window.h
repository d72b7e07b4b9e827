#pragma once

// The real main window over the edition in QINGHE_HOME (or beside the program), for benchmarks: real
// movie engine, real audio engine on SDL's dummy driver, records, no companion windows, a prompter
// that answers OK.
#include "app/app_services.h"
#include "app/companion_windows.h"
#include "app/main_window.h"
#include "audio_engine/audio_engine.h"
#include "base/path_resolver.h"
#include "base/process_launcher.h"
#include "base/prompter.h"
#include "base/random_source.h"
#include "qml_movie/qml_movie_engine.h"
#include "study/lesson_records.h"
#include "writing/pad_link.h"

#include <QList>
#include <QTreeWidgetItem>

#include <memory>

namespace qinghe::bench {

// Software scene graph, dummy audio, offscreen unless a display is asked for.
void prepareEnvironment();
// Runs pending events so movies load and timers settle.
void settle();
QTreeWidgetItem* lessonItem(MainWindow& window, const QList<int>& path);
// Resident memory of this process in KiB.
long residentKiB();

class StudyBenchWindow {
public:
    StudyBenchWindow();
    ~StudyBenchWindow();
    MainWindow& main() { return *window_; }

private:
    class Answer final : public Prompter {
    public:
        PromptAnswer ask(const Prompt&) override { return PromptAnswer::Ok; }
    };
    QString directory_;
    Answer prompter_;
    AudioEngine audio_;
    QmlMovieEngine movies_;
    QtProcessLauncher launcher_;
    LocalSocketPadLink pad_;
    SeededRandom random_{1};
    PathResolver paths_;
    StudyRecords records_;
    NoCompanionWindows companions_;
    std::unique_ptr<AppServices> services_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace qinghe::bench
