// Memory of the study modes over time: resident memory after the first 10 character and lesson
// switches, then after 1,000 character switches and 200 lesson switches in character study mode
// (budget: within 5 MiB of the first figure).
//   QINGHE_HOME=build/release/bin build/release/bin/bench_study_memory
#include "study/browser/word_button_row.h"
#include "study_bench_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace qinghe;
    bench::prepareEnvironment();
    QApplication app(argc, argv);
    bench::StudyBenchWindow bench;
    MainWindow& main = bench.main();
    main.enterCharacterStudy();
    bench::settle();

    // Lessons of book 1 with characters, taken in turn.
    QList<QTreeWidgetItem*> lessons;
    for (int unit = 0; unit < 8; ++unit) {
        for (int lesson = 0; lesson < 3; ++lesson) {
            if (QTreeWidgetItem* item = bench::lessonItem(main, {0, 0, unit, lesson})) {
                lessons << item;
            }
        }
    }
    int characterSwitches = 0;
    int lessonSwitches = 0;
    const auto run = [&](int characters, int lessonsToSwitch) {
        for (int l = 0; l < lessonsToSwitch; ++l) {
            main.lessonTree()->setCurrentItem(lessons[lessonSwitches % lessons.size()]);
            ++lessonSwitches;
            const int perLesson = characters * (l + 1) / lessonsToSwitch - characters * l / lessonsToSwitch;
            for (int c = 0; c < perLesson; ++c) {
                WordButtonRow* row = main.wordButtonRow();
                row->button(c % 4)->click();
                ++characterSwitches;
                QCoreApplication::processEvents();
            }
        }
        bench::settle();
    };
    run(10, 10);
    const long first = bench::residentKiB();
    std::printf("after %d character and %d lesson switches: %ld KiB\n", characterSwitches, lessonSwitches,
                first);
    run(990, 190);
    const long last = bench::residentKiB();
    std::printf("after %d character and %d lesson switches: %ld KiB\n", characterSwitches, lessonSwitches,
                last);
    std::printf("growth: %.2f MiB (budget 5 MiB)\n", double(last - first) / 1024.0);
    return 0;
}
