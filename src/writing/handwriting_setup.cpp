#include "writing/handwriting_setup.h"

#include "base/ini_file.h"
#include "base/path_resolver.h"
#include "writing/pad_launch.h"
#include "writing/pad_link.h"

namespace qinghe {

QString settingsFilePath(const QString& programDirectory) {
    return PathResolver(programDirectory).resolve(u"Data\\systxt\\Set.ini");
}

void enableHandwritingPad(ProcessLauncher& launcher, const QString& programDirectory) {
    writeIniFile(settingsFilePath(programDirectory), kPadSettingSection, kPadSettingKey, QStringLiteral("1"));
    startHandwritingPad(launcher, programDirectory);
}

void disableHandwritingPad(PadLink& pad, const QString& programDirectory) {
    writeIniFile(settingsFilePath(programDirectory), kPadSettingSection, kPadSettingKey, QStringLiteral("0"));
    if (pad.isRunning()) {
        pad.sendQuit();
    }
}

} // namespace qinghe
