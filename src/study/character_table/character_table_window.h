#pragma once

#include "study/character_table/character_table.h"
#include "study/study_context.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace qinghe {

class TableMemoriseWindow;

// The new-character table (Tfrm_shengzi): the characters of a grade half, of the checked units and
// of a character type, as a grid of large characters with their readings. While it is open the main
// window waits out of sight.
class CharacterTableWindow : public QWidget {
    Q_OBJECT
public:
    CharacterTableWindow(StudyContext& context, QWidget* mainWindow);
    ~CharacterTableWindow() override;

    // Fixes the grade in single-book installations, shows the table and moves the main window out
    // of sight (closing brings it back).
    void open();

    // "生字快速浏览学习": the quick-memorise window over the listed characters.
    void browse();

    const CharacterTable& table() const { return table_; }
    QComboBox* gradeBox() const { return grade_; }
    QListWidget* unitList() const { return units_; }
    QComboBox* typeBox() const { return type_; }
    QLabel* caption() const { return caption_; }
    QTableWidget* grid() const { return grid_; }
    QCheckBox* pinyinBox() const { return pinyin_; }
    QPushButton* browseButton() const { return browse_; }
    QLabel* statusPane() const { return status_; }
    TableMemoriseWindow* memoriseWindow() const;
    // The horizontal distance the main window was moved by (0 while it is in place).
    int mainWindowOffset() const { return parkedBy_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void refillUnits();
    void refillGrid();
    void showCaptions();
    void resizeGrid();
    void placeBrowseButton();

    StudyContext& context_;
    QPointer<QWidget> mainWindow_;
    CharacterTable table_;
    int parkedBy_ = 0;
    bool placed_ = false;

    QComboBox* grade_ = nullptr;
    QListWidget* units_ = nullptr;
    QComboBox* type_ = nullptr;
    QLabel* caption_ = nullptr;
    QWidget* gridPanel_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    QCheckBox* pinyin_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<TableMemoriseWindow> memorise_;
};

} // namespace qinghe
