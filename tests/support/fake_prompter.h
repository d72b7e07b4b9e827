#pragma once

#include "base/prompter.h"

#include <QList>

namespace qinghe::test {

// Records every message box (caption, text, icon, buttons) and answers from a script; once the
// script is used up it answers Ok.
class FakePrompter final : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        prompts.append(prompt);
        return answers.isEmpty() ? PromptAnswer::Ok : answers.takeFirst();
    }

    QList<Prompt> prompts;
    QList<PromptAnswer> answers;
};

} // namespace qinghe::test
