#pragma once

#include "speech_jobs.h"

namespace qinghe::edition {

// The sounds of the user interface under Data/sndsoft: spoken tool-bar hints, prompts and praise, and
// three tones (right.wav, click1.mp3, the looping bg.mp3).
QList<SpeechJob> interfaceSoundJobs(const SpeechSettings& settings);

} // namespace qinghe::edition
