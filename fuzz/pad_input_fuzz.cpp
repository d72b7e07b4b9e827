// Reads arbitrary bytes as what a pad socket peer sends (cut into lines, each parsed as a message),
// as a Zinnia model file, as its stroke-count and shape files and as a stroke data file. The line buffer
// never holds more than its bound, a parsed character is one character, and a model that passes the check
// opens and classifies without reading outside the file.
#include "handwriting/median_data.h"
#include "pad/handwriting_model.h"
#include "pad/stroke_shapes.h"
#include "writing/pad_protocol.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    LineBuffer lines;
    // Fed in pieces of varying length, as a socket delivers them.
    for (qsizetype at = 0, piece = 1; at < bytes.size(); at += piece, piece = piece * 3 % 97 + 1) {
        for (const QByteArray& line : lines.feed(bytes.mid(at, piece))) {
            if (line.size() > kMaxPadLineBytes) {
                __builtin_trap();
            }
            const PadMessage message = parsePadLine(line);
            if (message.kind == PadMessage::Kind::Character && message.text.toUcs4().size() != 1) {
                __builtin_trap();
            }
        }
        if (lines.pending() > kMaxPadLineBytes) {
            __builtin_trap();
        }
    }

    if (pad::isValidZinniaModel(bytes)) {
        static QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fuzz.model"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()) {
            file.close();
            if (const auto model = pad::HandwritingModel::open(path)) {
                model->classify({{{10, 10}, {200, 200}}, {{200, 10}, {10, 200}}}, 256, 10);
            }
        }
    }

    const QHash<QString, int> counts = pad::HandwritingModel::parseStrokeCounts(bytes);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.key().toUcs4().size() != 1 || it.value() < 1 || it.value() > 64) {
            __builtin_trap();
        }
    }

    const QHash<QString, pad::CharacterShape> shapes = pad::parseShapes(bytes);
    const pad::CharacterShape probe = pad::shapeOf({{{10, 10}, {200, 200}}, {{200, 10}, {10, 200}}}, 256);
    for (auto it = shapes.cbegin(); it != shapes.cend(); ++it) {
        const double distance = pad::shapeDistance(probe, it.value());
        const double limited = pad::shapeDistance(it.value(), probe, 0.1);
        if (it.key().toUcs4().size() != 1 || it.value().isEmpty() || it.value().size() > 64 ||
            !(distance >= 0) || std::isnan(limited)) {
            __builtin_trap();
        }
    }

    if (const auto strokes = handwriting::parseMedians(bytes)) {
        if (strokes->isEmpty() || strokes->size() > handwriting::kMaxMedianStrokes) {
            __builtin_trap();
        }
    }
    return 0;
}
