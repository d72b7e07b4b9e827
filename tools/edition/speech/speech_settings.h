#pragma once

#include "lesson_reading.h"
#include "mp3_encoder.h"
#include "speech_signal.h"
#include "speech_voice.h"

#include <QString>

namespace qinghe::edition {

// How raw speech is made ready: cut to the voice, brought to 44.1 kHz and to one loudness.
struct ShapingSettings {
    int threshold = 160;      // at the voice's rate: about -46 dBFS; espeak's silence is digital zero
    std::size_t margin = 441; // 20 ms kept before and after the voice
    // At 44.1 kHz: -18 dBFS RMS over 25-ms windows louder than -40 dBFS, peaks at most -1 dBFS.
    LoudnessTarget loudness{4125.0, 29204.0, 1102, 328.0};
    std::size_t fade = 220; // 5 ms
};

// Everything a recording depends on besides its text; its signature goes into every recipe.
struct SpeechSettings {
    VoiceSettings voice;
    ShapingSettings shaping;
    Mp3Settings mp3;
    ReadingTiming timing;

    QString signature() const;
};

// Raises when the way recordings are made changes, so that every one is made again.
constexpr int kSpeechPipelineVersion = 1;

// The voice's samples cut to the speech (with its margins), doubled to 44.1 kHz, brought to the
// loudness target and faded at the ends. Empty when nothing in them is louder than the threshold.
Samples shapeSpeech(std::span<const std::int16_t> voice, const ShapingSettings& settings);

} // namespace qinghe::edition
