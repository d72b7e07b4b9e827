#pragma once

#include "movie/movie_host.h"

#include <QString>

#include <functional>
#include <memory>

namespace qinghe {

using MovieCommandHandler = std::function<void(const QString& command, const QString& arguments)>;

// The QML movie engine as its module hands it to the program. The module is loaded only after the
// main window has painted, so start-up never waits for Qt Quick and the libraries it pulls in.
class MovieEngineModule {
public:
    virtual ~MovieEngineModule() = default;

    // A host of the engine whose widget has no parent yet. Until start() it only remembers what it
    // is asked, as a host made before the engine runs does. Commands the movie sends reach the
    // handler from the event loop.
    virtual std::unique_ptr<MovieControl> createHost(MovieCommandHandler onCommand) = 0;
    // Starts the engine: hosts made before show their movies now. Later calls do nothing.
    virtual void start() = 0;
};

// The module's one exported function: a new engine for the program directory, or null.
using CreateMovieEngineModule = MovieEngineModule* (*)(const QString& programDirectory);
inline constexpr char kMovieModuleFile[] = "qinghe-movies";
inline constexpr char kMovieModuleEntry[] = "qinghe_create_movie_engine";

} // namespace qinghe
