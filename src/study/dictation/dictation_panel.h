#pragma once

#include "movie/movie_host.h"
#include "study/dictation/dictation_pace.h"
#include "study/dictation/dictation_session.h"
#include "study/study_context.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace qinghe {

class DictationListWindow;

// Dictation (pnl_wnnx): the start panel with the three kinds and the pace, and inside it the running
// panel (pnl_wnnx_main) with the loudspeaker movie, the status line and the progress bar. Each
// entry is read at its step and once more 2.7 seconds later; after the last one the answer list
// window shows what should have been written.
class DictationPanel : public QWidget {
    Q_OBJECT
public:
    DictationPanel(StudyContext& context, const MovieHostFactory& movies, DictationListWindow& list,
                   QWidget* mainWindow, QWidget* parent);

    // The loudspeaker movie; the main window loads it and sizes it at start-up.
    MovieHost& loudspeaker() { return *loudspeaker_; }

    // The panel's part of entering dictation: stops the pace, re-seeds the random source, plays the
    // voice prompt when asked, and shows the start panel. The main window has shown this panel.
    void enter(bool voicePrompts);
    // Stops the pace and the repeat.
    void stop();
    void relayout();
    // A dictation is under way (the running panel shows).
    bool isRunning() const;

    // Starting a kind, as its button does.
    void startKind(DictationKind kind);

    // Timer jobs and movie commands, public so tests can drive them without waiting.
    void onPaceTick();
    void onRepeatTick();
    void onLoudspeakerCommand(const QString& command, const QString& arguments);

    QPushButton* kindButton(DictationKind kind) const { return kindButtons_[size_t(kind)]; }
    QComboBox* paceBox() const { return paceBox_; }
    QWidget* runningPanel() const { return running_; }
    QLabel* statusLine() const { return status_; }
    QProgressBar* progressBar() const { return progress_; }
    const PaceTimer& paceTimer() const { return pace_; }
    const QTimer& repeatTimer() const { return repeat_; }
    const DictationSession& session() const { return session_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void takeStep();
    void finish();

    StudyContext& context_;
    DictationListWindow& list_;
    QWidget* mainWindow_;
    DictationSession session_;
    PaceTimer pace_;
    QTimer repeat_;
    int repeatIndex_ = 0;

    QLabel* invitation_ = nullptr;
    std::array<QPushButton*, 3> kindButtons_{};
    QLabel* paceLabel_ = nullptr;
    QComboBox* paceBox_ = nullptr;
    QWidget* running_ = nullptr;
    MovieHost* loudspeaker_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

} // namespace qinghe
