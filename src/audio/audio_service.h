#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace qinghe {

// Independent playback slots: a new sound on a slot frees the one before it; different slots play
// at the same time.
enum class AudioSlot {
    Voice,             // characters, words, sentences, prompts, marking sounds
    Reading,           // a lesson's full reading; chooser and game click sounds
    GameMusic,         // looping background music of the pair game
    LessonTest,        // per-lesson test item and marking sounds
    ClickRead,         // click-to-read page reading
    RecordingPlayback, // playback of the user's own recording
    Count
};

enum class ChannelState { Stopped, Playing, Paused };

// What the program needs from audio. The real engine plays through SDL2 with MP3 decoded by
// mpg123; tests use a fake that records the calls. A missing or unreadable file is silence: no
// error is reported to the caller beyond the return value.
class AudioService {
public:
    virtual ~AudioService() = default;

    // Frees the slot's sound, then plays the whole file (the game music slot loops). Returns false
    // when the file could not be opened or decoded.
    virtual bool playFile(AudioSlot slot, const QString& path) = 0;

    // Frees the slot's sound and opens the whole file stopped at its start, so that rate and
    // position can be set before resume() starts it. Returns false as playFile does.
    virtual bool loadFile(AudioSlot slot, const QString& path) = 0;

    // As playFile, but only the byte range [start, end) of the file; end 0 means to the end. An
    // empty range (start at or past the end, end at or before start) plays nothing.
    virtual bool playSegment(AudioSlot slot, const QString& path, std::int64_t start, std::int64_t end) = 0;

    // Plays a complete WAV file image held in memory on the slot (recording playback).
    virtual bool playWavImage(AudioSlot slot, const QByteArray& wav) = 0;

    // Plays a short WAV image from memory on a voice of its own ("ok", "wrong"), fire and forget.
    virtual void playEffect(const QByteArray& wav) = 0;

    // Stops the slot; its sound stays allocated until the next play or free.
    virtual void stop(AudioSlot slot) = 0;
    // Frees the slot's sound.
    virtual void free(AudioSlot slot) = 0;
    virtual void pause(AudioSlot slot) = 0;
    // Plays on from the current position (after pause or stop); a sound that has played to its
    // end starts again from the beginning.
    virtual void resume(AudioSlot slot) = 0;

    virtual ChannelState state(AudioSlot slot) const = 0;
    bool isActive(AudioSlot slot) const { return state(slot) == ChannelState::Playing; }

    // Positions count decoded 16-bit PCM bytes of the sound in its own format (rate, channels),
    // always whole frames. Position, length and the conversions give -1 when the slot holds no
    // sound; a seek past the length fails.
    virtual std::int64_t positionBytes(AudioSlot slot) const = 0;
    virtual std::int64_t lengthBytes(AudioSlot slot) const = 0;
    virtual bool seekBytes(AudioSlot slot, std::int64_t bytes) = 0;
    virtual std::int64_t secondsToBytes(AudioSlot slot, double seconds) const = 0;
    virtual double bytesToSeconds(AudioSlot slot, std::int64_t bytes) const = 0;

    // Volume 0..1; rate is a speed factor (1 = natural; pitch follows, like a tape), 0.1..10.
    // Every new sound starts at volume 1 and rate 1. Slides run while the sound plays.
    virtual void setVolume(AudioSlot slot, float volume) = 0;
    virtual float volume(AudioSlot slot) const = 0;
    virtual void slideVolume(AudioSlot slot, float target, int milliseconds) = 0;
    virtual void setRate(AudioSlot slot, double factor) = 0;
    virtual double rate(AudioSlot slot) const = 0;
    virtual void slideRate(AudioSlot slot, double target, int milliseconds) = 0;
};

// Recording from an input device: 16-bit stereo at 44100 Hz into a bounded buffer.
class AudioRecorder {
public:
    virtual ~AudioRecorder() = default;
    // True when the default input device could be opened at start-up.
    // Inputs are the system's capture devices; currentInput() indexes inputNames(), -1 for none.
    virtual bool available() const = 0;
    virtual QStringList inputNames() const = 0;
    virtual int currentInput() const = 0;
    virtual bool selectInput(int index) = 0;
    // Input gain 0..1 applied to the samples.
    virtual void setInputVolume(float volume) = 0;
    virtual float inputVolume() const = 0;
    // Starts a new recording (the previous samples are dropped).
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isRecording() const = 0;
    // Sample bytes recorded so far (without the 44-byte header); safe to call while recording.
    virtual std::int64_t recordedBytes() const = 0;
    // The recording as a complete WAV file image (RIFF PCM 16-bit stereo 44100 Hz); call after stop().
    virtual QByteArray wavImage() const = 0;
};

} // namespace qinghe
