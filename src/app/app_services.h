#pragma once

#include "movie/movie_host.h"

#include <QString>

namespace qinghe {

class AudioDevices;
class AudioService;
class CompanionWindows;
class PadLink;
class ProcessLauncher;
class Prompter;
class RandomSource;
class StudyRecords;

// The seams the main window works through. The application wires the real ones; tests wire fakes.
struct AppServices {
    QString programDirectory; // ends with '/'
    Prompter& prompter;
    AudioService& audio;
    AudioDevices& audioDevices;
    MovieHostFactory movieHosts;
    ProcessLauncher& launcher;
    PadLink& pad;
    RandomSource& random;
    StudyRecords& records;        // the character and word records of the current book
    CompanionWindows& companions; // test papers, click-to-read, cards, pinyin lessons, topics
};

} // namespace qinghe
