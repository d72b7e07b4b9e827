#include "study/character_table/character_table_window.h"

#include "study/character_table/table_memorise_window.h"
#include "study/character_table/table_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qinghe {

namespace {

constexpr int kMainWindowGap = 2000; // added to the screen width when the main window steps aside

// Wayland compositors place windows themselves; there the main window is also hidden while aside.
bool positionsIgnored() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

// Rules are scoped to this window's own panels: the quick-memorise window is a child and must keep
// its own type sizes.
const QString kWindowStyle = QStringLiteral(
    "#Tfrm_shengzi { background: #fdf6e3; }"
    "#pnl_top QLabel { color: #5a4326; font-size: 17px; }"
    "#lbl_record { color: #8a3b12; font-size: 26px; font-weight: bold; }"
    "#pnl_top QComboBox { font-size: 17px; padding: 2px 8px; min-height: 30px; }"
    "#chk_unit { font-size: 17px; background: #fffdf5; border: 1px solid #d8c8a8; }"
    "#chk_pinyin { font-size: 17px; color: #5a4326; }"
    "#btn_liulan { font-size: 19px; color: #2f4f2f; background: #e3f1dc; border: 2px solid #9cc58a;"
    " border-radius: 10px; padding: 6px 18px; }"
    "#btn_liulan:hover { background: #d2ebc6; } #btn_liulan:focus { border-color: #5f9a4a; }"
    "#StringGrid { background: #fffdf5; gridline-color: #e0d2b4; border: 1px solid #d8c8a8; }"
    "#sb_state QLabel { font-size: 15px; color: #5a4326; padding-left: 8px; }");

// Draws a table cell: the character in the grid's font, centred, and when readings are on, its
// reading in small red type along the top edge.
class CellPainter final : public QStyledItemDelegate {
public:
    CellPainter(const CharacterTable& table, const QCheckBox& pinyin, QObject* parent)
        : QStyledItemDelegate(parent)
        , table_(table)
        , pinyin_(pinyin) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const QRect cell = option.rect;
        painter->fillRect(cell, QColor(0xff, 0xfd, 0xf5));
        const QString character = index.data().toString();
        if (!character.isEmpty()) {
            painter->setFont(option.font);
            painter->setPen(QColor(0x2b, 0x22, 0x16));
            painter->drawText(cell, Qt::AlignCenter | Qt::TextSingleLine, character);
            if (pinyin_.isChecked()) {
                const QString reading = table_.pinyins().value(index.row() * kTableColumns + index.column());
                QFont font(QStringLiteral("微软雅黑"));
                font.setPointSize(10);
                const QFontMetrics metrics(font);
                const auto* view = qobject_cast<const QTableView*>(option.widget);
                const int offset = view != nullptr ? view->horizontalHeader()->offset() : 0;
                // Cells are as wide as their column, so the cell width serves as the column width.
                const int left = readingLeft(cell.width(), metrics.horizontalAdvance(reading), cell.width(),
                                             index.column()) -
                                 offset;
                painter->setFont(font);
                painter->setPen(Qt::red);
                painter->drawText(QPoint(left, cell.top() + metrics.ascent()), reading);
            }
        }
        painter->restore();
    }

private:
    const CharacterTable& table_;
    const QCheckBox& pinyin_;
};

QLabel* fieldLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CharacterTableWindow::CharacterTableWindow(StudyContext& context, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , context_(context)
    , mainWindow_(mainWindow)
    , table_([&context](const QString& path) { return context.records.document(path); }) {
    setObjectName(QStringLiteral("Tfrm_shengzi"));
    setWindowTitle(QStringLiteral("生字表"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(kWindowStyle);
    buildWindow();
    resize(1024, 700);
}

CharacterTableWindow::~CharacterTableWindow() = default;

void CharacterTableWindow::buildWindow() {
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("pnl_top"));
    grade_ = new QComboBox(top);
    grade_->setObjectName(QStringLiteral("cmb_grade"));
    grade_->setAccessibleName(QStringLiteral("年级范围"));
    grade_->addItems(gradeItems());
    units_ = new QListWidget(top);
    units_->setObjectName(QStringLiteral("chk_unit"));
    units_->setAccessibleName(QStringLiteral("单元范围"));
    units_->setFlow(QListView::LeftToRight);
    units_->setWrapping(true);
    units_->setResizeMode(QListView::Adjust);
    units_->setSpacing(4);
    units_->setFixedHeight(68);
    type_ = new QComboBox(top);
    type_->setObjectName(QStringLiteral("cmb_rendu"));
    type_->setAccessibleName(QStringLiteral("生字类型"));
    type_->addItems(characterTypeItems());

    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(8, 8, 8, 4);
    topLayout->setSpacing(8);
    topLayout->addWidget(fieldLabel(QStringLiteral("年级范围"), grade_, top));
    topLayout->addWidget(grade_);
    topLayout->addSpacing(12);
    topLayout->addWidget(fieldLabel(QStringLiteral("单元范围"), units_, top));
    topLayout->addWidget(units_, 1);
    topLayout->addSpacing(12);
    topLayout->addWidget(fieldLabel(QStringLiteral("生字类型"), type_, top));
    topLayout->addWidget(type_);

    caption_ = new QLabel(QStringLiteral("生字列表"), this);
    caption_->setObjectName(QStringLiteral("lbl_record"));
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setContentsMargins(0, 4, 0, 6);

    gridPanel_ = new QWidget(this);
    gridPanel_->setObjectName(QStringLiteral("pnl_grid"));
    grid_ = new QTableWidget(gridPanel_);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->setAccessibleName(QStringLiteral("生字列表"));
    grid_->setColumnCount(kTableColumns);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    QFont gridFont(QStringLiteral("宋体"));
    gridFont.setPixelSize(60);
    grid_->setFont(gridFont);

    bottomPanel_ = new QWidget(this);
    bottomPanel_->setObjectName(QStringLiteral("pnl_bottom"));
    bottomPanel_->setFixedHeight(56);
    pinyin_ = new QCheckBox(QStringLiteral("显示拼音"), bottomPanel_);
    pinyin_->setObjectName(QStringLiteral("chk_pinyin"));
    pinyin_->setAccessibleName(QStringLiteral("显示拼音"));
    pinyin_->setChecked(true);
    browse_ = new QPushButton(QStringLiteral("生字快速浏览学习"), bottomPanel_);
    browse_->setObjectName(QStringLiteral("btn_liulan"));
    browse_->setAccessibleName(QStringLiteral("生字快速浏览学习"));
    browse_->setCursor(Qt::PointingHandCursor);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sb_state"));
    bar->setSizeGripEnabled(false);
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("sb_state_0"));
    bar->addWidget(status_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(caption_);
    layout->addWidget(gridPanel_, 1);
    layout->addWidget(bottomPanel_);
    layout->addWidget(bar);

    grid_->setItemDelegate(new CellPainter(table_, *pinyin_, grid_));
    gridPanel_->installEventFilter(this);
    bottomPanel_->installEventFilter(this);

    connect(grade_, &QComboBox::activated, this, [this](int index) {
        if (table_.chooseGrade(index)) {
            refillUnits();
            refillGrid();
            showCaptions();
        }
    });
    connect(type_, &QComboBox::activated, this, [this](int index) {
        if (table_.chooseType(index)) {
            refillUnits();
            refillGrid();
            showCaptions();
        }
    });
    connect(units_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = units_->row(item);
        const bool checked = item->checkState() == Qt::Checked;
        if (row < 0 || row >= table_.checkedUnits().size() || table_.checkedUnits()[row] == checked) {
            return;
        }
        table_.setUnitChecked(row, checked);
        refillUnits();
        refillGrid();
        showCaptions();
    });
    connect(pinyin_, &QCheckBox::toggled, grid_->viewport(), qOverload<>(&QWidget::update));
    connect(browse_, &QPushButton::clicked, this, &CharacterTableWindow::browse);
}

void CharacterTableWindow::open() {
    const QString& bookMode = context_.state.settings.bookMode;
    if (bookMode != u"0") {
        bool ok = false;
        const int book = bookMode.toInt(&ok);
        if (ok && book >= 1 && book <= grade_->count()) {
            grade_->setCurrentIndex(book - 1);
        }
        grade_->setEnabled(false);
    }
    if (!placed_ && mainWindow_ != nullptr) {
        // The table takes the main window's place on the screen the first time.
        resize(mainWindow_->size());
        move(mainWindow_->pos());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    if (mainWindow_ != nullptr && parkedBy_ == 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        parkedBy_ = (screen != nullptr ? screen->geometry().width() : 0) + kMainWindowGap;
        mainWindow_->move(mainWindow_->x() + parkedBy_, mainWindow_->y());
        if (positionsIgnored()) {
            mainWindow_->hide();
        }
    }
}

TableMemoriseWindow* CharacterTableWindow::memoriseWindow() const {
    return memorise_;
}

void CharacterTableWindow::browse() {
    if (table_.count() < 1) {
        context_.prompter.inform(QStringLiteral("说明"),
                                 QStringLiteral("当前所选单元没有任何生字，请重新选择单元！"));
        return;
    }
    if (memorise_ == nullptr) {
        memorise_ = new TableMemoriseWindow(context_, this);
    }
    memorise_->present(table_.characters(), table_.pinyins());
}

void CharacterTableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return; // restored from the task bar: the selection stays
    }
    table_.show(grade_->currentIndex());
    type_->setCurrentIndex(table_.typeIndex());
    refillUnits();
    refillGrid();
    showCaptions();
}

void CharacterTableWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (mainWindow_ != nullptr && parkedBy_ != 0) {
        mainWindow_->move(mainWindow_->x() - parkedBy_, mainWindow_->y());
        if (positionsIgnored()) {
            mainWindow_->show();
        }
    }
    parkedBy_ = 0;
}

bool CharacterTableWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == gridPanel_) {
            resizeGrid();
        } else if (watched == bottomPanel_) {
            placeBrowseButton();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CharacterTableWindow::refillUnits() {
    const QSignalBlocker blocker(units_);
    const QStringList& names = table_.units();
    if (units_->count() != names.size()) {
        units_->clear();
        for (const QString& name : names) {
            auto* item = new QListWidgetItem(name, units_);
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        }
    }
    for (int i = 0; i < names.size(); ++i) {
        QListWidgetItem* item = units_->item(i);
        item->setText(names[i]);
        item->setCheckState(table_.checkedUnits().value(i) ? Qt::Checked : Qt::Unchecked);
    }
}

void CharacterTableWindow::refillGrid() {
    grid_->clearContents();
    grid_->setRowCount(table_.rowCount());
    for (int i = 0; i < table_.count(); ++i) {
        auto* item = new QTableWidgetItem(table_.characters()[i]);
        item->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(i / kTableColumns, i % kTableColumns, item);
    }
}

void CharacterTableWindow::showCaptions() {
    caption_->setText(table_.caption());
    status_->setText(table_.status());
}

void CharacterTableWindow::resizeGrid() {
    grid_->setGeometry(gridPanel_->rect());
    const TableGridMetrics metrics = tableGridMetrics(gridPanel_->width(), -1);
    const int column = std::max(1, metrics.columnWidth) + 1; // Qt counts the grid line in the section
    const int row = std::max(1, metrics.rowHeight) + 1;
    grid_->horizontalHeader()->setDefaultSectionSize(column);
    grid_->verticalHeader()->setDefaultSectionSize(row);
    for (int c = 0; c < kTableColumns; ++c) {
        grid_->setColumnWidth(c, column);
    }
    for (int r = 0; r < grid_->rowCount(); ++r) {
        grid_->setRowHeight(r, row);
    }
    if (metrics.fontSize > 0) {
        QFont font = grid_->font();
        font.setPointSize(metrics.fontSize);
        grid_->setFont(font);
    }
}

void CharacterTableWindow::placeBrowseButton() {
    const QSize button = browse_->sizeHint();
    const int top = (bottomPanel_->height() - button.height()) / 2;
    browse_->setGeometry(bottomPanel_->width() - button.width() - 4, top, button.width(), button.height());
    const QSize check = pinyin_->sizeHint();
    pinyin_->setGeometry(12, (bottomPanel_->height() - check.height()) / 2, check.width(), check.height());
}

} // namespace qinghe
