#pragma once

#include <QColor>

namespace qinghe {

// A colour as our settings and movies write it, 0xBBGGRR; a negative value means none (invalid).
QColor colourFromBgr(int bgr);

} // namespace qinghe
