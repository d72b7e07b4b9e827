#include "audio_engine/pcm_source.h"

#include <algorithm>
#include <utility>

namespace qinghe {

PcmSource::PcmSource(const WavInfo& format, QByteArray bytes)
    : format_(format)
    , bytes_(std::move(bytes)) {
    const std::int64_t end = std::min<std::int64_t>(format_.dataOffset + format_.dataSize, bytes_.size());
    const std::int64_t size = std::max<std::int64_t>(0, end - format_.dataOffset);
    frames_ = format_.blockAlign > 0 ? size / format_.blockAlign : 0;
}

std::unique_ptr<PcmSource> PcmSource::fromWavImage(const QByteArray& wav) {
    const std::optional<WavInfo> info = readWavInfo(wav.constData(), static_cast<std::size_t>(wav.size()));
    if (!info || info->dataSize <= 0) {
        return nullptr;
    }
    // Keeps a shared reference to the image instead of copying a long recording.
    return std::make_unique<PcmSource>(*info, wav);
}

int PcmSource::read(std::int16_t* out, int frames) {
    const auto count = static_cast<int>(std::clamp<std::int64_t>(frames_ - next_, 0, frames));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(bytes_.constData()) + format_.dataOffset;
    convertWavSamples(format_, bytes + next_ * format_.blockAlign, out, count);
    next_ += count;
    return count;
}

bool PcmSource::seek(std::int64_t frame) {
    if (frame < 0 || frame > frames_) {
        return false;
    }
    next_ = frame;
    return true;
}

} // namespace qinghe
