#pragma once

#include "media_requests.h"

#include <QString>

#include <memory>
#include <vector>

namespace qinghe {
class QmlMovieEngine;
}

namespace qinghe::lint {

class EditionPaths;
class Report;

// Whether a movie file would show: an empty text when it loads, otherwise what is wrong.
class MovieProbe {
public:
    virtual ~MovieProbe() = default;
    // `path`: absolute path of an existing file inside the program folder.
    virtual QString problem(const QString& path) = 0;
};

// Reads and compiles movies with the program's own movie engine (needs a QGuiApplication).
class QmlMovieProbe final : public MovieProbe {
public:
    explicit QmlMovieProbe(const QString& programDirectory);
    ~QmlMovieProbe() override;
    QString problem(const QString& path) override;

private:
    std::unique_ptr<QmlMovieEngine> engine_;
};

// Checks that every requested movie exists and loads, each distinct file once. Returns the number
// of distinct movies checked.
int checkMovies(const std::vector<MediaRequest>& requests, const EditionPaths& paths, MovieProbe& probe,
                Report& report);

} // namespace qinghe::lint
