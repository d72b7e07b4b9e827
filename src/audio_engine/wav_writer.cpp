#include "audio_engine/wav_writer.h"

#include <QtEndian>

namespace qinghe {

namespace {

void put32(QByteArray& out, std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray pcmWavHeader(int channels, int sampleRate, int bitsPerSample, std::uint32_t dataBytes) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    QByteArray header;
    header.reserve(44);
    header.append("RIFF", 4);
    put32(header, dataBytes + 36);
    header.append("WAVEfmt ", 8);
    put32(header, 16);
    put16(header, 1); // PCM
    put16(header, static_cast<std::uint16_t>(channels));
    put32(header, static_cast<std::uint32_t>(sampleRate));
    put32(header, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(header, blockAlign);
    put16(header, static_cast<std::uint16_t>(bitsPerSample));
    header.append("data", 4);
    put32(header, dataBytes);
    return header;
}

} // namespace qinghe
