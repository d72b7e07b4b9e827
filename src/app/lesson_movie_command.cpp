#include "app/lesson_movie_command.h"

namespace qinghe {

LessonMovieCommand parseLessonMovieCommand(const QString& command, const QString& arguments) {
    using Kind = LessonMovieCommand::Kind;
    LessonMovieCommand parsed;
    if (command == u"btnbkyd") {
        parsed.kind = Kind::ShowLessonCard;
    } else if (command == u"btnkwxx") {
        parsed.kind = Kind::OpenClickRead;
    } else if (command == u"read_lx") {
        parsed.kind = arguments == u"true" ? Kind::ReadLesson : Kind::StopReading;
    } else if (command == u"lesson_page") {
        parsed.kind = Kind::PageTurned;
    } else if (command == u"btnzcsj") {
        parsed.kind = Kind::QuickMemorise;
    } else if (command == u"btnhanzi") {
        parsed.kind = Kind::SpeakCharacter;
    } else if (command == u"readci1" || command == u"readci2" || command == u"readci3") {
        parsed.kind = Kind::SpeakWordGroup;
        parsed.wordGroup = command.back().digitValue() - 1;
    } else if (command == u"readjuzi") {
        parsed.kind = Kind::SpeakSentence;
    } else if (command == u"lesson_play") {
        const qsizetype comma = arguments.indexOf(u',');
        bool startOk = false;
        bool endOk = false;
        const qint64 start = comma < 0 ? 0 : arguments.left(comma).trimmed().toLongLong(&startOk);
        const qint64 end = comma < 0 ? 0 : arguments.mid(comma + 1).trimmed().toLongLong(&endOk);
        if (startOk && endOk && start >= 0 && end >= 0 && (end == 0 || end > start)) {
            parsed.kind = Kind::PlaySegment;
            parsed.start = start;
            parsed.end = end;
        }
    }
    return parsed;
}

} // namespace qinghe
