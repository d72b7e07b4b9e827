#pragma once

#include "movie/movie_host.h"
#include "study/drill_kind.h"
#include "study/drills/drill_session.h"
#include "study/drills/drill_traits.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace qinghe {

class DrillControls;
struct StudyContext;

// One recognition drill on the study area (pnl_tyrz, pnl_kyrz, pnl_kzry or pnl_tyby): a question
// heard or read, four (or two) choice buttons, and a short celebration movie on a right answer.
// The main window shows the panel, then calls start(); it calls stop() when another mode is chosen
// and relayout() when the study area is resized.
class DrillPanel : public QWidget {
    Q_OBJECT
public:
    DrillPanel(Drill kind, StudyContext& context, const MovieHostFactory& movies, DrillControls& controls,
               std::function<bool()> voicePrompts, QWidget* parent);
    ~DrillPanel() override;

    Drill kind() const { return traits_.kind; }
    // The right-answer movie host (flash_right1..4), a child of this panel.
    MovieHost& feedbackMovie() { return *feedback_; }

    // Starts the drill on the current lesson: the shared controls (switch, and the bar in a walk),
    // the first question, the layout.
    void start();
    // Stops the drill's timers; the switch no longer reaches this panel.
    void stop();
    void relayout();

    bool isRunning() const { return running_; }
    const DrillSession& session() const { return session_; }
    // Choice button 1..4.
    QPushButton* choiceButton(int number) const { return buttons_[size_t(number - 1)]; }
    // The question label (lbl_kyrz_pinyin, lbl_kzry_zi, or the hidden lbl_tyby_pinyin); none in
    // the listen-for-character drill.
    QLabel* questionLabel() const { return label_; }
    // The replay button of the listening drills.
    QPushButton* replayButton() const { return replay_; }
    QTimer& nextQuestionTimer() { return nextTimer_; }
    QTimer& slideTimer() { return slideTimer_; }

public Q_SLOTS:
    // Timer1 (1200 ms): the next question after a right answer or a click on the switch.
    void onNextQuestionTimer();
    // Timer2 (1 ms): one step of the question label's slide from above.
    void onSlideTimer();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QStringList choiceTexts() const;
    // The question label shows the character (look-at-character) rather than a reading.
    bool showsCharacter() const { return traits_.kind == Drill::CharacterToPinyin; }
    void drawQuestion();
    void answer(int button);
    void replay();
    void onSwitched(bool continuous);

    const DrillTraits& traits_;
    StudyContext& context_;
    DrillControls& controls_;
    std::function<bool()> voicePrompts_;
    DrillSession session_;
    bool running_ = false;

    std::array<QPushButton*, 4> buttons_{};
    QLabel* label_ = nullptr;
    QPushButton* replay_ = nullptr;
    MovieHost* feedback_ = nullptr;
    QTimer nextTimer_;
    QTimer slideTimer_;
};

} // namespace qinghe
