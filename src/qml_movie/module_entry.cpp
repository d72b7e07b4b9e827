// The one symbol the movie engine module exports: the program finds it by name after loading us.
#include "qml_movie/qml_movie_engine_module.h"

extern "C" Q_DECL_EXPORT qinghe::MovieEngineModule*
qinghe_create_movie_engine(const QString& programDirectory) {
    return new qinghe::QmlMovieEngineModule(programDirectory);
}
