// Feeds arbitrary bytes to the movie checks and, when they pass, to the QML compiler the way a movie
// file reaches it. Compiles only: creating the movie would run its scripts, which may loop forever.
#include "movie/movie_file.h"
#include "qml_movie/movie_sandbox.h"
#include "qml_movie/qml_movie_engine.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdint>
#include <cstdlib>

namespace {

struct Harness {
    Harness() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "movie_file_fuzz";
        static char* argv[] = {name, nullptr};
        app = new QGuiApplication(argc, argv);
        engine = new qinghe::QmlMovieEngine(dir.path());
        engine->start();
        // Qt's modules register their types once per process, on the first import: done here so
        // those lasting allocations are not taken for leaks of an input.
        compile("import QtQuick\nimport QtQuick.Shapes\nimport QtQml.Models\nItem {}\n");
    }
    void compile(const QByteArray& text) {
        qinghe::MovieFile file;
        file.status = qinghe::MovieFileStatus::Ok;
        file.canonicalPath = dir.filePath(QStringLiteral("fuzz.swf"));
        file.size = text.size();
        // A new time stamp every time, so the cache never hands back the previous compilation.
        file.modified = QDateTime::fromMSecsSinceEpoch(++generation);
        file.text = text;
        const auto component = engine->component(file);
        if (component && component->isError()) {
            std::abort(); // errors must come back as "no component"
        }
        engine->clearCache();
    }
    QGuiApplication* app = nullptr;
    QTemporaryDir dir;
    qinghe::QmlMovieEngine* engine = nullptr;
    qint64 generation = 0;
};

} // namespace

// The QML engine keeps its objects in memory it maps itself, which the leak checker does not scan:
// everything referenced only from there would be reported as leaked.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness* harness = new Harness;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString asText = QString::fromUtf8(bytes);
    (void)qinghe::movieAddressToPath(asText);
    (void)qinghe::MovieSandbox({harness->dir.path()}).allows(QUrl(asText));

    if (!qinghe::looksLikeMovieText(bytes)) {
        return 0;
    }
    harness->compile(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    return 0;
}
