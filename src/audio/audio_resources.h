#pragma once

#include <QByteArray>
#include <QString>

namespace qinghe {

// The two embedded interface sounds, played with AudioService::playEffect().
inline const QString kOkSoundResource = QStringLiteral(":/sounds/ok.wav");
inline const QString kWrongSoundResource = QStringLiteral(":/sounds/wrong.wav");

// Registers the embedded sounds. The audio library is static, so its resources are linked in only
// when the program calls this once at start-up.
void initAudioResources();

// A resource's bytes (empty when missing); registers the resources first.
QByteArray embeddedSound(const QString& resource);

} // namespace qinghe
