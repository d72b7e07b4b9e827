#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace qinghe::edition {

struct Mp3Settings {
    // kbit/s, constant. The voice has nothing above 11 kHz; 56 is the lowest rate whose frames are
    // large enough to carry the encoder's Info tag, without which nothing is gapless.
    int bitrate = 56;
    int quality = 5; // LAME's 0 (best, slowest) .. 9

    QString signature() const;
};

enum class Mp3Framing {
    // An Info frame first that tells decoders the encoder's delay and padding, so the file decodes to
    // exactly the samples given: right for short sounds and loops.
    Gapless,
    // Audio frames only, so that any run of whole frames is itself a playable file (lesson readings
    // are played as byte ranges).
    Plain,
};

// Mono 16-bit samples at 44.1 kHz to MPEG-1 Layer III at a constant bitrate, with the bit reservoir
// off so that every frame decodes on its own. Empty on failure.
QByteArray encodeMp3(std::span<const std::int16_t> samples, const Mp3Settings& settings, Mp3Framing framing);

constexpr int kMp3SampleRate = 44100;
constexpr int kMp3FrameSamples = 1152;
// Samples between an input sample and the same sample in the decoded output of a Plain file: the
// encoder's delay plus the 529 of the decoder's filter bank.
int mp3PlainDelay(const Mp3Settings& settings);

} // namespace qinghe::edition
