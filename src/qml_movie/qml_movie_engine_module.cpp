#include "qml_movie/qml_movie_engine_module.h"

#include "qml_movie/qml_movie_host.h"
#include "qml_movie/scene_graph_backend.h"

namespace qinghe {

QmlMovieEngineModule::QmlMovieEngineModule(const QString& programDirectory)
    : engine_(programDirectory) {}

std::unique_ptr<MovieControl> QmlMovieEngineModule::createHost(MovieCommandHandler onCommand) {
    auto host = std::make_unique<QmlMovieHost>(engine_);
    QObject::connect(host.get(), &MovieHost::fsCommand, host.get(),
                     [handler = std::move(onCommand)](const QString& command, const QString& arguments) {
                         if (handler) {
                             handler(command, arguments);
                         }
                     });
    return host;
}

void QmlMovieEngineModule::start() {
    // Before the first Quick window exists, or the choice would come too late.
    useSoftwareSceneGraphByDefault();
    engine_.start();
}

} // namespace qinghe
