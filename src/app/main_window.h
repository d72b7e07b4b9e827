#pragma once

#include "app/app_services.h"
#include "app/mode_reentry.h"
#include "app/start_rules.h"
#include "catalogue/run_state.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QSplitter;
class QVBoxLayout;

namespace qinghe {

class MovieHost;
class StudyArea;

// The main window: the lesson tree on the left, the study area on the right, the status bar below.
// It owns the run-wide state and runs the start-up sequence, the lesson selection and the exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The panels of the study area; one shows at a time.
    enum class Panel {
        LessonStudy,
        Info,
        DrillPinyinToChar,
        DrillCharToPinyin,
        DrillSoundToChar,
        DrillSoundToPinyin,
        Dictation,
        QuickMemorise
    };

    explicit MainWindow(AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence. False when the settings could not be read: the message has been shown
    // and the program must end once the event loop runs.
    bool initialise();
    // Loads the edition's table of contents and selects the start lesson.
    void loadEdition();

    // Exit through the tool bar: marks the window so that the close always proceeds.
    void quitProgram();

    RunState& runState() { return state_; }
    const RunState& runState() const { return state_; }
    ModeState& modeState() { return mode_; }

    QTreeWidget* lessonTree() const { return tree_; }
    QLabel* statusPanel(int index) const { return statusPanels_[size_t(index)]; }
    QWidget* panel(Panel which) const;
    MovieHost* backgroundMovie() const { return flashbg_; }
    MovieHost* strokeMovie() const { return strokeMovie_; }
    MovieHost* drillFeedbackMovie(int index) const { return feedbackMovies_[size_t(index)]; }
    MovieHost* loudspeakerMovie() const { return loudspeaker_; }
    QWidget* wordButtonRow() const { return wordButtons_; }
    QTimer& handwritingTimer() { return handwritingTimer_; }
    // The start-grade item (1..6) the table of contents checked; 0 = none.
    int checkedStartGrade() const { return checkedStartGrade_; }
    // The reading of the character on the card; a click on the stroke-order movie speaks it.
    void setCurrentReading(const QString& reading) { currentReading_ = reading; }
    // "DATA\<edition>\sound\<sound name>.mp3", resolved.
    QString characterSoundPath(const QString& reading) const;
    QTimer& testMenuTimer() { return testMenuTimer_; }

    // The test-paper window while one is open; closing the main window then closes the paper only.
    void setTestPaperWindow(QWidget* window) { testPaperWindow_ = window; }
    // The per-lesson test window, hidden whenever the table of contents is reloaded.
    void setLessonTestWindow(QWidget* window) { lessonTestWindow_ = window; }

    // Shows exactly one panel of the study area.
    void showPanel(Panel which);
    bool isPanelShowing(Panel which) const;

Q_SIGNALS:
    // A lesson was selected and the current mode re-entered.
    void lessonShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    QWidget* buildLessonStudyPanel();
    QWidget* buildDrillPanel(const QString& name, int feedbackIndex);
    QWidget* buildDictationPanel();
    QWidget* buildInfoPanel();
    void placeWindow();
    void loadStartMovies();

    void onCurrentItemChanged(QTreeWidgetItem* current);
    void selectPath(const NodePath& path);
    void showLesson(QTreeWidgetItem* lessonItem);
    void reenterMode();
    void enterLessonMode();
    void showNoCharacters();
    void stopStudyTimers();
    void onHandwritingTimer();
    void onStrokeMovieClicked();
    void runExitSequence();
    QString path(const QString& relative) const;

    AppServices& services_;
    RunState state_;
    ModeState mode_;
    bool quitMark_ = false;
    int checkedStartGrade_ = 0;
    QString currentReading_;
    bool exiting_ = false;
    QList<QIcon> treeIcons_;

    QSplitter* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    StudyArea* studyArea_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
    std::array<QWidget*, 8> panels_{};
    QWidget* wordButtons_ = nullptr;
    MovieHost* flashbg_ = nullptr;
    MovieHost* strokeMovie_ = nullptr;
    std::array<MovieHost*, 4> feedbackMovies_{};
    MovieHost* loudspeaker_ = nullptr;
    QWidget* dictationRunning_ = nullptr;

    QPointer<QWidget> testPaperWindow_;
    QPointer<QWidget> lessonTestWindow_;

    // Timers with the periods the modes rely on; the modes attach their jobs.
    QTimer handwritingTimer_;   // tim_hand: one shot after start
    QTimer testMenuTimer_;      // tim_menu: one shot, builds the test-paper menu
    QTimer startTimer_;         // Timer3: one shot that only stops itself
    QTimer quickMemoriseTimer_; // Timer11
    QTimer slideInTimer_;       // Timer21
    QTimer dictationTimer_;     // tim_tx
};

} // namespace qinghe
