#include "speech_test_util.h"

#include "audio_engine/sound_loader.h"
#include "content_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qinghe::edition::test {

std::optional<Decoded> decodeFile(const QString& path, std::int64_t start, std::int64_t end) {
    const std::unique_ptr<SoundSource> source = openSoundFile(path, start, end);
    if (!source) {
        return std::nullopt;
    }
    Decoded decoded;
    decoded.rate = source->sampleRate();
    decoded.channels = source->channels();
    std::int16_t buffer[4096];
    const int frames = int(std::size(buffer)) / decoded.channels;
    for (int n; (n = source->read(buffer, frames)) > 0;) {
        decoded.samples.insert(decoded.samples.end(), buffer, buffer + n * decoded.channels);
    }
    return decoded;
}

double rmsOf(std::span<const std::int16_t> samples) {
    if (samples.empty()) {
        return 0;
    }
    double energy = 0;
    for (const std::int16_t s : samples) {
        energy += double(s) * double(s);
    }
    return std::sqrt(energy / double(samples.size()));
}

Edition fixtureEdition() {
    const ContentRead read = readContent(QStringLiteral(QINGHE_TEST_DATA "/content"));
    for (const ContentProblem& problem : read.problems) {
        ADD_FAILURE() << problem.toString().toStdString();
    }
    return read.edition;
}

} // namespace qinghe::edition::test
