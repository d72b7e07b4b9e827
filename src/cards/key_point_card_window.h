#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPrintPreviewDialog;
class QPrinter;
class QTextEdit;
class QToolButton;

namespace qinghe {

// What the lesson and unit key-point cards share: a header strip with the title in white and a
// print button, the read-only text in dark green on a pale ground, and printing through a preview.
// The window stays on top of the main window and is sized from the screen when it is made.
class KeyPointCardWindow : public QWidget {
    Q_OBJECT
public:
    ~KeyPointCardWindow() override;

    QString title() const;
    QString text() const;

    QLabel* titleLabel() const { return title_; }
    QTextEdit* textBox() const { return text_; }
    QToolButton* printButton() const { return print_; }
    // The invisible, zero-size field that holds the focus so the read-only text shows no caret.
    QLineEdit* focusTarget() const { return focus_; }

    // Opens the print preview of the card's title and text (window-modal, returns at once; the
    // dialog deletes itself when closed).
    QPrintPreviewDialog* openPrintPreview();

    // Text colour and background as 0xBBGGRR.
    static constexpr int kTextColour = 0x408000;
    static constexpr int kBackgroundColour = 0xFFFFF4;

protected:
    // `fifths`: the window takes that many fifths of the screen's width and height.
    KeyPointCardWindow(const QString& objectName, const QString& caption, int textPixels, int fifths,
                       QWidget* parent);

    // Empties the text box, then shows the title and text, colours it, parks the focus and brings
    // the card up.
    void present(const QString& title, const QString& text);

private:
    QLabel* title_ = nullptr;
    QTextEdit* text_ = nullptr;
    QToolButton* print_ = nullptr;
    QLineEdit* focus_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace qinghe
