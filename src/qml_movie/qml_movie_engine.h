#pragma once

#include "movie/movie_file.h"
#include "qml_movie/local_network_factory.h"
#include "qml_movie/movie_sandbox.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QQmlComponent;
class QQmlEngine;

namespace qinghe {

// Owns the one QML engine all movie hosts share, its sandbox and a cache of compiled movies.
// The engine itself is created only by start(): the program calls it after the main window has
// painted, so start-up never waits for QML. Hosts created before that remember what they were
// asked to show and show it when ready() is emitted. The program has one: a started engine also
// takes over the desktop's handling of refused addresses (see start()) until it is destroyed.
class QmlMovieEngine : public QObject {
    Q_OBJECT
public:
    // `programDirectory`: the only folder (besides Qt's own QML modules) movies may load from.
    explicit QmlMovieEngine(const QString& programDirectory, QObject* parent = nullptr);
    ~QmlMovieEngine() override;

    // Creates the QML engine and emits ready(); later calls do nothing.
    void start();
    bool isReady() const { return engine_ != nullptr; }
    QQmlEngine* qmlEngine() const { return engine_.get(); }

    // Canonical, without a trailing '/'.
    const QString& programDirectory() const { return files_.programDirectory(); }
    // A movie path as the program writes it ('\' separators, any letter case, relative to the
    // program directory or absolute) as the path of the existing file, when there is one.
    QString resolvePath(const QString& path) const { return files_.resolvePath(path); }
    MovieFile readMovie(const QString& path) const { return files_.read(path); }

    // The compiled movie, taken from the cache while the file keeps its path, size and time stamp
    // (the stroke-order host loads a movie on every click). Null when the engine is not started or
    // the movie does not compile. A component still loading parts of itself is returned as is.
    std::shared_ptr<QQmlComponent> component(const MovieFile& file);

    // Compilations done and loads served from the cache, for tests and benchmarks.
    int compileCount() const { return compileCount_; }
    int cacheHitCount() const { return cacheHitCount_; }
    // Compiled movies kept; the least recently used goes first.
    static constexpr int kCacheCapacity = 48;
    void clearCache();

    // Qt's own QML module folders: the only import paths a movie gets.
    static QStringList qtImportPaths();

Q_SIGNALS:
    void ready();
    // The engine is going away: hosts drop their movies and views now.
    void stopping();

private Q_SLOTS:
    // Qt.openUrlExternally of a refused address arrives here instead of at the desktop.
    void swallowRefusedUrl(const QUrl&) {}

private:
    struct CacheEntry {
        qint64 size = 0;
        QDateTime modified;
        quint64 lastUse = 0;
        std::shared_ptr<QQmlComponent> component;
    };
    void evictIfFull();

    const MovieFileReader files_;
    LocalNetworkFactory networkFactory_;
    SandboxUrlInterceptor interceptor_;
    QHash<QString, CacheEntry> cache_; // by canonical path
    quint64 useClock_ = 0;
    int compileCount_ = 0;
    int cacheHitCount_ = 0;
    // Declared last: destroyed first, while the sandbox it points to still exists.
    std::unique_ptr<QQmlEngine> engine_;
};

} // namespace qinghe
