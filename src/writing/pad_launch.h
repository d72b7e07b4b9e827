#pragma once

#include <QString>

namespace qinghe {

class PadLink;
class ProcessLauncher;

// Starts the handwriting pad program; false when it is missing or would not start.
bool startHandwritingPad(ProcessLauncher& launcher, const QString& programDirectory);

// The 手写板 button of the test windows: a running pad is told to quit, otherwise one is started.
// No message either way.
void toggleHandwritingPad(PadLink& pad, ProcessLauncher& launcher, const QString& programDirectory);

} // namespace qinghe
