#include "audio_engine/sound_loader.h"

#include "audio_engine/mp3_source.h"
#include "audio_engine/pcm_source.h"
#include "audio_engine/wav_reader.h"

#include <QFile>

#include <algorithm>

namespace qinghe {

namespace {

// Sound files are read into memory; nothing the program plays comes near this.
constexpr std::int64_t kMaxSoundBytes = 256 * 1024 * 1024;

bool isWav(QFile& file) {
    QByteArray head(12, '\0');
    return file.seek(0) && file.read(head.data(), 12) == 12 && head.startsWith("RIFF") &&
           head.mid(8, 4) == "WAVE";
}

QByteArray readRange(QFile& file, std::int64_t from, std::int64_t to) {
    if (to - from > kMaxSoundBytes || !file.seek(from)) {
        return {};
    }
    QByteArray bytes = file.read(to - from);
    return bytes.size() == to - from ? bytes : QByteArray();
}

std::unique_ptr<SoundSource> openWavRange(QFile& file, std::int64_t size, std::int64_t start,
                                          std::int64_t end) {
    const std::optional<WavInfo> info = readWavInfo(
        [&file](std::int64_t offset, void* buffer, std::int64_t length) -> std::int64_t {
            return file.seek(offset) ? file.read(static_cast<char*>(buffer), length) : 0;
        },
        size);
    if (!info) {
        return nullptr;
    }
    // The part of the data chunk inside the range, on whole frames of the chunk.
    const std::int64_t block = info->blockAlign;
    const std::int64_t dataEnd = info->dataOffset + info->dataSize;
    std::int64_t from = std::max(start, info->dataOffset);
    from = info->dataOffset + (from - info->dataOffset + block - 1) / block * block;
    std::int64_t to = std::min(end, dataEnd);
    to = to <= info->dataOffset ? info->dataOffset
                                : info->dataOffset + (to - info->dataOffset) / block * block;
    if (to <= from) {
        return nullptr;
    }
    QByteArray samples = readRange(file, from, to);
    if (samples.isEmpty()) {
        return nullptr;
    }
    WavInfo slice = *info;
    slice.dataOffset = 0;
    slice.dataSize = to - from;
    return std::make_unique<PcmSource>(slice, std::move(samples));
}

} // namespace

std::unique_ptr<SoundSource> openSoundFile(const QString& path, std::int64_t start, std::int64_t end) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    const std::int64_t size = file.size();
    const std::int64_t stop = end == 0 ? size : std::min(end, size);
    if (start < 0 || end < 0 || start >= stop) {
        return nullptr;
    }
    if (isWav(file)) {
        return openWavRange(file, size, start, stop);
    }
    QByteArray bytes = readRange(file, start, stop);
    if (bytes.isEmpty()) {
        return nullptr;
    }
    return Mp3Source::open(std::move(bytes));
}

std::unique_ptr<SoundSource> openWavImage(const QByteArray& wav) {
    return PcmSource::fromWavImage(wav);
}

} // namespace qinghe
