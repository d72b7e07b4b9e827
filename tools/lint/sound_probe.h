#pragma once

#include <QString>

#include <cstdint>

namespace qinghe::lint {

// How much sound a recording must hold to count as one: speech shorter than this is a click.
inline constexpr double kMinSoundSeconds = 0.1;

// Whether a recording plays, decoded by the program's own loader: an empty text when it holds at
// least kMinSoundSeconds of samples above silence, otherwise what is wrong. Only the first bytes
// are decoded (the whole file only when they hold too little sound), so thousands of recordings
// are checked in seconds. `start`/`end` select a byte range as the program plays it (end 0 = to the
// end of the file).
QString soundProblem(const QString& absolutePath, std::int64_t start = 0, std::int64_t end = 0);

} // namespace qinghe::lint
