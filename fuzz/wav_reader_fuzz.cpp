// Feeds arbitrary bytes to the WAV reader, as a memory image and as a file that comes up short,
// then converts every sample it reports and plays the image through the in-memory source.
#include "audio_engine/pcm_source.h"
#include "audio_engine/wav_reader.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    const std::optional<WavInfo> info = readWavInfo(data, size);
    const auto total = static_cast<std::int64_t>(size);
    // A file that turns out shorter than its reported size (cut while being read).
    const std::optional<WavInfo> shrunk = readWavInfo(
        [data, total](std::int64_t offset, void* buffer, std::int64_t length) -> std::int64_t {
            if (offset < 0 || offset >= total || length <= 0) {
                return 0;
            }
            const std::int64_t count = std::min(length, total - offset);
            std::memcpy(buffer, data + offset, static_cast<std::size_t>(count));
            return count;
        },
        total + 4096);
    if (shrunk && shrunk->dataOffset + shrunk->dataSize > total + 4096) {
        std::abort();
    }
    if (!info) {
        return 0;
    }
    if (info->dataOffset < 12 || info->dataSize < 0 || info->dataOffset + info->dataSize > total ||
        info->blockAlign <= 0 || info->dataSize % info->blockAlign != 0) {
        std::abort();
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(info->frames() * info->channels));
    convertWavSamples(*info, data + info->dataOffset, samples.data(), info->frames());

    // And the in-memory source the mixer plays from.
    const QByteArray image(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const std::unique_ptr<PcmSource> source = PcmSource::fromWavImage(image)) {
        std::vector<std::int16_t> out(512 * 2);
        while (source->read(out.data(), 512) > 0) {
        }
        source->seek(source->lengthFrames() / 2);
        source->read(out.data(), 512);
    }
    return 0;
}
