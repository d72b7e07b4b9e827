#pragma once

#include "cards/key_point_card_window.h"

namespace qinghe {

class PathResolver;
struct RunState;

// The unit key-point card "单元基础知识点归纳" (Tfrm_UnitInfo): one unit's record of
// book<N>_dyzs.xml, at four fifths of the screen.
class UnitCardWindow : public KeyPointCardWindow {
    Q_OBJECT
public:
    UnitCardWindow(const RunState& state, const PathResolver& paths, QWidget* parent);

    // Shows unit `unit` of book `book` (the book's own number, 1 to 12) under the given title.
    void showUnit(int book, int unit, const QString& title);

    static constexpr int kTextPixels = 27;

private:
    const RunState& state_;
    const PathResolver& paths_;
};

} // namespace qinghe
