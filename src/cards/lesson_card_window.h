#pragma once

#include "cards/key_point_card_window.h"

namespace qinghe {

class PathResolver;
struct RunState;

// The lesson key-point card "本课要点" (Tfrm_LessonInfo): the current lesson's record of
// book<N>.xml, at three fifths of the screen.
class LessonCardWindow : public KeyPointCardWindow {
    Q_OBJECT
public:
    LessonCardWindow(const RunState& state, const PathResolver& paths, QWidget* parent);

    // Reads the current lesson's key points afresh and shows the card. With no lesson selected,
    // or no record for it, the card shows no text.
    void showForCurrentLesson();

    static constexpr int kTextPixels = 24;

private:
    const RunState& state_;
    const PathResolver& paths_;
};

} // namespace qinghe
