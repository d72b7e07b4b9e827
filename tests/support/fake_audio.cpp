#include "support/fake_audio.h"

#include <algorithm>
#include <cmath>

namespace qinghe::test {

QStringList FakeAudio::ops() const {
    QStringList names;
    for (const Call& call : calls_) {
        names.append(call.op);
    }
    return names;
}

FakeAudio::Call& FakeAudio::record(const QString& op, AudioSlot slot) {
    Call call;
    call.op = op;
    call.slot = slot;
    calls_.push_back(call);
    return calls_.back();
}

bool FakeAudio::open(AudioSlot slot, const QString& path, bool play) {
    Slot& s = at(slot);
    s = Slot();
    s.loaded = true;
    s.path = path;
    s.state = play ? ChannelState::Playing : ChannelState::Stopped;
    return true;
}

bool FakeAudio::playFile(AudioSlot slot, const QString& path) {
    record(QStringLiteral("playFile"), slot).path = path;
    return open(slot, path, true);
}

bool FakeAudio::loadFile(AudioSlot slot, const QString& path) {
    record(QStringLiteral("loadFile"), slot).path = path;
    return open(slot, path, false);
}

bool FakeAudio::playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) {
    Call& call = record(QStringLiteral("playSegment"), slot);
    call.path = path;
    call.start = start;
    call.end = end;
    const std::int64_t stop = end == 0 ? soundBytes : end;
    if (start < 0 || start >= stop) {
        at(slot) = Slot();
        return false;
    }
    return open(slot, path, true);
}

bool FakeAudio::playWavImage(AudioSlot slot, const QByteArray& wav) {
    record(QStringLiteral("playWavImage"), slot).wav = wav;
    return open(slot, QString(), true);
}

void FakeAudio::playEffect(const QByteArray& wav) {
    record(QStringLiteral("playEffect"), AudioSlot::Count).wav = wav;
}

void FakeAudio::stop(AudioSlot slot) {
    record(QStringLiteral("stop"), slot);
    at(slot).state = ChannelState::Stopped;
}

void FakeAudio::free(AudioSlot slot) {
    record(QStringLiteral("free"), slot);
    at(slot) = Slot();
}

void FakeAudio::pause(AudioSlot slot) {
    record(QStringLiteral("pause"), slot);
    if (at(slot).state == ChannelState::Playing) {
        at(slot).state = ChannelState::Paused;
    }
}

void FakeAudio::resume(AudioSlot slot) {
    record(QStringLiteral("resume"), slot);
    Slot& s = at(slot);
    if (s.loaded) {
        if (s.position >= soundBytes) {
            s.position = 0;
        }
        s.state = ChannelState::Playing;
    }
}

std::int64_t FakeAudio::positionBytes(AudioSlot slot) const {
    return at(slot).loaded ? at(slot).position : -1;
}

std::int64_t FakeAudio::lengthBytes(AudioSlot slot) const {
    return at(slot).loaded ? soundBytes : -1;
}

bool FakeAudio::seekBytes(AudioSlot slot, std::int64_t bytes) {
    record(QStringLiteral("seekBytes"), slot).start = bytes;
    Slot& s = at(slot);
    if (!s.loaded || bytes < 0 || bytes > soundBytes) {
        return false;
    }
    s.position = bytes;
    return true;
}

std::int64_t FakeAudio::secondsToBytes(AudioSlot slot, double seconds) const {
    if (!at(slot).loaded || seconds < 0) {
        return -1;
    }
    return static_cast<std::int64_t>(std::floor(seconds * static_cast<double>(bytesPerSecond)));
}

double FakeAudio::bytesToSeconds(AudioSlot slot, std::int64_t bytes) const {
    if (!at(slot).loaded || bytes < 0) {
        return -1.0;
    }
    return static_cast<double>(bytes) / static_cast<double>(bytesPerSecond);
}

void FakeAudio::setVolume(AudioSlot slot, float volume) {
    record(QStringLiteral("setVolume"), slot).value = volume;
    if (at(slot).loaded) {
        at(slot).volume = volume;
    }
}

void FakeAudio::slideVolume(AudioSlot slot, float target, int milliseconds) {
    Call& call = record(QStringLiteral("slideVolume"), slot);
    call.value = target;
    call.milliseconds = milliseconds;
    // A slide is taken to be over at once.
    if (at(slot).loaded) {
        at(slot).volume = target;
    }
}

void FakeAudio::setRate(AudioSlot slot, double factor) {
    record(QStringLiteral("setRate"), slot).value = factor;
    if (at(slot).loaded) {
        at(slot).rate = factor;
    }
}

void FakeAudio::slideRate(AudioSlot slot, double target, int milliseconds) {
    Call& call = record(QStringLiteral("slideRate"), slot);
    call.value = target;
    call.milliseconds = milliseconds;
    if (at(slot).loaded) {
        at(slot).rate = target;
    }
}

} // namespace qinghe::test
