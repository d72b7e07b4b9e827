#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace qinghe {

class PadLink;
class ProcessLauncher;

// "手写板启动设置": asks whether the handwriting pad opens every time the program runs, stores the answer
// in Set.ini and acts on it at once. Either button closes the dialog with an OK result; so does a
// failed write. The main window shows it modally, from its menu and at start-up while undecided.
class HandwritingSetupDialog : public QDialog {
public:
    static constexpr int kWidth = 507;
    static constexpr int kHeight = 289;

    HandwritingSetupDialog(ProcessLauncher& launcher, PadLink& pad, QString programDirectory,
                           QWidget* parent = nullptr);

    QPushButton* declineButton() const { return decline_; } // 我不用鼠标写字
    QPushButton* enableButton() const { return enable_; }   // 开启鼠标写字

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    ProcessLauncher& launcher_;
    PadLink& pad_;
    QString programDirectory_;
    QPushButton* decline_ = nullptr;
    QPushButton* enable_ = nullptr;
};

} // namespace qinghe
