#pragma once

#include <QQmlAbstractUrlInterceptor>
#include <QStringList>
#include <QUrl>

namespace qinghe {

// Where a movie may load anything from (sub-components, images, fonts, scripts): local files under
// a few directories (the program directory and Qt's own QML modules) and compiled-in resources.
// Everything else, above all the network, is refused.
class MovieSandbox {
public:
    explicit MovieSandbox(const QStringList& directories);

    bool allows(const QUrl& url) const;

    // Where a refused load is sent instead: a resource that does not exist, so the load fails the
    // ordinary way (an Image shows nothing, an import makes the movie fail to compile).
    static QUrl refusedUrl();

    const QStringList& roots() const { return roots_; }

private:
    QStringList roots_; // each directory as given (cleaned) and canonical
};

// Applies the sandbox to every URL the QML engine is about to load or assign.
class SandboxUrlInterceptor final : public QQmlAbstractUrlInterceptor {
public:
    explicit SandboxUrlInterceptor(MovieSandbox sandbox)
        : sandbox_(std::move(sandbox)) {}

    QUrl intercept(const QUrl& url, DataType type) override;

private:
    const MovieSandbox sandbox_;
};

} // namespace qinghe
