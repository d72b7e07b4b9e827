#pragma once

#include <thread>

class QApplication;

namespace qinghe {

// Chinese captions for Qt's own dialogs and buttons (确定/取消), whatever the system locale: the
// program speaks Chinese only.
void installChineseTranslations(QApplication& app);

// The Windows font names the content and layouts use, mapped to the free fonts we install, and the
// Chinese interface font.
void installFonts();

// Fontconfig reads its whole configuration, dozens of XML files, the first time the program uses a
// font. This has it read on a thread of its own while the toolkit connects to the display; wait()
// (or the end of this object) returns once it is done. Without a thread to spare, the toolkit reads
// the configuration itself when it first needs it.
class FontConfigurationLoader {
public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;
    void wait();

private:
    std::thread thread_;
};

// The platform's style with our own tool-bar extension arrows, spacing and menu arrows. Qt's own
// extension arrows are image files, and reading the first one makes Qt load every image-format plugin
// while the main window is built; a style sheet for the rest would make every tool button slower to
// polish and paint.
void installProgramStyle();

} // namespace qinghe
