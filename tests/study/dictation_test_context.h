#pragma once

#include "base/path_resolver.h"
#include "base/random_source.h"
#include "catalogue/run_state.h"
#include "study/lesson_records.h"
#include "study/study_context.h"
#include "support/fake_audio.h"
#include "support/fake_movie_host.h"
#include "support/fake_prompter.h"
#include "support/qt_printers.h"
#include "support/test_paths.h"

#include <QMap>
#include <QWidget>

namespace qinghe::test {

// Counts re-seeds; the draws are not used by dictation or the table.
class CountingRandom final : public RandomSource {
public:
    int below(int) override { return 0; }
    void reseed() override { ++reseeds; }
    int reseeds = 0;
};

// A study context over a copy of the fixture edition, with fakes for sound, messages, chance and
// movies, and a plain top-level widget standing in for the main window.
template <typename Random = CountingRandom> struct StudyFixture {
    StudyFixture()
        : paths(edition.root())
        , records(paths)
        , context{state, records, audio, prompter, random, paths} {
        state.programDirectory = edition.root();
        state.settings.bookMode = QStringLiteral("0");
        mainWindow.setGeometry(100, 60, 1100, 700);
        movies = [this](QWidget* parent, const QString& name) -> MovieHost* {
            auto* host = new FakeMovieHost(parent);
            host->widget()->setParent(parent);
            host->widget()->setObjectName(name);
            host->setObjectName(name);
            hosts[name] = host;
            return host;
        };
    }

    // Selects lesson `key` of book 1 as the main window would.
    void selectLesson(const QString& key, const QString& displayTitle) {
        records.openBook(QStringLiteral("Data\\rj\\xml\\hanzi1.xml"),
                         QStringLiteral("Data\\rj\\xml\\ciyu1.xml"));
        CurrentLesson lesson;
        lesson.lessonKey = key;
        lesson.displayTitle = displayTitle;
        lesson.unitTitle = QStringLiteral("识字(一)");
        state.lesson = lesson;
        state.lists = records.readLessonLists(lesson);
    }

    QStringList playedOn(AudioSlot slot) const {
        QStringList played;
        for (const FakeAudio::Call& call : audio.calls()) {
            if (call.op == u"playFile" && call.slot == slot) {
                played << call.path;
            }
        }
        return played;
    }

    EditionCopy edition;
    PathResolver paths;
    StudyRecords records;
    RunState state;
    FakeAudio audio;
    FakePrompter prompter;
    Random random;
    StudyContext context;
    QWidget mainWindow;
    MovieHostFactory movies;
    QMap<QString, FakeMovieHost*> hosts;
};

using DictationFixture = StudyFixture<>;

} // namespace qinghe::test
