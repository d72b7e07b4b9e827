#include "qml_movie/movie_sandbox.h"

#include "movie/movie_file.h"
#include "movie/movie_log.h"

#include <QDir>
#include <QFileInfo>

namespace qinghe {

MovieSandbox::MovieSandbox(const QStringList& directories) {
    for (const QString& directory : directories) {
        if (directory.isEmpty()) {
            continue;
        }
        const QString cleaned = QDir::cleanPath(QDir(directory).absolutePath());
        roots_.append(cleaned);
        const QString canonical = QFileInfo(cleaned).canonicalFilePath();
        if (!canonical.isEmpty() && canonical != cleaned) {
            roots_.append(canonical);
        }
    }
}

bool MovieSandbox::allows(const QUrl& url) const {
    if (url.isEmpty()) {
        return true;
    }
    if (url.scheme().compare(u"qrc", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (!url.isLocalFile() || !url.host().isEmpty()) {
        return false;
    }
    const QString cleaned = QDir::cleanPath(url.toLocalFile());
    // A link inside an allowed directory may point anywhere: judge where it really leads.
    const QFileInfo info(cleaned);
    const QString real = info.exists() ? info.canonicalFilePath() : cleaned;
    for (const QString& root : roots_) {
        if (isInsideDirectory(real, root)) {
            return true;
        }
    }
    return false;
}

QUrl MovieSandbox::refusedUrl() {
    return QUrl(QStringLiteral("qrc:/qinghe/movie/refused"));
}

QUrl SandboxUrlInterceptor::intercept(const QUrl& url, DataType type) {
    if (sandbox_.allows(url)) {
        return url;
    }
    qCDebug(lcMovie) << "refused" << url.toString() << "of type" << int(type);
    return MovieSandbox::refusedUrl();
}

} // namespace qinghe
