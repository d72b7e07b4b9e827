#pragma once

#include "catalogue/current_lesson.h"
#include "catalogue/lesson_lists.h"
#include "catalogue/settings.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qinghe {

// The run-wide state the main window owns and hands by reference to the windows it opens.
struct RunState {
    QString programDirectory; // ends with '/'
    Settings settings;
    bool settingsOk = false;
    TestPaperText testPaperText;
    bool recordingAvailable = false;
    QString movieBase;  // program folder as movies address it
    QByteArray okSound; // the embedded "ok" and "wrong" WAV images
    QByteArray wrongSound;
    std::optional<CurrentLesson> lesson; // the last lesson selected
    LessonLists lists;

    const QString& edition() const { return settings.edition; }
    const QString& bookMode() const { return settings.bookMode; }
};

} // namespace qinghe
