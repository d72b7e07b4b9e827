#include "app/startup_trace.h"

#include <QDateTime>

#include <cstdio>

namespace qinghe {

StartupTrace::StartupTrace()
    : enabled_(qEnvironmentVariable("QINGHE_TRACE_STARTUP") == u"1") {
    clock_.start();
}

void StartupTrace::mark(const char* milestone) const {
    if (enabled_) {
        // Milliseconds since main() and the wall clock, so a benchmark can measure from process start.
        std::fprintf(stderr, "qinghe-trace %.1f %s %lld\n", double(clock_.nsecsElapsed()) / 1e6, milestone,
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stderr);
    }
}

} // namespace qinghe
