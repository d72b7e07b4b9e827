#include "cards/lesson_card_window.h"

#include "base/path_resolver.h"
#include "cards/key_point_records.h"
#include "catalogue/run_state.h"

namespace qinghe {

LessonCardWindow::LessonCardWindow(const RunState& state, const PathResolver& paths, QWidget* parent)
    : KeyPointCardWindow(QStringLiteral("Tfrm_LessonInfo"), QStringLiteral("本课要点"), kTextPixels, 3,
                         parent)
    , state_(state)
    , paths_(paths) {}

void LessonCardWindow::showForCurrentLesson() {
    QString text;
    QString lessonTitle;
    if (state_.lesson) {
        const CurrentLesson& lesson = *state_.lesson;
        text = keyPointTextFromFile(
            paths_.resolve(lessonKeyPointDocument(state_.edition(), lesson.bookNumber)), lesson.lessonKey);
        lessonTitle = lesson.lessonTitle;
    }
    present(lessonCardTitle(lessonTitle), text);
}

} // namespace qinghe
