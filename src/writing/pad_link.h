#pragma once

#include <QString>

namespace qinghe {

// The running handwriting pad, reached over a local socket named for the user: "is it running?"
// and "quit". Every wait is bounded so a pad that hangs never hangs the program.
class PadLink {
public:
    virtual ~PadLink() = default;
    virtual bool isRunning() = 0;
    // Asks a running pad to quit; false when none answered.
    virtual bool sendQuit() = 0;
};

// "qinghe-handwrite-<user>": the pad's socket.
QString padServerName();

// "qinghe-main-<user>": the main program's socket, which the pad sends its characters to.
QString mainProgramServerName();

// The pad program: Data/hand/HandWrite (HandWrite.exe on Windows) under the program folder.
QString padProgramPath(const QString& programDirectory);

class LocalSocketPadLink final : public PadLink {
public:
    explicit LocalSocketPadLink(QString serverName = padServerName(), int timeoutMs = 300)
        : serverName_(std::move(serverName))
        , timeoutMs_(timeoutMs) {}
    bool isRunning() override;
    bool sendQuit() override;

private:
    QString serverName_;
    int timeoutMs_;
};

} // namespace qinghe
