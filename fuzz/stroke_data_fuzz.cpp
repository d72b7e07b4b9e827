// The stroke-data reader of the demo-edition generator: one character file of hanzi-writer-data.
// Whatever it accepts must also make a movie without trouble.
#include "strokes/stroke_data.h"
#include "strokes/stroke_movie.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    const qinghe::edition::StrokeDataRead read = qinghe::edition::parseStrokeData(json);
    if (read.character) {
        const QByteArray movie = qinghe::edition::strokeMovie(QStringLiteral("字"), *read.character);
        if (movie.isEmpty()) {
            __builtin_trap();
        }
    }
    return 0;
}
