#pragma once

#include "study/dictation/dictation_layout.h"
#include "study/dictation/dictation_session.h"
#include "study/study_context.h"

#include <QWidget>

class QTableWidget;

namespace qinghe {

// The answer list of a finished dictation (Tfrm_wnnx_list): the expected answers in a grid on
// black; choosing an answer reads it again on the voice slot. Created hidden by the main window.
class DictationListWindow : public QWidget {
    Q_OBJECT
public:
    DictationListWindow(StudyContext& context, QWidget* parent);

    // Shows the answers of a dictation of this kind (cleared, filled and centred on show).
    void showAnswers(DictationKind kind, const DictationLists& lists);

    QTableWidget* grid() const { return grid_; }
    const AnswerGridShape& shape() const { return shape_; }
    // A cell was chosen (click, or moved to with the keys): reads its answer; an empty cell reads
    // nothing.
    void chooseCell(int row, int column);

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();
    void centreGrid();

    StudyContext& context_;
    QTableWidget* grid_ = nullptr;
    AnswerGridShape shape_;
    DictationLists lists_;
};

} // namespace qinghe
