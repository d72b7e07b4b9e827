#include "audio/audio_resources.h"

#include <QFile>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void initQingheAudioSounds() {
    Q_INIT_RESOURCE(audio_sounds);
}

namespace qinghe {

void initAudioResources() {
    static const bool done = (initQingheAudioSounds(), true);
    Q_UNUSED(done);
}

QByteArray embeddedSound(const QString& resource) {
    initAudioResources();
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace qinghe
