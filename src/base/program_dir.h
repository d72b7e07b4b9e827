#pragma once

#include <QString>

namespace qinghe {

// The folder all data paths are relative to: QINGHE_HOME when set (tests, scripts), otherwise the
// folder of the running executable. Always ends with '/'.
QString programDirectory();

} // namespace qinghe
