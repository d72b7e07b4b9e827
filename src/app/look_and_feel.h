#pragma once

class QApplication;

namespace qinghe {

// Chinese captions for Qt's own dialogs and buttons (确定/取消), whatever the system locale: the
// program speaks Chinese only.
void installChineseTranslations(QApplication& app);

// The Windows font names the content and layouts use, mapped to the free fonts we install.
void installFontSubstitutions();

// The platform's style with our own tool-bar extension arrows. Qt's own arrows are image files, and
// reading the first one makes Qt load every image-format plugin while the main window is built.
void installProgramStyle();

} // namespace qinghe
