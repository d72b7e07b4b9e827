#pragma once

#include <QString>
#include <QStringList>

namespace qinghe {

// Starts a program and lets it run on its own (the handwriting pad); tests record the calls.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool startDetached(const QString& program, const QStringList& arguments) = 0;
};

class QtProcessLauncher final : public ProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

} // namespace qinghe
