// Walks the MPEG frames of arbitrary bytes as the speech stage does with its encoder's output, checks
// that every frame lies inside the bytes and follows the one before, and lays a reading table over them.
#include "speech/lesson_reading.h"
#include "speech/mp3_frames.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe::edition;
    const std::vector<Mp3Frame> frames = mp3Frames({data, size});
    std::int64_t next = 0;
    for (const Mp3Frame& frame : frames) {
        if (frame.offset != next || frame.length < 4 || frame.offset + frame.length > std::int64_t(size) ||
            (frame.samples != 576 && frame.samples != 1152) || frame.sampleRate < 8000) {
            std::abort();
        }
        next = frame.offset + frame.length;
    }
    // Segments starting at frames named by the first bytes, in order.
    ReadingLayout layout;
    std::int64_t at = 0;
    for (std::size_t i = 0; i < size && i < 8; ++i) {
        at += data[i] % 4;
        layout.firstFrame.push_back(at);
    }
    const std::vector<ReadingSegment> segments = readingSegments(layout, frames);
    for (const ReadingSegment& segment : segments) {
        if (segment.startByte < 0 || segment.startByte >= std::int64_t(size) ||
            segment.endSeconds < segment.startSeconds) {
            std::abort();
        }
    }
    (void)readingTable(segments, {});
    return 0;
}
