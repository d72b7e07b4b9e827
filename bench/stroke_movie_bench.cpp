// Stroke-order movies as the generator makes them, in the program's movie host: a first (compiling)
// load, a load from the engine's cache with the study card's frame 0 + play, and one drawn frame in
// the middle of the writing. Characters of 3, 7, 12 and 17 strokes.
#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"
#include "qml_movie/scene_graph_backend.h"
#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"

#include <QApplication>
#include <QFile>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace qinghe;
using namespace qinghe::edition;

const QString kCharacters[] = {QStringLiteral("山"), QStringLiteral("我"), QStringLiteral("鹅"),
                               QStringLiteral("藏")};

// The movies, made from the installed stroke data into a program folder.
struct ProgramFolder {
    ProgramFolder() {
        for (const QString& character : kCharacters) {
            QFile data(QStringLiteral(QINGHE_SOURCE_DIR "/tools/edition/node_modules/hanzi-writer-data/") +
                       character + QStringLiteral(".json"));
            const StrokeDataRead read =
                data.open(QIODevice::ReadOnly) ? parseStrokeData(data.readAll()) : StrokeDataRead();
            QFile movie(path(character));
            if (read.character && movie.open(QIODevice::WriteOnly)) {
                movie.write(strokeMovie(character, *read.character));
            }
        }
    }
    QString path(const QString& character) const { return dir.filePath(character + QStringLiteral(".swf")); }
    QTemporaryDir dir;
};

const ProgramFolder& folder() {
    static const ProgramFolder made;
    return made;
}

struct Host {
    Host() {
        engine.start();
        host.widget()->resize(195, 195);
        host.widget()->show();
    }
    QmlMovieEngine engine{folder().dir.path()};
    QmlMovieHost host{engine};
};

// What the study card asks of the stroke-order host on every character.
bool showCharacter(QmlMovieHost& host, const QString& path) {
    if (!host.setMovie(path)) {
        return false;
    }
    host.setVariable(QStringLiteral("str_banquan"), QStringLiteral("\u3000"));
    host.gotoFrame(0);
    host.play();
    return host.movieItem() != nullptr;
}

void BM_ColdLoad(benchmark::State& state) {
    Host h;
    const QString path = folder().path(kCharacters[state.range(0)]);
    showCharacter(h.host, path);
    for (auto _ : state) {
        state.PauseTiming();
        h.engine.clearCache();
        state.ResumeTiming();
        if (!showCharacter(h.host, path)) {
            state.SkipWithError("movie did not load (is hanzi-writer-data installed?)");
            break;
        }
    }
    state.SetLabel(kCharacters[state.range(0)].toStdString());
}
BENCHMARK(BM_ColdLoad)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A click on the box: the same movie again, from the cache, and its first frame drawn.
void BM_WarmLoadAndFirstFrame(benchmark::State& state) {
    Host h;
    const QString path = folder().path(kCharacters[state.range(0)]);
    for (auto _ : state) {
        if (!showCharacter(h.host, path)) {
            state.SkipWithError("movie did not load (is hanzi-writer-data installed?)");
            break;
        }
        benchmark::DoNotOptimize(h.host.quickWidget()->grabFramebuffer());
    }
    state.SetLabel(kCharacters[state.range(0)].toStdString());
}
BENCHMARK(BM_WarmLoadAndFirstFrame)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// One frame while the brush moves through the middle stroke, all others drawn or shadowed.
void BM_FrameWhileWriting(benchmark::State& state) {
    Host h;
    if (!showCharacter(h.host, folder().path(kCharacters[state.range(0)]))) {
        state.SkipWithError("movie did not load (is hanzi-writer-data installed?)");
        return;
    }
    h.host.stop();
    QQuickItem* item = h.host.movieItem();
    const QVariantList starts = QQmlProperty::read(item, QStringLiteral("starts")).toList();
    const QVariantList spans = QQmlProperty::read(item, QStringLiteral("spans")).toList();
    const qsizetype middle = starts.size() / 2;
    const double from = starts[middle].toDouble();
    const double length = spans[middle].toDouble();
    int step = 0;
    for (auto _ : state) {
        QQmlProperty::write(item, QStringLiteral("clock"), from + length * double(step++ % 16) / 16.0);
        benchmark::DoNotOptimize(h.host.quickWidget()->grabFramebuffer());
    }
    state.SetLabel(kCharacters[state.range(0)].toStdString());
}
BENCHMARK(BM_FrameWhileWriting)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qinghe::useSoftwareSceneGraphByDefault();
    QApplication app(argc, argv);
    for (const QString& character : kCharacters) {
        std::fprintf(stderr, "%s: %lld bytes\n", character.toUtf8().constData(),
                     static_cast<long long>(QFile(folder().path(character)).size()));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
