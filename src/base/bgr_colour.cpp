#include "base/bgr_colour.h"

namespace qinghe {

QColor colourFromBgr(int bgr) {
    return bgr < 0 ? QColor() : QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace qinghe
