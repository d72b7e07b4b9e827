#pragma once

#include "audio/audio_devices.h"
#include "base/process_launcher.h"
#include "writing/pad_link.h"

#include <QStringList>

namespace qinghe::test {

// Audio devices whose open results a test chooses; counts the calls.
class FakeAudioDevices final : public AudioDevices {
public:
    bool openRecordingDevice() override {
        calls << QStringLiteral("openRecordingDevice");
        return recordingOpens;
    }
    bool librariesCompatible() const override { return compatible; }
    bool openOutput() override {
        calls << QStringLiteral("openOutput");
        return outputOpens;
    }
    void close() override { calls << QStringLiteral("close"); }

    bool recordingOpens = true;
    bool compatible = true;
    bool outputOpens = true;
    QStringList calls;
};

class FakeLauncher final : public ProcessLauncher {
public:
    bool startDetached(const QString& program, const QStringList& arguments) override {
        started << program + (arguments.isEmpty() ? QString() : QStringLiteral(" ") + arguments.join(u' '));
        return succeeds;
    }
    QStringList started;
    bool succeeds = true;
};

class FakePad final : public PadLink {
public:
    bool isRunning() override { return running; }
    bool sendQuit() override {
        ++quitsSent;
        running = false;
        return true;
    }
    bool running = false;
    int quitsSent = 0;
};

} // namespace qinghe::test
