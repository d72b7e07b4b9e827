#include "mp3_encoder.h"

#include <lame/lame.h>
#include <memory>
#include <vector>

namespace qinghe::edition {

namespace {

constexpr int kDecoderDelay = 529;

struct LameDeleter {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameDeleter>;

Lame newEncoder(const Mp3Settings& settings, Mp3Framing framing) {
    Lame lame(lame_init());
    if (!lame) {
        return nullptr;
    }
    lame_global_flags* g = lame.get();
    lame_set_num_channels(g, 1);
    lame_set_mode(g, MONO);
    lame_set_in_samplerate(g, kMp3SampleRate);
    lame_set_out_samplerate(g, kMp3SampleRate);
    lame_set_VBR(g, vbr_off);
    lame_set_brate(g, settings.bitrate);
    lame_set_quality(g, settings.quality);
    lame_set_disable_reservoir(g, 1);
    lame_set_bWriteVbrTag(g, framing == Mp3Framing::Gapless ? 1 : 0);
    lame_set_write_id3tag_automatic(g, 0);
    if (lame_init_params(g) < 0) {
        return nullptr;
    }
    return lame;
}

} // namespace

QString Mp3Settings::signature() const {
    return QStringLiteral("mp3 cbr %1 q%2 lame %3")
        .arg(bitrate)
        .arg(quality)
        .arg(QString::fromLatin1(get_lame_version()));
}

QByteArray encodeMp3(std::span<const std::int16_t> samples, const Mp3Settings& settings, Mp3Framing framing) {
    const Lame lame = newEncoder(settings, framing);
    if (!lame) {
        return {};
    }
    QByteArray out;
    constexpr std::size_t kChunk = 16384;
    // Worst case the encoder documents: 1.25 times the samples plus 7200 bytes.
    std::vector<unsigned char> buffer(kChunk * 5 / 4 + 7200);
    for (std::size_t at = 0; at < samples.size(); at += kChunk) {
        const std::size_t count = std::min(kChunk, samples.size() - at);
        // Mono: the right channel is not read.
        const int n = lame_encode_buffer(lame.get(), samples.data() + at, samples.data() + at, int(count),
                                         buffer.data(), int(buffer.size()));
        if (n < 0) {
            return {};
        }
        out.append(reinterpret_cast<const char*>(buffer.data()), n);
    }
    const int n = lame_encode_flush(lame.get(), buffer.data(), int(buffer.size()));
    if (n < 0) {
        return {};
    }
    out.append(reinterpret_cast<const char*>(buffer.data()), n);
    if (framing == Mp3Framing::Gapless) {
        // The encoder left room for the Info frame at the start; fill it in now that the length is known.
        const std::size_t size = lame_get_lametag_frame(lame.get(), buffer.data(), buffer.size());
        if (size == 0 || size > std::size_t(out.size())) {
            return {};
        }
        std::copy(buffer.begin(), buffer.begin() + std::ptrdiff_t(size), out.begin());
    }
    return out;
}

int mp3PlainDelay(const Mp3Settings& settings) {
    const Lame lame = newEncoder(settings, Mp3Framing::Plain);
    return (lame ? lame_get_encoder_delay(lame.get()) : 576) + kDecoderDelay;
}

} // namespace qinghe::edition
