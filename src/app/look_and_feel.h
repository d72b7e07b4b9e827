#pragma once

class QApplication;

namespace qinghe {

// Chinese captions for Qt's own dialogs and buttons (确定/取消), whatever the system locale: the
// program speaks Chinese only.
void installChineseTranslations(QApplication& app);

// The Windows font names the content and layouts use, mapped to the free fonts we install.
void installFontSubstitutions();

} // namespace qinghe
