#pragma once

#include "base/prompter.h"

#include <QPointer>
#include <QWidget>

namespace qinghe {

// The real prompter: a QMessageBox over the given parent window.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr)
        : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer ask(const Prompt& prompt) override;

    // The text as shown: carriage returns become line breaks.
    static QString displayText(const QString& text);

private:
    QPointer<QWidget> parent_;
};

} // namespace qinghe
