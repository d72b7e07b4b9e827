#pragma once

#include "audio_engine/sound_source.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

namespace qinghe::test {

// Decodes everything left in `source` (interleaved samples).
inline std::vector<std::int16_t> decodeAll(SoundSource& source) {
    std::vector<std::int16_t> all;
    std::vector<std::int16_t> chunk(static_cast<std::size_t>(4096 * source.channels()));
    for (int got = 0; (got = source.read(chunk.data(), 4096)) > 0;) {
        all.insert(all.end(), chunk.begin(), chunk.begin() + got * source.channels());
    }
    return all;
}

inline double rms(const std::vector<std::int16_t>& samples, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    to = std::min(to, samples.size());
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

QString audioFixture(const QString& name);

} // namespace qinghe::test
