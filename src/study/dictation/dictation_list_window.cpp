#include "study/dictation/dictation_list_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableWidget>

#include <functional>

namespace qinghe {

namespace {

// Reports every choice of a cell: a press (also on the cell already current, so an answer can be
// heard again and again) and a move with the keys.
class AnswerGrid final : public QTableWidget {
public:
    AnswerGrid(std::function<void(int, int)> chosen, QWidget* parent)
        : QTableWidget(parent)
        , chosen_(std::move(chosen)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QTableWidget::mousePressEvent(event);
        const QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index.isValid()) {
            chosen_(index.row(), index.column());
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        const QModelIndex before = currentIndex();
        QTableWidget::keyPressEvent(event);
        const QModelIndex after = currentIndex();
        const bool again =
            event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (after.isValid() && (after != before || again)) {
            chosen_(after.row(), after.column());
        }
    }

private:
    std::function<void(int, int)> chosen_;
};

} // namespace

DictationListWindow::DictationListWindow(StudyContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , context_(context) {
    setObjectName(QStringLiteral("Tfrm_wnnx_list"));
    setWindowTitle(QStringLiteral("我念你写－－字词列表"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    grid_ = new AnswerGrid([this](int row, int column) { chooseCell(row, column); }, this);
    grid_->setObjectName(QStringLiteral("GridChar"));
    grid_->setAccessibleName(QStringLiteral("听写答案"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::StrongFocus);
    grid_->setFrameShape(QFrame::Box);
    grid_->setLineWidth(1);
    grid_->setStyleSheet(QStringLiteral("QTableWidget { background: #fffbea; color: #800000; "
                                        "gridline-color: #d8c8a8; border: 1px solid #d8c8a8; }"));
    grid_->setRowCount(shape_.rows);
    grid_->setColumnCount(shape_.columns);
    hide();
}

void DictationListWindow::showAnswers(DictationKind kind, const DictationLists& lists) {
    shape_ = answerGridShape(kind);
    lists_ = lists;
    if (isVisible()) {
        fill(); // already up: a show event will not come
    }
    show();
    raise();
    activateWindow();
}

void DictationListWindow::fill() {
    grid_->clearContents();
    grid_->setRowCount(shape_.rows);
    grid_->setColumnCount(shape_.columns);
    // Qt counts the grid line inside a section; the shape's sizes are without it.
    grid_->horizontalHeader()->setDefaultSectionSize(shape_.columnWidth + 1);
    grid_->verticalHeader()->setDefaultSectionSize(shape_.rowHeight + 1);
    for (int c = 0; c < shape_.columns; ++c) {
        grid_->setColumnWidth(c, shape_.columnWidth + 1);
    }
    for (int r = 0; r < shape_.rows; ++r) {
        grid_->setRowHeight(r, shape_.rowHeight + 1);
    }
    QFont font(QStringLiteral("楷体"));
    font.setPointSize(shape_.fontSize);
    font.setBold(true);
    grid_->setFont(font);
    grid_->setFixedSize(shape_.gridWidth, shape_.gridHeight());

    const QStringList cells = answerCells(lists_.shown, shape_);
    for (int i = 0; i < cells.size(); ++i) {
        if (cells[i].isEmpty()) {
            continue;
        }
        auto* item = new QTableWidgetItem(cells[i]);
        item->setTextAlignment(Qt::AlignCenter);
        item->setFont(font);
        grid_->setItem(i / shape_.columns, i % shape_.columns, item);
    }
    centreGrid();
}

void DictationListWindow::chooseCell(int row, int column) {
    const QTableWidgetItem* item = grid_->item(row, column);
    if (item == nullptr || item->text().isEmpty()) {
        return;
    }
    const QString key = lists_.recordings.value(answerIndex(row, column, shape_)).trimmed();
    if (!key.isEmpty()) {
        context_.speak(key);
    }
}

void DictationListWindow::centreGrid() {
    grid_->move(centredGridOrigin(size(), grid_->size()));
}

void DictationListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        fill();
    }
}

void DictationListWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void DictationListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    centreGrid();
}

} // namespace qinghe
