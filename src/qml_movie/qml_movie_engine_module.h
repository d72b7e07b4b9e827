#pragma once

#include "movie/movie_engine_module.h"
#include "qml_movie/qml_movie_engine.h"

namespace qinghe {

// The QML engine and its hosts behind the module interface the program loads.
class QmlMovieEngineModule final : public MovieEngineModule {
public:
    explicit QmlMovieEngineModule(const QString& programDirectory);

    std::unique_ptr<MovieControl> createHost(MovieCommandHandler onCommand) override;
    void start() override;

    QmlMovieEngine& engine() { return engine_; }

private:
    QmlMovieEngine engine_;
};

} // namespace qinghe
