#include "writing/focus_insert.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qinghe {

bool insertIntoTextField(QWidget* field, const QString& text) {
    if (field == nullptr || text.isEmpty() || !field->isEnabled()) {
        return false;
    }
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        if (line->isReadOnly()) {
            return false;
        }
        line->insert(text);
        return true;
    }
    if (auto* edit = qobject_cast<QTextEdit*>(field)) {
        if (edit->isReadOnly()) {
            return false;
        }
        edit->insertPlainText(text);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        if (plain->isReadOnly()) {
            return false;
        }
        plain->insertPlainText(text);
        return true;
    }
    return false;
}

} // namespace qinghe
