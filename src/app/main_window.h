#pragma once

#include "app/app_services.h"
#include "app/main_toolbar.h"
#include "app/mode_reentry.h"
#include "app/start_rules.h"
#include "base/path_resolver.h"
#include "catalogue/run_state.h"
#include "study/drill_kind.h"
#include "study/study_context.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QSplitter;

namespace qinghe {

class CharacterTableWindow;
class DictationListWindow;
class DictationPanel;
class DrillControls;
class DrillPanel;
class MovieHost;
class QuickMemorisePanel;
class StudyArea;
class WordButtonRow;
class WordGroupBrowser;

// The main window: the tool bar, the lesson tree on the left, the study area on the right, the status
// bar below. It owns the run-wide state, runs the start-up sequence, the lesson selection, the mode
// changes of the tool bar and the exit.
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
    // Builds what the first screen does not show (the activity panels, the per-book menus); called
    // once the window has painted.
    void completeStartup();
    // Loads the edition's table of contents and selects the start lesson.
    void loadEdition();
    // Exit through the tool bar: marks the window so that the close always proceeds.
    void quitProgram();

    // The tool bar's and menus' actions.
    void enterLessonMode();
    void enterCharacterStudy();
    void startLessonTest();
    void enterQuickMemorise();
    void enterDictation();
    void enterDrill(Drill drill);
    void openCharacterTable();
    void openSynonyms();
    void openPinyinLessons();
    void openUnitCard(int book, int unit, const QString& unitCaption);
    void openTestPaper(int book, const QString& bookCaption, const QString& paperName);
    void chooseTestFontSize(int index);
    void chooseStartGrade(int grade);
    void openHandwritingPad();
    void showHandwritingSetup();
    void buildTestPaperMenu();
    // A command of the lesson or card movie.
    void onLessonMovieCommand(const QString& command, const QString& arguments);

    RunState& runState() { return state_; }
    const RunState& runState() const { return state_; }
    StudyContext& studyContext() { return context_; }
    // The mode as the tool bar shows it.
    ModeState modeState() const;

    MainToolBar& toolBar() const { return *toolBar_; }
    QTreeWidget* lessonTree() const { return tree_; }
    QLabel* statusPanel(int index) const { return statusPanels_[size_t(index)]; }
    QLabel* timerPanel() const { return timerPanel_; }
    QWidget* studyArea() const;
    // Null for an activity panel that has not been built yet.
    QWidget* panel(Panel which) const { return panels_[size_t(which)]; }
    MovieHost* backgroundMovie() const { return flashbg_; }
    MovieHost* strokeMovie() const { return strokeMovie_; }
    WordButtonRow* wordButtonRow() const { return wordButtons_; }
    WordGroupBrowser* browser() const { return browser_; }
    // The activity panels are built on first use (see ensureActivityPanels); asking for one builds them.
    QuickMemorisePanel* quickMemorisePanel();
    DrillPanel* drillPanel(Drill drill);
    DrillControls* drillControls();
    DictationPanel* dictationPanel();
    DictationListWindow* dictationList();
    void ensureActivityPanels();
    CharacterTableWindow* characterTable() const { return characterTable_; }
    QWidget* testPaperHost() const { return testPaperHost_; }
    QTimer& handwritingTimer() { return handwritingTimer_; }
    QTimer& testMenuTimer() { return testMenuTimer_; }
    // The start-grade item (1..6) that carries the check mark; 0 = none.
    int checkedStartGrade() const;
    // "DATA\\<edition>\\sound\\<sound name>.mp3", resolved.
    QString characterSoundPath(const QString& reading) const;

    // The per-lesson test in progress: its window shows and its hand-in button "btnkey" too.
    bool lessonTestInProgress() const;

    void showPanel(Panel which);
    bool isPanelShowing(Panel which) const;

Q_SIGNALS:
    // A lesson was selected and the current mode re-entered.
    void lessonShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildStatusBar();
    void addStudyPanel(Panel which, QWidget* panel);
    bool activityPanelsBuilt() const;
    void hideDrillControls();
    void stopDrills();
    void connectToolBar();
    QWidget* buildLessonStudyPanel();
    QWidget* buildInfoPanel();
    void placeWindow();
    void applyBookModeToMenus();

    void onCurrentItemChanged(QTreeWidgetItem* current);
    void selectPath(const NodePath& path);
    void showLesson(QTreeWidgetItem* lessonItem);
    void reenterMode();
    void showNoCharacters();
    SelectedNode selectedNode() const;

    bool leaveTestAllowed(const QString& caption, const QString& text);
    bool leaveTestAllowedFor(const QString& modeCaption);
    void commonCleanUp(bool freeReading);
    void stopStudyTimers();
    void placeStrokeBoxForLayout();
    void relayoutStudy();

    void onHandwritingTimer();
    void onStrokeMovieClicked();
    void onToolButtonHovered(const QString& hint);
    void runExitSequence();
    QString path(const QString& relative) const;

    AppServices& services_;
    const PathResolver& paths_; // shared with the records
    RunState state_;
    StudyContext context_;
    bool quitMark_ = false;
    bool exiting_ = false;
    QList<QIcon> treeIcons_;

    MainToolBar* toolBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    StudyArea* studyArea_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
    QLabel* timerPanel_ = nullptr; // pnltime
    std::array<QWidget*, 8> panels_{};
    WordButtonRow* wordButtons_ = nullptr;
    MovieHost* flashbg_ = nullptr;
    MovieHost* strokeMovie_ = nullptr;
    WordGroupBrowser* browser_ = nullptr;
    QuickMemorisePanel* quickMemorise_ = nullptr;
    DrillControls* drillControls_ = nullptr;
    std::array<DrillPanel*, 4> drillPanels_{};
    DictationListWindow* dictationList_ = nullptr;
    DictationPanel* dictation_ = nullptr;
    CharacterTableWindow* characterTable_ = nullptr;
    QWidget* testPaperHost_ = nullptr; // pnl_shijuan
    QPointer<QWidget> testPaperWindow_;
    QPointer<QWidget> lessonTestWindow_;
    QPointer<QWidget> topicChooser_;

    // Timers of the main window itself; the modes keep their own.
    QTimer handwritingTimer_; // tim_hand: one shot after start
    QTimer testMenuTimer_;    // tim_menu: one shot, builds the test-paper menu
    QTimer startTimer_;       // Timer3: one shot that only stops itself
};

} // namespace qinghe
