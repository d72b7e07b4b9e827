#pragma once

#include <QString>

class QWidget;

namespace qinghe {

// Puts `text` at the cursor of `field` when it is an enabled, editable QLineEdit, QTextEdit or
// QPlainTextEdit; false for anything else (nothing happens then).
bool insertIntoTextField(QWidget* field, const QString& text);

} // namespace qinghe
