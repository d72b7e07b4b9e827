#include "movie/movie_log.h"

namespace qinghe {

Q_LOGGING_CATEGORY(lcMovie, "qinghe.movie", QtWarningMsg)

} // namespace qinghe
