// Movie host timings: a stroke-order movie loaded cold (compiled) and warm (from the cache), the first
// load on a fresh engine, and the ten variables the study card receives on every click.
#include "qml_movie/qml_movie_engine.h"
#include "qml_movie/qml_movie_host.h"
#include "qml_movie/scene_graph_backend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using qinghe::QmlMovieEngine;
using qinghe::QmlMovieHost;

// An outline of `points` points around a wobbly line: about the size of one stroke of real
// stroke-order data.
QString strokePath(int stroke, int points) {
    QString path;
    for (int i = 0; i < points; ++i) {
        const int x = 120 + (stroke * 61 + i * 37) % 780;
        const int y = 100 + (stroke * 83 + i * 29 + (i % 3) * 11) % 820;
        path += QStringLiteral("%1 %2 %3 ").arg(i == 0 ? u'M' : u'L').arg(x).arg(y);
    }
    return path + u'Z';
}

// A 195 x 195 stroke-order movie with twelve strokes drawn one after another while it plays.
QByteArray strokeOrderMovie() {
    QStringList strokes;
    for (int i = 0; i < 12; ++i) {
        strokes.append(u'"' + strokePath(i, 40) + u'"');
    }
    return QStringLiteral(R"(import QtQuick
import QtQuick.Shapes
Item {
    id: box
    width: 195
    height: 195
    property int shown: 0
    readonly property var strokes: [%1]
    Rectangle { anchors.fill: parent; color: "white"; border.color: "#c62828"; border.width: 2 }
    Rectangle { x: 97; width: 1; height: parent.height; color: "#ef9a9a" }
    Rectangle { y: 97; height: 1; width: parent.width; color: "#ef9a9a" }
    Repeater {
        model: box.strokes.length
        Shape {
            width: 1024; height: 1024
            scale: box.width / 1024
            transformOrigin: Item.TopLeft
            ShapePath {
                strokeColor: "transparent"
                fillColor: index < box.shown ? "#212121" : "#dddddd"
                PathSvg { path: box.strokes[index] }
            }
        }
    }
    Timer {
        interval: 300; repeat: true
        running: movie.playing && box.shown < box.strokes.length
        onTriggered: box.shown += 1
    }
    Connections { target: movie; function onFrameChanged() { box.shown = movie.frame } }
    Text { anchors.bottom: parent.bottom; text: movie.vars.str_banquan || "" }
}
)")
        .arg(strokes.join(QStringLiteral(",\n        ")))
        .toUtf8();
}

const char* const kCardVariables[] = {"str_ziimg", "txt_pinyin", "txt_pinyinall", "txt_zi",   "txt_book",
                                      "txt_zuci1", "txt_zuci2",  "txt_zuci3",     "txt_juzi", "str_path"};

// A 576 x 304 card with one text bound to each of the ten variables.
QByteArray cardMovie() {
    QString texts;
    int row = 0;
    for (const char* name : kCardVariables) {
        texts += QStringLiteral("    Text { y: %1; text: movie.vars.%2 || \"\" }\n")
                     .arg(row++ * 28)
                     .arg(QLatin1String(name));
    }
    return (QStringLiteral("import QtQuick\nRectangle {\n    width: 576\n    height: 304\n") + texts +
            QStringLiteral("    property int calls: 0\n"
                           "    Connections { target: movie; function onCallFrame() { calls += 1 } }\n}\n"))
        .toUtf8();
}

// A program folder holding the two movies.
struct ProgramFolder {
    ProgramFolder() {
        write(QStringLiteral("stroke.swf"), strokeOrderMovie());
        write(QStringLiteral("card.dat"), cardMovie());
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

void showHost(QmlMovieHost& host, QSize size) {
    host.widget()->resize(size);
    host.widget()->show();
}

// Engine created, first movie compiled and shown: what a window pays for its first movie.
void BM_FirstLoadOnNewEngine(benchmark::State& state) {
    const ProgramFolder folder;
    for (auto _ : state) {
        QmlMovieEngine engine(folder.dir.path());
        engine.start();
        QmlMovieHost host(engine);
        showHost(host, {195, 195});
        if (!host.setMovie(folder.path(QStringLiteral("stroke.swf")))) {
            state.SkipWithError("movie did not load");
        }
    }
}
BENCHMARK(BM_FirstLoadOnNewEngine)->Unit(benchmark::kMillisecond);

// The stroke-order host loading a movie it has not compiled before.
void BM_StrokeMovieColdLoad(benchmark::State& state) {
    const ProgramFolder folder;
    QmlMovieEngine engine(folder.dir.path());
    engine.start();
    QmlMovieHost host(engine);
    showHost(host, {195, 195});
    const QString path = folder.path(QStringLiteral("stroke.swf"));
    host.setMovie(path); // the view exists from here on, as after the first click
    for (auto _ : state) {
        state.PauseTiming();
        engine.clearCache();
        state.ResumeTiming();
        if (!host.setMovie(path)) {
            state.SkipWithError("movie did not load");
        }
    }
    state.counters["compiled"] = engine.compileCount();
}
BENCHMARK(BM_StrokeMovieColdLoad)->Unit(benchmark::kMicrosecond);

// The same movie again: the file is read and checked, the compiled movie comes from the cache.
void BM_StrokeMovieWarmLoad(benchmark::State& state) {
    const ProgramFolder folder;
    QmlMovieEngine engine(folder.dir.path());
    engine.start();
    QmlMovieHost host(engine);
    showHost(host, {195, 195});
    const QString path = folder.path(QStringLiteral("stroke.swf"));
    for (auto _ : state) {
        if (!host.setMovie(path)) {
            state.SkipWithError("movie did not load");
        }
        host.setVariable(QStringLiteral("str_banquan"), QStringLiteral("\u3000"));
        host.gotoFrame(0);
        host.play();
    }
    state.counters["compiled"] = engine.compileCount();
}
BENCHMARK(BM_StrokeMovieWarmLoad)->Unit(benchmark::kMicrosecond);

// A warm load followed by drawing the first frame (software scene graph).
void BM_StrokeMovieWarmLoadAndFirstFrame(benchmark::State& state) {
    const ProgramFolder folder;
    QmlMovieEngine engine(folder.dir.path());
    engine.start();
    QmlMovieHost host(engine);
    showHost(host, {195, 195});
    const QString path = folder.path(QStringLiteral("stroke.swf"));
    for (auto _ : state) {
        host.setMovie(path);
        benchmark::DoNotOptimize(host.quickWidget()->grabFramebuffer());
    }
}
BENCHMARK(BM_StrokeMovieWarmLoadAndFirstFrame)->Unit(benchmark::kMicrosecond);

// One click of the study card: ten variables, each changed, then the frame call.
void BM_CardTenVariables(benchmark::State& state) {
    const ProgramFolder folder;
    QmlMovieEngine engine(folder.dir.path());
    engine.start();
    QmlMovieHost host(engine);
    showHost(host, {576, 304});
    if (!host.setMovie(folder.path(QStringLiteral("card.dat")))) {
        state.SkipWithError("movie did not load");
        return;
    }
    const QString values[2] = {QStringLiteral("山"), QStringLiteral("水")};
    int round = 0;
    for (auto _ : state) {
        const QString& value = values[round++ % 2];
        for (const char* name : kCardVariables) {
            host.setVariable(QLatin1String(name), value);
        }
        host.callFrame(QStringLiteral("_root"), 0);
    }
}
BENCHMARK(BM_CardTenVariables)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qinghe::useSoftwareSceneGraphByDefault();
    QApplication app(argc, argv);
    {
        // The very first movie of the process also loads Qt Quick's plugins: measured once, apart.
        const ProgramFolder folder;
        QElapsedTimer timer;
        timer.start();
        QmlMovieEngine engine(folder.dir.path());
        engine.start();
        QmlMovieHost host(engine);
        showHost(host, {195, 195});
        const bool loaded = host.setMovie(folder.path(QStringLiteral("stroke.swf")));
        std::fprintf(stderr, "first movie of the process: %s in %.1f ms\n", loaded ? "loaded" : "FAILED",
                     double(timer.nsecsElapsed()) / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
