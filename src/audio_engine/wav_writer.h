#pragma once

#include <QByteArray>

#include <cstdint>

namespace qinghe {

// The 44-byte header of a canonical RIFF PCM file holding `dataBytes` bytes of samples.
QByteArray pcmWavHeader(int channels, int sampleRate, int bitsPerSample, std::uint32_t dataBytes);

} // namespace qinghe
