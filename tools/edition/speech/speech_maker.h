#pragma once

#include "speech_jobs.h"
#include "speech_settings.h"
#include "speech_voice.h"

#include <QString>

#include <optional>
#include <vector>

namespace qinghe::edition {

// Makes the files of speech jobs inside one worker process. Every file is written under a temporary
// name in the work folder and renamed into place, so an interrupted run leaves no half-written output.
class SpeechMaker {
public:
    // `root` is the program folder, `workFolder` a folder on the same file system for temporary files.
    SpeechMaker(const SpeechVoice& voice, const SpeechSettings& settings, QString root, QString workFolder);

    bool make(const SpeechJob& job, QString* error);

    // The voice speaking each part's pinyin, shaped: trimmed, at 44.1 kHz, at the common loudness.
    std::optional<std::vector<Samples>> spokenSamples(const QList<Spoken>& parts, QString* error) const;

private:
    bool makePhrase(const SpeechJob& job, QString* error);
    bool makeReading(const SpeechJob& job, QString* error);
    bool makeTone(const SpeechJob& job, QString* error);
    // Samples of a 16-bit mono WAV file made by sox; nullopt when it is not that.
    std::optional<Samples> readToolWav(const QString& path, QString* error) const;
    bool writeFile(const QString& path, const QByteArray& bytes, QString* error);
    bool publish(const QString& temporary, const QString& relative, QString* error) const;
    QString temporaryPath(const QString& suffix);

    const SpeechVoice& voice_;
    const SpeechSettings& settings_;
    QString root_;
    QString work_;
    int serial_ = 0;
};

// A 16-bit mono WAV file image of `samples` at `rate`.
QByteArray monoWav(std::span<const std::int16_t> samples, int rate);

} // namespace qinghe::edition
