#pragma once

#include "audio/audio_service.h"
#include "audio_engine/sound_source.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace qinghe {

class Voice;

// Our mixer: one voice per slot plus a few for effects, mixed into interleaved signed 16-bit stereo
// at the output rate. Every call takes the mixer's lock, so the UI thread may change sounds while
// SDL's thread renders. Positions are bytes of decoded 16-bit samples in the sound's own format;
// queries on a slot without a sound give -1.
class Mixer {
public:
    static constexpr int kEffectVoices = 4;

    explicit Mixer(int outputRate = 44100);
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int outputRate() const { return outputRate_; }

    // Replaces the slot's sound (nullptr just frees it); `play` false leaves it stopped at its start.
    void setSound(AudioSlot slot, std::unique_ptr<SoundSource> source, bool loop, bool play);
    // Plays on a free effect voice, or on the one that started longest ago.
    void playEffect(std::unique_ptr<SoundSource> source);
    int playingEffects() const;

    void stop(AudioSlot slot);
    void pause(AudioSlot slot);
    void resume(AudioSlot slot);
    ChannelState state(AudioSlot slot) const;
    bool hasSound(AudioSlot slot) const;

    std::int64_t positionBytes(AudioSlot slot) const;
    std::int64_t lengthBytes(AudioSlot slot) const;
    bool seekBytes(AudioSlot slot, std::int64_t bytes);
    std::int64_t secondsToBytes(AudioSlot slot, double seconds) const;
    double bytesToSeconds(AudioSlot slot, std::int64_t bytes) const;

    void setVolume(AudioSlot slot, float volume);
    float volume(AudioSlot slot) const;
    void slideVolume(AudioSlot slot, float target, int milliseconds);
    void setRate(AudioSlot slot, double factor);
    double rate(AudioSlot slot) const;
    void slideRate(AudioSlot slot, double target, int milliseconds);

    // Mixes `frames` frames of everything playing into `out` (stereo, interleaved).
    void render(std::int16_t* out, int frames);

private:
    static constexpr int kSlots = static_cast<int>(AudioSlot::Count);

    Voice* voice(AudioSlot slot) const;
    std::int64_t frameBytes(const Voice& voice) const;
    std::int64_t slideFrames(int milliseconds) const;

    const int outputRate_;
    mutable std::mutex mutex_;
    std::array<std::unique_ptr<Voice>, kSlots> slots_;
    std::array<std::unique_ptr<Voice>, kEffectVoices> effects_;
    std::array<std::uint64_t, kEffectVoices> effectAge_{};
    std::uint64_t effectCounter_ = 0;
    std::vector<float> mix_;
};

} // namespace qinghe
