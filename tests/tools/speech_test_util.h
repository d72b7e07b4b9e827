#pragma once

#include "content_model.h"
#include "speech/speech_signal.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace qinghe::edition::test {

struct Decoded {
    int rate = 0;
    int channels = 0;
    Samples samples;
};

// Decodes the byte range [start, end) of a sound file (end 0: to the end) through the program's own
// loader; nullopt when it cannot be opened.
std::optional<Decoded> decodeFile(const QString& path, std::int64_t start = 0, std::int64_t end = 0);

// Root mean square of a stretch of samples (0 for none).
double rmsOf(std::span<const std::int16_t> samples);

// The small content edition under tests/data/content, read by the generator's reader.
Edition fixtureEdition();

} // namespace qinghe::edition::test
