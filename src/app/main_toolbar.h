#pragma once

#include "study/drill_kind.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

namespace qinghe {

// The tool bar (TOBzhuanti) and its menus: captions, hints, sizes, groups and drop-downs. The main
// window connects the handlers; this class only builds and keeps the controls.
class MainToolBar : public QObject {
    Q_OBJECT
public:
    // The group buttons: pressing one releases the others.
    enum class Mode { Lesson, CharacterStudy, LessonTest, QuickMemorise, Drills, Dictation, SpecialStudy };

    explicit MainToolBar(QWidget* window);

    QToolBar* bar() const { return bar_; }

    QToolButton* lessonButton() const { return lesson_; }        // TBlesson
    QToolButton* characterStudyButton() const { return study_; } // tb_zcxx
    QToolButton* lessonTestButton() const { return test_; }      // tbtest
    QToolButton* testPapersButton() const { return papers_; }    // ToolButton5
    QToolButton* quickMemoriseButton() const { return quick_; }  // tb_zcsj
    QToolButton* drillsButton() const { return drills_; }        // TB_zclx
    QToolButton* dictationButton() const { return dictation_; }  // TB_listenAndWrite
    QToolButton* specialStudyButton() const { return special_; } // tb_zxxx
    QToolButton* characterTableButton() const { return table_; } // TB_Szb
    QToolButton* settingsButton() const { return settings_; }    // ToolButton3
    QToolButton* exitButton() const { return exit_; }            // ToolButton1
    QList<QToolButton*> buttons() const;

    QToolButton* modeButton(Mode mode) const;
    // Puts one group button down and the others up.
    void setMode(Mode mode);
    void releaseAll();
    bool isDown(Mode mode) const;

    // popzclx
    QAction* drillItem(Drill drill) const { return drillItems_[size_t(drill)]; }
    // pmzhuanxiang
    QAction* pinyinLessonsItem() const { return pinyinLessons_; }
    QAction* synonymsItem() const { return synonyms_; }
    QMenu* unitCardMenu(int book); // 1..12
    // popset
    QMenu* startGradeMenu() const { return gradeMenu_; }
    QAction* startGradeItem(int grade) const { return gradeItems_[size_t(grade - 1)]; } // 1..6
    QAction* openPadItem() const { return openPad_; }
    QAction* padSetupItem() const { return padSetup_; }
    QAction* fontSizeItem(int index) const { return fontItems_[size_t(index)]; } // 0..4
    QAction* voicePromptsItem() const { return voicePrompts_; }
    // pop_ceshi: one sub-menu per book (1..12) in an all-books installation
    QMenu* testPaperMenu();
    QMenu* testPaperBookMenu(int book);

    // The per-book sub-menus (key points and test papers) are not on the first screen: they are made
    // by the first call that asks for one, or by this, which the window calls once it has painted.
    void ensureBookMenus();
    // A one-book installation: only that book's key-point menu shows, and its units open that book
    // (none shows when the book is not a number).
    void showOnlyBook(std::optional<int> book);

    // The five test font sizes of "字体大小（测验）", in menu order.
    static constexpr std::array<int, 5> kFontSizes{32, 26, 20, 18, 16};
    static const QStringList& bookTitles();

Q_SIGNALS:
    // The pointer entered a tool-bar button (for the voice prompts); hint as the button carries it.
    void buttonHovered(const QString& hint);
    // A unit of a key-point sub-menu was chosen.
    void unitCardChosen(int book, int unit, const QString& unitCaption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addButton(const char* name, const QString& caption, const QString& hint, int icon);

    QToolBar* bar_ = nullptr;
    QToolButton* lesson_ = nullptr;
    QToolButton* study_ = nullptr;
    QToolButton* test_ = nullptr;
    QToolButton* papers_ = nullptr;
    QToolButton* quick_ = nullptr;
    QToolButton* drills_ = nullptr;
    QToolButton* dictation_ = nullptr;
    QToolButton* special_ = nullptr;
    QToolButton* table_ = nullptr;
    QToolButton* settings_ = nullptr;
    QToolButton* exit_ = nullptr;
    std::array<QAction*, 4> drillItems_{};
    QAction* pinyinLessons_ = nullptr;
    QAction* synonyms_ = nullptr;
    QMenu* specialMenu_ = nullptr;
    std::array<QMenu*, 12> unitMenus_{};
    QMenu* gradeMenu_ = nullptr;
    std::array<QAction*, 6> gradeItems_{};
    QAction* openPad_ = nullptr;
    QAction* padSetup_ = nullptr;
    std::array<QAction*, 5> fontItems_{};
    QAction* voicePrompts_ = nullptr;
    QMenu* testPapers_ = nullptr;
    std::array<QMenu*, 12> paperBooks_{};
    bool bookMenusMade_ = false;
    bool oneBook_ = false;
    std::optional<int> onlyBook_;
};

} // namespace qinghe
