#pragma once

#include <QElapsedTimer>
#include <QString>

namespace qinghe {

// Start-up milestones on stderr when QINGHE_TRACE_STARTUP=1 ("qinghe-trace <ms> <name> <unix ms>"), used by
// the start-up benchmark and the headless screenshot script.
class StartupTrace {
public:
    StartupTrace();
    void mark(const char* milestone) const;
    bool enabled() const { return enabled_; }

private:
    QElapsedTimer clock_;
    bool enabled_ = false;
};

} // namespace qinghe
