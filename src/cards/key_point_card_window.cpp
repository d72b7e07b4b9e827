#include "cards/key_point_card_window.h"

#include "base/bgr_colour.h"
#include "cards/key_point_printer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace qinghe {

namespace {

const QString kCardStyle = QStringLiteral(
    "#pnl_top { background: #2e7d4f; }"
    "#lbl_title { color: white; font-family: '宋体'; font-size: 22px; font-weight: bold; }"
    "#btn_print { color: #1f5c38; background: #f4fff4; border: 1px solid #cfe8d6; border-radius: 6px;"
    " font-size: 16px; padding: 4px 14px; }"
    "#btn_print:hover { background: #ffffff; } #btn_print:focus { border-color: #ffd54f; }");

} // namespace

KeyPointCardWindow::KeyPointCardWindow(const QString& objectName, const QString& caption, int textPixels,
                                       int fifths, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setStyleSheet(kCardStyle);

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("pnl_top"));
    top->setAttribute(Qt::WA_StyledBackground, true);
    title_ = new QLabel(top);
    title_->setObjectName(QStringLiteral("lbl_title"));
    title_->setTextFormat(Qt::PlainText);
    print_ = new QToolButton(top);
    print_->setObjectName(QStringLiteral("btn_print"));
    print_->setText(QStringLiteral("打 印"));
    print_->setToolTip(QStringLiteral("点击可打印"));
    print_->setAccessibleName(QStringLiteral("打印"));
    print_->setCursor(Qt::PointingHandCursor);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(8, 8, 12, 8);
    topLayout->addWidget(title_, 1);
    topLayout->addWidget(print_);

    text_ = new QTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo_Info"));
    text_->setAccessibleName(caption);
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setLineWrapMode(QTextEdit::WidgetWidth);
    text_->document()->setDocumentMargin(14);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(textPixels);
    text_->setFont(font);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Base, colourFromBgr(kBackgroundColour));
    palette.setColor(QPalette::Text, colourFromBgr(kTextColour));
    text_->setPalette(palette);

    // Zero-size but not hidden: a hidden field could not take the focus.
    focus_ = new QLineEdit(this);
    focus_->setObjectName(QStringLiteral("edt_focus"));
    focus_->setGeometry(0, 0, 0, 0);
    focus_->setFrame(false);
    // Where a screen reader lands when the card comes up.
    focus_->setAccessibleName(caption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(text_, 1);

    connect(print_, &QToolButton::clicked, this, [this] { openPrintPreview(); });

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int width = screen.width() * fifths / 5;
    const int height = screen.height() * fifths / 5;
    resize(width, height);
    move(screen.x() + (screen.width() - width) / 2, screen.y() + (screen.height() - height) / 2);
}

KeyPointCardWindow::~KeyPointCardWindow() {
    // An open preview uses the printer, which goes before the window's children do.
    qDeleteAll(findChildren<QPrintPreviewDialog*>(Qt::FindDirectChildrenOnly));
}

QString KeyPointCardWindow::title() const {
    return title_->text();
}

QString KeyPointCardWindow::text() const {
    return text_->toPlainText();
}

void KeyPointCardWindow::present(const QString& title, const QString& text) {
    text_->clear();
    text_->setPlainText(text);
    title_->setText(title);
    // The colour comes from the palette: the whole text is one colour, and colouring a long text
    // character by character would stall the window.
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Text, colourFromBgr(kTextColour));
    text_->setPalette(palette);
    show();
    raise();
    activateWindow();
    focus_->setFocus(Qt::OtherFocusReason);
}

QPrintPreviewDialog* KeyPointCardWindow::openPrintPreview() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        KeyPointPrinter::preparePage(*printer_);
    }
    auto* dialog = new QPrintPreviewDialog(printer_.get(), this);
    dialog->setObjectName(QStringLiteral("dlg_preview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(windowTitle());
    const KeyPointPrinter report(title(), text());
    connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
            [report](QPrinter* printer) { report.print(*printer); });
    dialog->open();
    return dialog;
}

} // namespace qinghe
