#include "audio_engine/mixer.h"

#include "audio_engine/voice.h"

#include <algorithm>
#include <cmath>

namespace qinghe {

Mixer::Mixer(int outputRate)
    : outputRate_(outputRate) {}

Mixer::~Mixer() = default;

Voice* Mixer::voice(AudioSlot slot) const {
    const auto index = static_cast<int>(slot);
    return index >= 0 && index < kSlots ? slots_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::int64_t Mixer::frameBytes(const Voice& voice) const {
    return static_cast<std::int64_t>(voice.channels()) * 2;
}

std::int64_t Mixer::slideFrames(int milliseconds) const {
    return static_cast<std::int64_t>(milliseconds) * outputRate_ / 1000;
}

void Mixer::setSound(AudioSlot slot, std::unique_ptr<SoundSource> source, bool loop, bool play) {
    const auto index = static_cast<int>(slot);
    if (index < 0 || index >= kSlots) {
        return;
    }
    std::unique_ptr<Voice> fresh;
    if (source) {
        fresh = std::make_unique<Voice>(std::move(source), loop, outputRate_);
        if (play) {
            fresh->play();
        }
    }
    {
        const std::lock_guard lock(mutex_);
        slots_[static_cast<std::size_t>(index)].swap(fresh);
    }
    // The old sound is released here, outside the lock, so the audio thread never waits for it.
}

void Mixer::playEffect(std::unique_ptr<SoundSource> source) {
    if (!source) {
        return;
    }
    auto fresh = std::make_unique<Voice>(std::move(source), false, outputRate_);
    fresh->play();
    const std::lock_guard lock(mutex_);
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        if (!effects_[i] || effects_[i]->state() != ChannelState::Playing) {
            chosen = i;
            break;
        }
        if (effectAge_[i] < effectAge_[chosen]) {
            chosen = i;
        }
    }
    effects_[chosen].swap(fresh);
    effectAge_[chosen] = ++effectCounter_;
    // `fresh` now holds the replaced effect; declared before the lock, it is released after it.
}

int Mixer::playingEffects() const {
    const std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(effects_.begin(), effects_.end(), [](const auto& effect) {
        return effect && effect->state() == ChannelState::Playing;
    }));
}

void Mixer::stop(AudioSlot slot) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot)) {
        v->stop();
    }
}

void Mixer::pause(AudioSlot slot) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot)) {
        v->pause();
    }
}

void Mixer::resume(AudioSlot slot) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot)) {
        v->play();
    }
}

ChannelState Mixer::state(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    return v ? v->state() : ChannelState::Stopped;
}

bool Mixer::hasSound(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    return voice(slot) != nullptr;
}

std::int64_t Mixer::positionBytes(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    return v ? v->positionFrames() * frameBytes(*v) : -1;
}

std::int64_t Mixer::lengthBytes(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    Voice* v = voice(slot);
    return v ? v->lengthFrames() * frameBytes(*v) : -1;
}

bool Mixer::seekBytes(AudioSlot slot, std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    Voice* v = voice(slot);
    return v && bytes >= 0 && v->seek(bytes / frameBytes(*v));
}

std::int64_t Mixer::secondsToBytes(AudioSlot slot, double seconds) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    if (!v || !std::isfinite(seconds) || seconds < 0) {
        return -1;
    }
    // Whole frames, rounded down, as positions are always frame-aligned.
    const auto frames = static_cast<std::int64_t>(std::floor(seconds * v->sampleRate()));
    return frames * frameBytes(*v);
}

double Mixer::bytesToSeconds(AudioSlot slot, std::int64_t bytes) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    if (!v || bytes < 0) {
        return -1.0;
    }
    return static_cast<double>(bytes / frameBytes(*v)) / v->sampleRate();
}

void Mixer::setVolume(AudioSlot slot, float volume) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot)) {
        v->setVolume(volume);
    }
}

float Mixer::volume(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    return v ? v->volume() : 1.0f;
}

void Mixer::slideVolume(AudioSlot slot, float target, int milliseconds) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot)) {
        v->slideVolume(target, slideFrames(milliseconds));
    }
}

void Mixer::setRate(AudioSlot slot, double factor) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot); v && std::isfinite(factor)) {
        v->setRate(factor);
    }
}

double Mixer::rate(AudioSlot slot) const {
    const std::lock_guard lock(mutex_);
    const Voice* v = voice(slot);
    return v ? v->rate() : 1.0;
}

void Mixer::slideRate(AudioSlot slot, double target, int milliseconds) {
    const std::lock_guard lock(mutex_);
    if (Voice* v = voice(slot); v && std::isfinite(target)) {
        v->slideRate(target, slideFrames(milliseconds));
    }
}

void Mixer::render(std::int16_t* out, int frames) {
    if (frames <= 0) {
        return;
    }
    const std::lock_guard lock(mutex_);
    const auto samples = static_cast<std::size_t>(frames) * 2;
    if (mix_.size() < samples) {
        mix_.resize(samples);
    }
    std::fill_n(mix_.begin(), samples, 0.0f);
    const auto mixAll = [this, frames](auto& voices) {
        for (auto& v : voices) {
            if (v && v->state() == ChannelState::Playing) {
                v->mixInto(mix_.data(), frames);
            }
        }
    };
    mixAll(slots_);
    mixAll(effects_);
    for (std::size_t i = 0; i < samples; ++i) {
        const float scaled = std::clamp(mix_[i] * 32768.0f, -32768.0f, 32767.0f);
        out[i] = static_cast<std::int16_t>(std::lrint(scaled));
    }
}

} // namespace qinghe
