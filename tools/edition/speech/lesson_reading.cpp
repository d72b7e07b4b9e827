#include "lesson_reading.h"

#include <QString>

namespace qinghe::edition {

namespace {

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return a <= 0 ? 0 : (a + b - 1) / b;
}

} // namespace

ReadingLayout layoutReading(const std::vector<std::int64_t>& lengths, int longPauseAfter, std::int64_t delay,
                            int frameSamples, const ReadingTiming& timing) {
    ReadingLayout layout;
    if (lengths.empty()) {
        return layout;
    }
    // Decoded position of the next speech start, and the input samples laid so far.
    std::int64_t laid = 0;
    std::int64_t frame =
        ceilDiv(delay - timing.lead, frameSamples); // the first speech cannot start before the delay
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (i > 0) {
            const std::int64_t pause = int(i) <= longPauseAfter ? timing.longPause : timing.pause;
            // The earliest frame whose lead still leaves the whole pause after the previous speech.
            const std::int64_t previousEnd = laid + delay; // decoded position where the previous speech ended
            frame = ceilDiv(previousEnd + pause - timing.lead, frameSamples);
        }
        const std::int64_t speechStart = frame * frameSamples + timing.lead - delay; // in input samples
        layout.firstFrame.push_back(frame);
        layout.silenceBefore.push_back(speechStart - laid);
        laid = speechStart + lengths[i];
    }
    layout.silenceAfter = timing.tail;
    layout.totalSamples = laid + timing.tail;
    return layout;
}

std::vector<ReadingSegment> readingSegments(const ReadingLayout& layout,
                                            const std::vector<Mp3Frame>& frames) {
    std::vector<ReadingSegment> segments;
    if (layout.firstFrame.empty() || layout.firstFrame.back() >= std::int64_t(frames.size())) {
        return segments;
    }
    // Decoded time of each frame's first sample.
    std::vector<std::int64_t> startSample(frames.size() + 1, 0);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        startSample[f + 1] = startSample[f] + frames[f].samples;
    }
    const auto secondsAt = [&](std::int64_t frame) {
        return double(startSample[std::size_t(frame)]) / double(frames.front().sampleRate);
    };
    const std::int64_t count = std::int64_t(layout.firstFrame.size());
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t first = layout.firstFrame[std::size_t(i)];
        const bool last = i + 1 == count;
        const std::int64_t next = last ? std::int64_t(frames.size()) : layout.firstFrame[std::size_t(i + 1)];
        ReadingSegment segment;
        segment.startByte = frames[std::size_t(first)].offset;
        segment.endByte = last ? 0 : frames[std::size_t(next)].offset;
        segment.startSeconds = secondsAt(first);
        segment.endSeconds = secondsAt(next);
        segments.push_back(segment);
    }
    return segments;
}

QByteArray readingTable(const std::vector<ReadingSegment>& segments, const QStringList& texts) {
    QString out;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const ReadingSegment& s = segments[i];
        out += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                   .arg(i)
                   .arg(s.startByte)
                   .arg(s.endByte)
                   .arg(s.startSeconds, 0, 'f', 3)
                   .arg(s.endSeconds, 0, 'f', 3)
                   .arg(qsizetype(i) < texts.size() ? texts[qsizetype(i)] : QString());
    }
    return out.toUtf8();
}

} // namespace qinghe::edition
