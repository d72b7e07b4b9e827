#include "writing/pad_launch.h"

#include "base/process_launcher.h"
#include "writing/pad_link.h"

namespace qinghe {

bool startHandwritingPad(ProcessLauncher& launcher, const QString& programDirectory) {
    return launcher.startDetached(padProgramPath(programDirectory), {});
}

void toggleHandwritingPad(PadLink& pad, ProcessLauncher& launcher, const QString& programDirectory) {
    if (pad.isRunning()) {
        pad.sendQuit();
    } else {
        startHandwritingPad(launcher, programDirectory);
    }
}

} // namespace qinghe
