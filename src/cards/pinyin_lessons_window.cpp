#include "cards/pinyin_lessons_window.h"

#include "audio/audio_service.h"
#include "base/path_resolver.h"
#include "cards/pinyin_lessons.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qinghe {

namespace {

// The ground around the movie repeats the movie's own background (0x2B1A9 as 0xBBGGRR).
const QString kWindowStyle = QStringLiteral(
    "#Tfrmpinyin { background: #a9b102; }"
    "#lbl_heading { color: white; background: #5f6a00; font-size: 24px; font-weight: bold;"
    " padding: 8px 16px; }"
    "#lst_pinyin { background: #fbfbe8; color: #3b3f00; border: none; border-radius: 6px; font-size: 28px;"
    " outline: 0; }"
    "#lst_pinyin::item { padding: 3px 0; }"
    "#lst_pinyin::item:selected { background: #ffd54f; color: #3b2a00; }"
    "#btn_close { font-size: 18px; color: #3b3f00; background: #fbfbe8; border: 2px solid #d6d98a;"
    " border-radius: 8px; padding: 6px 10px; }"
    "#btn_close:hover { background: white; } #btn_close:focus { border-color: #ffb300; }");

QFont pinyinFont() {
    QFont font;
    // DejaVu Sans draws ɑ and ɡ; the Chinese faces in the heading fall back per character.
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Zen Hei")});
    return font;
}

} // namespace

PinyinLessonsWindow::PinyinLessonsWindow(const PathResolver& paths, const MovieHostFactory& movies,
                                         AudioService& audio, QWidget* mainWindow,
                                         std::function<void()> onClosed, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , paths_(paths)
    , audio_(audio)
    , mainWindow_(mainWindow)
    , onClosed_(std::move(onClosed)) {
    setObjectName(QStringLiteral("Tfrmpinyin"));
    setWindowTitle(QStringLiteral("汉语拼音的动画学习"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(kWindowStyle);
    setFont(pinyinFont());

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lbl_heading"));
    heading_->setTextFormat(Qt::PlainText);

    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("pnl_left"));
    side->setFixedWidth(150);
    list_ = new QListWidget(side);
    list_->setObjectName(QStringLiteral("lst_pinyin"));
    list_->setAccessibleName(QStringLiteral("拼音"));
    for (const QString& entry : pinyinLessonEntries()) {
        auto* item = new QListWidgetItem(entry, list_);
        item->setTextAlignment(Qt::AlignCenter);
    }
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    close_ = new QPushButton(QStringLiteral("关 闭"), side);
    close_->setObjectName(QStringLiteral("btn_close"));
    close_->setAccessibleName(QStringLiteral("关闭"));
    close_->setCursor(Qt::PointingHandCursor);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(8, 8, 8, 8);
    sideLayout->setSpacing(8);
    sideLayout->addWidget(list_, 1);
    sideLayout->addWidget(close_);

    host_ = movies(this, QStringLiteral("Flashmain"));
    host_->widget()->setAccessibleName(QStringLiteral("拼音动画"));

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(side);
    body->addWidget(host_->widget(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(heading_);
    layout->addLayout(body, 1);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { playEntry(row); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(host_, &MovieHost::fsCommand, this, &PinyinLessonsWindow::onMovieCommand);
}

PinyinLessonsWindow::~PinyinLessonsWindow() = default;

bool PinyinLessonsWindow::open() {
    if (mainWindow_) {
        const Qt::WindowFlags border = mainWindow_->windowFlags() & Qt::FramelessWindowHint;
        setWindowFlags((windowFlags() & ~Qt::FramelessWindowHint) | border);
        resize(mainWindow_->width(), mainWindow_->height());
    }
    move(0, 0);
    open_ = true;
    show();
    raise();
    activateWindow();
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(0);
    }
    playEntry(0);
    return isVisible();
}

void PinyinLessonsWindow::playEntry(int row) {
    const QStringList& entries = pinyinLessonEntries();
    if (row < 0 || row >= entries.size()) {
        return;
    }
    const QString& entry = entries[row];
    host_->loadMovie(0, QString());
    // A missing movie leaves the host blank; the lesson list stays usable.
    host_->setMovie(paths_.resolve(pinyinMoviePath(entry)));
    host_->setBackgroundColor(kPinyinMovieBackground);
    heading_->setText(pinyinLessonHeading(entry));
}

void PinyinLessonsWindow::onMovieCommand(const QString& command, const QString& arguments) {
    if (command != kPinyinSpeakCommand) {
        return;
    }
    if (const auto recording = pinyinRecordingPath(arguments)) {
        spoke_ = true;
        audio_.playFile(AudioSlot::Voice, paths_.resolve(*recording));
    }
}

void PinyinLessonsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!open_) {
        return;
    }
    open_ = false;
    host_->stop();
    host_->setMovie(paths_.resolve(pinyinBlankMoviePath()));
    if (spoke_) {
        audio_.stop(AudioSlot::Voice);
        spoke_ = false;
    }
    minimised_.clear();
    if (onClosed_) {
        onClosed_();
    }
}

void PinyinLessonsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = change->oldState().testFlag(Qt::WindowMinimized);
    const bool isMinimisedNow = windowState().testFlag(Qt::WindowMinimized);
    if (isMinimisedNow && !wasMinimised) {
        minimiseProgram();
    } else if (!isMinimisedNow && wasMinimised) {
        restoreProgram();
    }
}

void PinyinLessonsWindow::minimiseProgram() {
    minimised_.clear();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && !window->isMinimized()) {
            minimised_ << window;
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
        }
    }
}

void PinyinLessonsWindow::restoreProgram() {
    for (const QPointer<QWidget>& window : std::as_const(minimised_)) {
        if (window) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        }
    }
    minimised_.clear();
}

} // namespace qinghe
