#pragma once

#include "audio_engine/sound_source.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

namespace qinghe {

// Opens the byte range [start, end) of a sound file (end 0 = to the end of the file) as a decoded
// sound. A WAV file yields the samples of its data chunk that lie inside the range, cut to whole
// frames; anything else is decoded as MPEG audio from exactly those bytes. nullptr when the file
// is missing, the range is empty or nothing in it can be decoded.
std::unique_ptr<SoundSource> openSoundFile(const QString& path, std::int64_t start = 0, std::int64_t end = 0);

// A complete WAV file image held in memory; nullptr when unusable or without samples.
std::unique_ptr<SoundSource> openWavImage(const QByteArray& wav);

} // namespace qinghe
