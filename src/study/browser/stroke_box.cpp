#include "study/browser/stroke_box.h"

namespace qinghe {

QRect strokeBox(int w, int h, StrokeBoxDesign design) {
    const qint64 W = w;
    const qint64 H = h;
    if (W * 304 <= H * 576) {
        // The width decides the scale; the card is centred vertically.
        const qint64 top = (H - W * 304 / 576) / 2 + W * design.top / 576;
        return QRect(int(W * 29 / 576), int(top), int(W * design.width / 576), int(W * design.height / 576));
    }
    const qint64 left = (W - H * 576 / 304) / 2 + H * 29 / 304;
    return QRect(int(left), int(H * design.top / 304), int(H * design.width / 304),
                 int(H * design.height / 304));
}

} // namespace qinghe
