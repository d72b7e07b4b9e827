#pragma once

#include <QString>

#include <cstdint>

namespace qinghe {

// A command the lesson or card movie sent, checked and typed. Anything else is ignored.
struct LessonMovieCommand {
    enum class Kind {
        Ignored,
        ShowLessonCard, // btnbkyd
        OpenClickRead,  // btnkwxx
        ReadLesson,     // read_lx true
        StopReading,    // read_lx, anything else
        PageTurned,     // lesson_page
        QuickMemorise,  // btnzcsj
        SpeakCharacter, // btnhanzi
        SpeakWordGroup, // readci1..3 (wordGroup 0..2)
        SpeakSentence,  // readjuzi
        PlaySegment,    // lesson_play start,end
    };
    Kind kind = Kind::Ignored;
    int wordGroup = 0;
    std::int64_t start = 0;
    std::int64_t end = 0; // 0 = to the end of the file
};

// Commands and arguments are compared exactly. "lesson_play" needs two 64-bit integers separated by
// a comma; a range that cannot be played (a negative number, an end before its start) is ignored.
LessonMovieCommand parseLessonMovieCommand(const QString& command, const QString& arguments);

} // namespace qinghe
