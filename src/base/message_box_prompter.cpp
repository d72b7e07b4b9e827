#include "base/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace qinghe {

QString MessageBoxPrompter::displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

PromptAnswer MessageBoxPrompter::ask(const Prompt& prompt) {
    QMessageBox box(parent_.data());
    box.setWindowTitle(prompt.caption.isEmpty() ? QApplication::applicationDisplayName() : prompt.caption);
    box.setText(displayText(prompt.text));
    box.setTextFormat(Qt::PlainText);
    switch (prompt.icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (prompt.buttons == PromptButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

} // namespace qinghe
