// The main window on a generated edition, with the real movie engine and the real audio engine (SDL's
// dummy driver): a lesson switch in lesson mode and in character study mode, and showing a character
// (button press -> card variables set, stroke movie started, sound requested), all with warm caches.
//   QINGHE_HOME=build/release/bin build/release/bin/bench_study
#include "app/main_window.h"
#include "study/browser/word_button_row.h"
#include "study/browser/word_group_browser.h"
#include "study_bench_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

using qinghe::MainWindow;
using qinghe::bench::StudyBenchWindow;

StudyBenchWindow* window = nullptr;

// Two lessons of the same book, both with characters.
QTreeWidgetItem* lesson(int which) {
    return qinghe::bench::lessonItem(window->main(), {0, 0, 0, which});
}

void switchLessons(benchmark::State& state) {
    QTreeWidget* tree = window->main().lessonTree();
    int which = 0;
    for (auto _ : state) {
        tree->setCurrentItem(lesson(which));
        which = 1 - which;
    }
}

void BM_LessonSwitch_LessonMode(benchmark::State& state) {
    window->main().enterLessonMode();
    qinghe::bench::settle();
    switchLessons(state);
}
BENCHMARK(BM_LessonSwitch_LessonMode)->Unit(benchmark::kMillisecond);

void BM_LessonSwitch_CharacterStudy(benchmark::State& state) {
    window->main().enterCharacterStudy();
    qinghe::bench::settle();
    switchLessons(state);
}
BENCHMARK(BM_LessonSwitch_CharacterStudy)->Unit(benchmark::kMillisecond);

void BM_ShowCharacter(benchmark::State& state) {
    MainWindow& main = window->main();
    main.enterCharacterStudy();
    qinghe::bench::settle();
    qinghe::WordButtonRow* row = main.wordButtonRow();
    int index = 0;
    for (auto _ : state) {
        row->button(index)->click();
        index = (index + 1) % 3;
    }
    state.counters["stroke movie"] = main.browser()->currentCharacter().isEmpty() ? 0 : 1;
}
BENCHMARK(BM_ShowCharacter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qinghe::bench::prepareEnvironment();
    QApplication app(argc, argv);
    StudyBenchWindow bench;
    window = &bench;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
