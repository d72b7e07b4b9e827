#include "study/study_context.h"

#include "audio/sound_name.h"

namespace qinghe {

QString StudyContext::soundFile(const QString& key) const {
    return resolve(QStringLiteral("DATA\\") + state.edition() + QStringLiteral("\\sound\\") + soundName(key) +
                   QStringLiteral(".mp3"));
}

QString StudyContext::sentenceFile(const QString& firstWordGroup) const {
    return resolve(QStringLiteral("DATA\\") + state.edition() + QStringLiteral("\\lj\\") +
                   soundName(firstWordGroup) + QStringLiteral(".mp3"));
}

QString StudyContext::interfaceSound(const QString& file) const {
    return resolve(QStringLiteral("Data\\sndsoft\\") + file);
}

void StudyContext::speak(const QString& key) const {
    audio.playFile(AudioSlot::Voice, soundFile(key));
}

QString StudyContext::readingOf(const QString& character) const {
    if (!state.lesson) {
        return {};
    }
    return records.characterAttribute(state.lesson->lessonKey, character, "PinYin1");
}

} // namespace qinghe
