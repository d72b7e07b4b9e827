#include "study/drills/drill_layout.h"

#include "study/drills/drill_traits.h"

#include <algorithm>

namespace qinghe {

QSize drillButtonSize(Drill kind, QSize panel) {
    const int w = panel.width();
    const int h = panel.height();
    if (drillTraits(kind).readings) {
        // Reading buttons stand 40 pixels further apart than the centres W/6 apart, and the outer
        // two are pushed 60 pixels out, so a narrow panel needs narrower buttons.
        const int width = std::max(56, std::min({w / 6 + 16, w / 2 - 124, 210}));
        return {width, std::clamp(h / 6, 48, 100)};
    }
    const int side = std::clamp(std::min(w / 6 - 24, h / 4), 48, 150);
    return {side, side};
}

QSize drillReplaySize(QSize panel) {
    return {std::clamp(panel.width() / 5, 170, 240), std::clamp(panel.height() / 9, 48, 76)};
}

DrillGeometry layOutDrill(Drill kind, QSize panel, QSize button, QSize replay, int shownButtons) {
    const DrillTraits& traits = drillTraits(kind);
    const int W = panel.width();
    const int H = panel.height();
    const int h = button.height();
    DrillGeometry geometry;
    if (!traits.listening) {
        geometry.label = QSize(W, traits.labelElevenths * H / 11);
    }
    const int top = traits.listening ? H / 2 - h / 2 : traits.rowElevenths * H / 11 + h / 2;

    const auto centred = [&](int centre) {
        return QRect(centre - button.width() / 2, top, button.width(), h);
    };
    if (shownButtons >= 4) {
        const int centres[4] = {W / 6 + W / 12, W / 3 + W / 12, W / 2 + W / 12, 2 * W / 3 + W / 12};
        const int shifts[4] = {-60, -20, 20, 60};
        for (size_t b = 0; b < 4; ++b) {
            geometry.buttons[b] = centred(centres[b] + (traits.readings ? shifts[b] : 0));
        }
    } else if (shownButtons == 2) {
        const int gap = traits.readings ? 70 : 50;
        geometry.buttons[0] = QRect(W / 2 - gap - button.width(), top, button.width(), h);
        geometry.buttons[1] = QRect(W / 2 + gap, top, button.width(), h);
    } else if (shownButtons == 1) {
        geometry.buttons[0] = centred(W / 2);
    }

    if (traits.listening) {
        geometry.replay =
            QRect(W / 2 - replay.width() / 2, top - 50 - replay.height(), replay.width(), replay.height());
    }
    return geometry;
}

std::optional<int> slideInStep(int top) {
    if (top <= -30) {
        return top + 30;
    }
    if (top < 0) {
        return 0;
    }
    return std::nullopt;
}

} // namespace qinghe
