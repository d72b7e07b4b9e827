#pragma once

#include "audio/audio_service.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace qinghe::test {

// An AudioService for tests: plays nothing, records every command (not the queries) in order and
// keeps a plausible state per slot. Every sound opens, counts bytesPerSecond bytes a second (16-bit
// stereo 44100 Hz) and lasts soundBytes bytes.
//
//     FakeAudio audio;
//     window.clickWord(...);
//     ASSERT_EQ(audio.calls().size(), 1);
//     EXPECT_EQ(audio.calls()[0].op, "playFile");
//     EXPECT_EQ(audio.lastPath(AudioSlot::Voice), expectedPath);
class FakeAudio : public AudioService {
public:
    struct Call {
        QString op;                        // the method name: "playFile", "stop", "setRate", ...
        AudioSlot slot = AudioSlot::Count; // Count for playEffect
        QString path;                      // file played, if any
        std::int64_t start = 0;            // byte range of playSegment; seek target of seekBytes
        std::int64_t end = 0;
        double value = 0;     // volume, rate or slide target
        int milliseconds = 0; // slide time
        QByteArray wav;       // image given to playWavImage or playEffect
    };

    const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // The op names in order, for compact expectations.
    QStringList ops() const;
    // The path of the sound the slot holds (empty when none).
    QString lastPath(AudioSlot slot) const { return at(slot).path; }

    static constexpr std::int64_t bytesPerSecond = 176400;
    static constexpr std::int64_t soundBytes = 10 * 176400;

    bool playFile(AudioSlot slot, const QString& path) override;
    bool loadFile(AudioSlot slot, const QString& path) override;
    bool playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) override;
    bool playWavImage(AudioSlot slot, const QByteArray& wav) override;
    void playEffect(const QByteArray& wav) override;
    void stop(AudioSlot slot) override;
    void free(AudioSlot slot) override;
    void pause(AudioSlot slot) override;
    void resume(AudioSlot slot) override;
    ChannelState state(AudioSlot slot) const override { return at(slot).state; }
    std::int64_t positionBytes(AudioSlot slot) const override;
    std::int64_t lengthBytes(AudioSlot slot) const override;
    bool seekBytes(AudioSlot slot, std::int64_t bytes) override;
    std::int64_t secondsToBytes(AudioSlot slot, double seconds) const override;
    double bytesToSeconds(AudioSlot slot, std::int64_t bytes) const override;
    void setVolume(AudioSlot slot, float volume) override;
    float volume(AudioSlot slot) const override { return at(slot).volume; }
    void slideVolume(AudioSlot slot, float target, int milliseconds) override;
    void setRate(AudioSlot slot, double factor) override;
    double rate(AudioSlot slot) const override { return at(slot).rate; }
    void slideRate(AudioSlot slot, double target, int milliseconds) override;

private:
    struct Slot {
        bool loaded = false;
        QString path;
        ChannelState state = ChannelState::Stopped;
        std::int64_t position = 0;
        float volume = 1.0f;
        double rate = 1.0;
    };
    Slot& at(AudioSlot slot) { return slots_[static_cast<std::size_t>(slot)]; }
    const Slot& at(AudioSlot slot) const { return slots_[static_cast<std::size_t>(slot)]; }
    bool open(AudioSlot slot, const QString& path, bool play);
    Call& record(const QString& op, AudioSlot slot);

    std::vector<Call> calls_;
    std::array<Slot, static_cast<std::size_t>(AudioSlot::Count) + 1> slots_{};
};

} // namespace qinghe::test
