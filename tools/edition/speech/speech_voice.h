#pragma once

#include "speech_signal.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace qinghe::edition {

struct VoiceSettings {
    QString voice =
        QStringLiteral("cmn-latn-pinyin"); // reads tone-marked pinyin; plain "cmn" reads it as English
    int rate = 135;                        // words (here: syllables) per minute; espeak's 175 rushes a child
    int pitch = 55;                        // 0..100
    int range = 50;                        // pitch range 0..100

    QString signature() const;
};

// espeak-ng loaded into this process. The library keeps its state in globals, so there is at most one
// per process; parallel work needs processes.
class SpeechVoice {
public:
    static std::unique_ptr<SpeechVoice> start(const VoiceSettings& settings, QString* error);
    ~SpeechVoice();
    SpeechVoice(const SpeechVoice&) = delete;
    SpeechVoice& operator=(const SpeechVoice&) = delete;

    static constexpr int kSampleRate = 22050;

    // Speaks each of `texts` (tone-marked pinyin) into mono samples at kSampleRate, one after another.
    // Every call starts from the state the library had right after start(): the synthesis runs in a
    // forked child, because the library carries noise and pitch-flutter state from one utterance into
    // the next and the same texts must always give the same samples. nullopt on failure.
    std::optional<std::vector<Samples>> speak(const QStringList& texts) const;
    std::optional<Samples> speak(const QString& text) const;

private:
    SpeechVoice() = default;
};

// The espeak-ng version, for recipes.
QString espeakVersion();

} // namespace qinghe::edition
