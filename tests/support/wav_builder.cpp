#include "support/wav_builder.h"

#include <QtEndian>

namespace qinghe::test {

QByteArray le16(std::uint16_t value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

QByteArray le32(std::uint32_t value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray riffChunk(const char* id, const QByteArray& body, std::optional<std::uint32_t> declaredSize) {
    QByteArray chunk(id, 4);
    chunk += le32(declaredSize.value_or(static_cast<std::uint32_t>(body.size())));
    chunk += body;
    if (body.size() % 2 != 0) {
        chunk += '\0';
    }
    return chunk;
}

QByteArray fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const auto align = static_cast<std::uint16_t>(channels * bits / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

QByteArray riffWave(const QByteArray& chunks, std::optional<std::uint32_t> declaredSize) {
    return QByteArray("RIFF") + le32(declaredSize.value_or(static_cast<std::uint32_t>(chunks.size() + 4))) +
           QByteArray("WAVE") + chunks;
}

QByteArray pcm16(const std::vector<std::int16_t>& samples) {
    QByteArray bytes;
    for (const std::int16_t sample : samples) {
        bytes += le16(static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

QByteArray wav16(int channels, int rate, const std::vector<std::int16_t>& samples) {
    return riffWave(riffChunk("fmt ", fmtBody(1, static_cast<std::uint16_t>(channels),
                                              static_cast<std::uint32_t>(rate), 16)) +
                    riffChunk("data", pcm16(samples)));
}

std::vector<std::int16_t> evenRamp(int samples) {
    std::vector<std::int16_t> ramp(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        ramp[static_cast<std::size_t>(i)] = static_cast<std::int16_t>((2 * i) % 30000);
    }
    return ramp;
}

} // namespace qinghe::test
