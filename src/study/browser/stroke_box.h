#pragma once

#include <QRect>

namespace qinghe {

// Where the stroke-order movie sits over the character card. The card is designed at 576 x 304 and
// scaled to the host keeping its shape; the box is at design position (29, top) with the given size.
// Integer arithmetic throughout, as (value x numerator) / denominator.
struct StrokeBoxDesign {
    int top;
    int width;
    int height;
};
// When a character is shown.
constexpr StrokeBoxDesign kStrokeBoxOnShow{73, 200, 199};
// When the mode is entered or the window is resized.
constexpr StrokeBoxDesign kStrokeBoxOnLayout{69, 195, 195};

QRect strokeBox(int hostWidth, int hostHeight, StrokeBoxDesign design);

} // namespace qinghe
