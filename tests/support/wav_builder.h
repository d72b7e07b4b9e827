#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace qinghe::test {

// Builders for WAV images, well formed or deliberately broken.
QByteArray le16(std::uint16_t value);
QByteArray le32(std::uint32_t value);
// A RIFF chunk; `declaredSize` overrides the size field, odd bodies get their pad byte.
QByteArray riffChunk(const char* id, const QByteArray& body, std::optional<std::uint32_t> declaredSize = {});
QByteArray fmtBody(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);
// The RIFF/WAVE wrapper around `chunks`.
QByteArray riffWave(const QByteArray& chunks, std::optional<std::uint32_t> declaredSize = {});
QByteArray pcm16(const std::vector<std::int16_t>& samples);
// A canonical 16-bit PCM file.
QByteArray wav16(int channels, int rate, const std::vector<std::int16_t>& samples);
// Interleaved samples: sample i of the file is 2 * i (wrapping), so linear interpolation between
// neighbours gives whole numbers.
std::vector<std::int16_t> evenRamp(int samples);

} // namespace qinghe::test
