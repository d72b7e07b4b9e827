#include "sound_probe.h"

#include "audio_engine/sound_loader.h"

#include <QFileInfo>

#include <cstdlib>
#include <vector>

namespace qinghe::lint {

namespace {

// A first read this long holds several seconds of speech at any bit rate we use.
constexpr std::int64_t kFirstBytes = 24 * 1024;
// About -40 dBFS: quieter samples are silence or encoder noise.
constexpr int kSilenceLevel = 328;
// A recording silent for this long from its start is not worth decoding further.
constexpr double kMaxSecondsDecoded = 60.0;

enum class Probe { Sound, TooLittle, NoAudio };

Probe probe(const QString& path, std::int64_t start, std::int64_t end) {
    const std::unique_ptr<SoundSource> source = openSoundFile(path, start, end);
    if (!source || source->sampleRate() <= 0 || source->channels() <= 0) {
        return Probe::NoAudio;
    }
    const int channels = source->channels();
    const std::int64_t needed = std::int64_t(source->sampleRate() * kMinSoundSeconds);
    const std::int64_t limit = std::int64_t(source->sampleRate() * kMaxSecondsDecoded);
    std::vector<std::int16_t> buffer(size_t(1152 * channels));
    std::int64_t loud = 0;
    std::int64_t decoded = 0;
    while (decoded < limit) {
        const int frames = source->read(buffer.data(), 1152);
        if (frames <= 0) {
            break;
        }
        decoded += frames;
        for (int frame = 0; frame < frames; ++frame) {
            for (int channel = 0; channel < channels; ++channel) {
                if (std::abs(int(buffer[size_t(frame * channels + channel)])) >= kSilenceLevel) {
                    ++loud;
                    break;
                }
            }
        }
        if (loud >= needed) {
            return Probe::Sound;
        }
    }
    return Probe::TooLittle;
}

} // namespace

QString soundProblem(const QString& absolutePath, std::int64_t start, std::int64_t end) {
    const qint64 size = QFileInfo(absolutePath).size();
    const std::int64_t stop = end == 0 ? size : std::min<std::int64_t>(end, size);
    if (size <= 0 || start < 0 || start >= stop) {
        return QStringLiteral("is empty");
    }
    const bool partial = stop - start > kFirstBytes;
    Probe result = probe(absolutePath, start, partial ? start + kFirstBytes : end);
    if (partial && result != Probe::Sound) {
        result = probe(absolutePath, start, end);
    }
    switch (result) {
    case Probe::Sound:
        return {};
    case Probe::TooLittle:
        return QStringLiteral("holds less than %1 s of sound").arg(kMinSoundSeconds);
    case Probe::NoAudio:
        break;
    }
    return QStringLiteral("does not decode as MP3 or WAV");
}

} // namespace qinghe::lint
