#pragma once

#include "audio/audio_service.h"
#include "audio_engine/sound_source.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace qinghe {

// One playing sound inside the mixer: reads its source, converts rate and channels to the output
// by linear interpolation, and applies volume and speed with their slides. Not thread-safe: the
// mixer holds its lock around every call.
class Voice {
public:
    Voice(std::unique_ptr<SoundSource> source, bool loop, int outputRate);

    ChannelState state() const { return state_; }
    void play();
    void stop() { state_ = ChannelState::Stopped; }
    void pause();

    // Adds `frames` stereo frames of this sound, scaled by its volume, to `mix`. A sound that
    // reaches its end (and does not loop) stops there.
    void mixInto(float* mix, int frames);

    // Positions count frames of the source.
    std::int64_t positionFrames() const { return position_; }
    std::int64_t lengthFrames() { return source_->lengthFrames(); }
    bool seek(std::int64_t frame);
    int sampleRate() const { return source_->sampleRate(); }
    int channels() const { return source_->channels(); }

    float volume() const { return volume_; }
    void setVolume(float volume);
    void slideVolume(float target, std::int64_t frames);
    double rate() const { return rate_; }
    void setRate(double factor);
    void slideRate(double target, std::int64_t frames);

    static constexpr double kMinRate = 0.1;
    static constexpr double kMaxRate = 10.0;

private:
    // Makes the current frame and, unless the sound ends there, the next one available.
    bool fill();
    void decodeInto();
    void advanceSlides();
    void updateStep();

    std::unique_ptr<SoundSource> source_;
    bool loop_ = false;
    int outputRate_ = 44100;
    ChannelState state_ = ChannelState::Stopped;
    bool ended_ = false;

    // Decoded source frames as stereo floats; frames_[index_] is the current one.
    std::vector<float> frames_;
    std::vector<std::int16_t> scratch_;
    int count_ = 0;
    int index_ = 0;
    int wrapIndex_ = -1; // buffer index where a loop starts over, if any
    bool sourceDone_ = false;
    std::int64_t passFrames_ = 0; // frames read since the source last started from its beginning
    double fraction_ = 0.0;
    double step_ = 1.0;
    std::int64_t position_ = 0;

    float volume_ = 1.0f;
    float volumeTarget_ = 1.0f;
    float volumeStep_ = 0.0f;
    std::int64_t volumeFramesLeft_ = 0;
    double rate_ = 1.0;
    double rateTarget_ = 1.0;
    double rateStep_ = 0.0;
    std::int64_t rateFramesLeft_ = 0;
};

} // namespace qinghe
