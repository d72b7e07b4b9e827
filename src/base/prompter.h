#pragma once

#include <QString>

namespace qinghe {

enum class PromptIcon { None, Information, Question, Warning, Error };
enum class PromptButtons { Ok, OkCancel };
enum class PromptAnswer { Ok, Cancel };

// One modal message: caption, text and icon exactly as the user reads them. "\r" in a text is a
// line break. An empty caption means the application's own title.
struct Prompt {
    QString caption;
    QString text;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
};

// Every message box of the program goes through this seam, so tests can script the answers.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;

    void inform(const QString& caption, const QString& text, PromptIcon icon = PromptIcon::Information) {
        ask(Prompt{caption, text, icon, PromptButtons::Ok});
    }
    bool confirm(const QString& caption, const QString& text) {
        return ask(Prompt{caption, text, PromptIcon::Question, PromptButtons::OkCancel}) == PromptAnswer::Ok;
    }
};

} // namespace qinghe
