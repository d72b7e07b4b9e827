#include "qml_movie/qml_movie_engine.h"

#include "movie/movie_log.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlError>

namespace qinghe {

namespace {

void logErrors(const QList<QQmlError>& errors) {
    for (const QQmlError& error : errors) {
        qCDebug(lcMovie).noquote() << error.toString();
    }
}

} // namespace

QmlMovieEngine::QmlMovieEngine(const QString& programDirectory, QObject* parent)
    : QObject(parent)
    , files_(programDirectory)
    , networkFactory_(MovieSandbox(QStringList{files_.programDirectory()} + qtImportPaths()))
    , interceptor_(MovieSandbox(QStringList{files_.programDirectory()} + qtImportPaths())) {}

QmlMovieEngine::~QmlMovieEngine() {
    Q_EMIT stopping();
    if (engine_) {
        QDesktopServices::unsetUrlHandler(MovieSandbox::refusedUrl().scheme());
    }
    // Components must die before the engine they were compiled by.
    cache_.clear();
    engine_.reset();
}

QStringList QmlMovieEngine::qtImportPaths() {
    return {QLibraryInfo::path(QLibraryInfo::QmlImportsPath)};
}

void QmlMovieEngine::start() {
    if (engine_) {
        return;
    }
    // Qt lets these variables open local files to XMLHttpRequest; movies never get that.
    qunsetenv("QML_XHR_ALLOW_FILE_READ");
    qunsetenv("QML_XHR_ALLOW_FILE_WRITE");

    engine_ = std::make_unique<QQmlEngine>();
    engine_->setOutputWarningsToStandardError(false);
    connect(engine_.get(), &QQmlEngine::warnings, this, &logErrors);
    // No application folder, no QML_IMPORT_PATH: a movie imports Qt's modules or nothing. Resource
    // paths stay for builds that carry Qt's modules compiled in.
    engine_->setImportPathList(qtImportPaths() + QStringList{QStringLiteral("qrc:/qt-project.org/imports"),
                                                             QStringLiteral("qrc:/qt/qml")});
    engine_->setPluginPathList({QStringLiteral(".")});
    engine_->setNetworkAccessManagerFactory(&networkFactory_);
    engine_->addUrlInterceptor(&interceptor_);
    engine_->setBaseUrl(QUrl::fromLocalFile(files_.programDirectory() + u'/'));
    // A movie asking to open a web page gets it refused like any other load; the refused address
    // must not then start a browser or a file manager either. Nothing else opens resources outside.
    QDesktopServices::setUrlHandler(MovieSandbox::refusedUrl().scheme(), this, "swallowRefusedUrl");
    Q_EMIT ready();
}

std::shared_ptr<QQmlComponent> QmlMovieEngine::component(const MovieFile& file) {
    if (!engine_ || file.status != MovieFileStatus::Ok) {
        return nullptr;
    }
    const auto found = cache_.find(file.canonicalPath);
    if (found != cache_.end() && found->size == file.size && found->modified == file.modified) {
        found->lastUse = ++useClock_;
        ++cacheHitCount_;
        return found->component;
    }

    auto component = std::make_shared<QQmlComponent>(engine_.get());
    // Compiled from our own copy of the bytes, under the file's URL, so that relative URLs inside
    // the movie (images, sibling components) resolve next to the file.
    component->setData(file.text, QUrl::fromLocalFile(file.canonicalPath));
    ++compileCount_;
    if (component->isError()) {
        qCDebug(lcMovie).noquote() << "movie does not compile:" << file.canonicalPath;
        logErrors(component->errors());
        cache_.remove(file.canonicalPath);
        return nullptr;
    }
    if (component->isLoading()) {
        const QString key = file.canonicalPath;
        const QQmlComponent* raw = component.get();
        connect(raw, &QQmlComponent::statusChanged, this, [this, key, raw](QQmlComponent::Status status) {
            if (status == QQmlComponent::Error) {
                logErrors(raw->errors());
                const auto entry = cache_.constFind(key);
                if (entry != cache_.cend() && entry->component.get() == raw) {
                    cache_.remove(key);
                }
            }
        });
    }
    evictIfFull();
    cache_.insert(file.canonicalPath, CacheEntry{file.size, file.modified, ++useClock_, component});
    return component;
}

void QmlMovieEngine::evictIfFull() {
    while (cache_.size() >= kCacheCapacity) {
        auto oldest = cache_.begin();
        for (auto it = cache_.begin(); it != cache_.end(); ++it) {
            if (it->lastUse < oldest->lastUse) {
                oldest = it;
            }
        }
        // A host still showing this movie keeps its own reference.
        cache_.erase(oldest);
    }
}

void QmlMovieEngine::clearCache() {
    cache_.clear();
}

} // namespace qinghe
