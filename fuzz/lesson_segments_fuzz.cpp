// Reads arbitrary bytes as a lesson's text and as its recording's table, merges and encodes them.
#include "app/lesson_segments.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<LessonSegment> merged =
        mergeLessonSegments(parseLessonText(bytes), parseLessonTimings(bytes));
    for (const LessonSegment& segment : merged) {
        if (segment.playable() && segment.end != 0 && segment.end <= segment.start) {
            __builtin_trap();
        }
    }
    (void)lessonSegmentsJson(merged);
    return 0;
}
