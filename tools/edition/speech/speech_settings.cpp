#include "speech_settings.h"

namespace qinghe::edition {

QString SpeechSettings::signature() const {
    const LoudnessTarget& l = shaping.loudness;
    return QStringLiteral("pipeline %1; %2; shape %3 %4 %5 %6 %7 %8 %9; %10; reading %11 %12 %13 %14")
        .arg(kSpeechPipelineVersion)
        .arg(voice.signature())
        .arg(shaping.threshold)
        .arg(shaping.margin)
        .arg(l.rms)
        .arg(l.peakCap)
        .arg(l.window)
        .arg(l.gate)
        .arg(shaping.fade)
        .arg(mp3.signature())
        .arg(timing.lead)
        .arg(timing.pause)
        .arg(timing.longPause)
        .arg(timing.tail);
}

Samples shapeSpeech(std::span<const std::int16_t> voice, const ShapingSettings& settings) {
    const SampleRange range = audibleRange(voice, settings.threshold, settings.margin);
    if (range.empty()) {
        return {};
    }
    Samples out = upsampleTwice(voice.subspan(range.begin, range.end - range.begin));
    applyGain(out, loudnessGain(out, settings.loudness));
    fadeEdges(out, settings.fade);
    return out;
}

} // namespace qinghe::edition
