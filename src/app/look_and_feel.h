#pragma once

class QApplication;

namespace qinghe {

// Chinese captions for Qt's own dialogs and buttons (确定/取消), whatever the system locale: the
// program speaks Chinese only.
void installChineseTranslations(QApplication& app);

// The Windows font names the content and layouts use, mapped to the free fonts we install, and the
// Chinese interface font.
void installFonts();

// The platform's style with our own tool-bar extension arrows, spacing and menu arrows. Qt's own
// extension arrows are image files, and reading the first one makes Qt load every image-format plugin
// while the main window is built; a style sheet for the rest would make every tool button slower to
// polish and paint.
void installProgramStyle();

} // namespace qinghe
