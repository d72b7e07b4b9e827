#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace qinghe {

class AudioDevices;
class AudioService;
class LessonRecords;
class MovieHost;
class PadLink;
class ProcessLauncher;
class Prompter;
class RandomSource;

// Creates a movie host as a child of the given widget; the name is the host's control name.
using MovieHostFactory = std::function<MovieHost*(QWidget* parent, const QString& name)>;

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
    LessonRecords* records = nullptr; // the character and word records; none = empty lesson lists
};

} // namespace qinghe
