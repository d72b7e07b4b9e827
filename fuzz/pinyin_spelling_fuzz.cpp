// Reads arbitrary bytes as tone-marked pinyin, as the pinyin lessons' generator spells it. What is
// accepted must spell consistently: the mark on a letter of the syllable, a tone of 0 to 4, recording
// names in ASCII, and a tone moved to another tone reading back as that tone.
#include "pinyin/pinyin_spelling.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe::edition;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto spelled = spellSyllable(text)) {
        if (spelled->tone < 0 || spelled->tone > 4 || spelled->markAt >= spelled->letters.size() ||
            (spelled->markAt < 0) != (spelled->tone == 0) || spelled->letters.size() != text.size()) {
            __builtin_trap();
        }
        for (int tone = 1; tone <= 4 && spelled->tone != 0; ++tone) {
            const auto moved = withTone(text, tone);
            const auto again = moved ? spellSyllable(*moved) : std::nullopt;
            if (!again || again->tone != tone || again->letters != spelled->letters) {
                __builtin_trap();
            }
        }
    }
    if (const auto stem = recordingStem(text)) {
        for (const QChar c : *stem) {
            if (c.unicode() >= 128 || !(c.isLower() || c.isDigit())) {
                __builtin_trap();
            }
        }
        if (!pinyinSyllables(text)) {
            __builtin_trap();
        }
    }
    return 0;
}
