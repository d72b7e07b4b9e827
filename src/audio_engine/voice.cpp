#include "audio_engine/voice.h"

#include <algorithm>

namespace qinghe {

namespace {

constexpr int kChunkFrames = 1024;
constexpr float kSampleScale = 1.0f / 32768.0f;

} // namespace

Voice::Voice(std::unique_ptr<SoundSource> source, bool loop, int outputRate)
    : source_(std::move(source))
    , loop_(loop)
    , outputRate_(outputRate)
    , frames_(static_cast<std::size_t>(kChunkFrames + 1) * 2)
    , scratch_(static_cast<std::size_t>(kChunkFrames) * 2) {
    updateStep();
}

void Voice::play() {
    // A sound that has played to its end starts again from the beginning.
    if (ended_) {
        seek(0);
    }
    state_ = ChannelState::Playing;
}

void Voice::pause() {
    if (state_ == ChannelState::Playing) {
        state_ = ChannelState::Paused;
    }
}

bool Voice::seek(std::int64_t frame) {
    if (frame < 0 || frame > source_->lengthFrames() || !source_->seek(frame)) {
        return false;
    }
    count_ = 0;
    index_ = 0;
    wrapIndex_ = -1;
    sourceDone_ = false;
    fraction_ = 0.0;
    position_ = frame;
    passFrames_ = frame;
    ended_ = false;
    return true;
}

void Voice::setVolume(float volume) {
    volume_ = volumeTarget_ = std::clamp(volume, 0.0f, 1.0f);
    volumeFramesLeft_ = 0;
}

void Voice::slideVolume(float target, std::int64_t frames) {
    target = std::clamp(target, 0.0f, 1.0f);
    if (frames <= 0) {
        setVolume(target);
        return;
    }
    volumeTarget_ = target;
    volumeStep_ = (target - volume_) / static_cast<float>(frames);
    volumeFramesLeft_ = frames;
}

void Voice::setRate(double factor) {
    rate_ = rateTarget_ = std::clamp(factor, kMinRate, kMaxRate);
    rateFramesLeft_ = 0;
    updateStep();
}

void Voice::slideRate(double target, std::int64_t frames) {
    target = std::clamp(target, kMinRate, kMaxRate);
    if (frames <= 0) {
        setRate(target);
        return;
    }
    rateTarget_ = target;
    rateStep_ = (target - rate_) / static_cast<double>(frames);
    rateFramesLeft_ = frames;
}

void Voice::updateStep() {
    step_ = static_cast<double>(source_->sampleRate()) * rate_ / outputRate_;
}

void Voice::advanceSlides() {
    if (volumeFramesLeft_ > 0) {
        volume_ = --volumeFramesLeft_ == 0 ? volumeTarget_ : volume_ + volumeStep_;
    }
    if (rateFramesLeft_ > 0) {
        rate_ = --rateFramesLeft_ == 0 ? rateTarget_ : rate_ + rateStep_;
        updateStep();
    }
}

void Voice::decodeInto() {
    // Reads source frames into the buffer after count_; on a looping sound the end of the source
    // continues with its beginning (one wrap per call, so one wrap index suffices).
    while (count_ < kChunkFrames + 1 && !sourceDone_) {
        const int wanted = std::min(kChunkFrames + 1 - count_, kChunkFrames);
        int got = source_->read(scratch_.data(), wanted);
        if (got <= 0 && loop_ && passFrames_ > 0 && source_->seek(0)) {
            passFrames_ = 0;
            got = source_->read(scratch_.data(), wanted);
            if (got > 0) {
                wrapIndex_ = count_;
            }
        }
        if (got <= 0) {
            sourceDone_ = true;
            break;
        }
        passFrames_ += got;
        float* out = frames_.data() + static_cast<std::ptrdiff_t>(count_) * 2;
        if (source_->channels() == 1) {
            for (int i = 0; i < got; ++i) {
                out[2 * i] = out[2 * i + 1] = scratch_[static_cast<std::size_t>(i)] * kSampleScale;
            }
        } else {
            for (int i = 0; i < 2 * got; ++i) {
                out[i] = scratch_[static_cast<std::size_t>(i)] * kSampleScale;
            }
        }
        count_ += got;
        if (wrapIndex_ >= 0) {
            break;
        }
    }
}

bool Voice::fill() {
    if (index_ + 1 < count_) {
        return true;
    }
    if (sourceDone_) {
        return index_ < count_;
    }
    // Keep the current frame (if any) as the first of the new buffer.
    int keep = 0;
    if (index_ < count_) {
        std::copy_n(frames_.data() + static_cast<std::ptrdiff_t>(index_) * 2, 2, frames_.data());
        keep = 1;
    }
    // The buffer runs low only after the current frame has passed any wrap in it.
    wrapIndex_ = -1;
    count_ = keep;
    index_ = 0;
    decodeInto();
    return index_ < count_;
}

void Voice::mixInto(float* mix, int frames) {
    for (int i = 0; i < frames && state_ == ChannelState::Playing; ++i) {
        if (!fill()) {
            state_ = ChannelState::Stopped;
            ended_ = true;
            break;
        }
        const float* a = frames_.data() + static_cast<std::ptrdiff_t>(index_) * 2;
        const float* b = index_ + 1 < count_ ? a + 2 : a;
        const auto t = static_cast<float>(fraction_);
        mix[2 * i] += (a[0] + (b[0] - a[0]) * t) * volume_;
        mix[2 * i + 1] += (a[1] + (b[1] - a[1]) * t) * volume_;
        advanceSlides();
        fraction_ += step_;
        while (fraction_ >= 1.0) {
            fraction_ -= 1.0;
            ++index_;
            if (index_ == wrapIndex_) {
                position_ = 0;
                wrapIndex_ = -1;
            } else {
                ++position_;
            }
            if (index_ >= count_ && !fill()) {
                break;
            }
        }
    }
}

} // namespace qinghe
