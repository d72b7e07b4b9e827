#pragma once

#include <QLoggingCategory>

namespace qinghe {

// QML errors and refused loads of the movie hosts. Off by default: a broken movie leaves its host
// blank without a word; turn it on with QT_LOGGING_RULES="qinghe.movie.debug=true" when authoring.
Q_DECLARE_LOGGING_CATEGORY(lcMovie)

} // namespace qinghe
