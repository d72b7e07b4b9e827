// Reads arbitrary bytes as a key-point document and as a pinyin movie's "speak" argument. A record
// found must decode to UTF-8 text; a recording path must stay inside the pinyin folder.
#include "cards/key_point_records.h"
#include "cards/pinyin_lessons.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const QString& key : {QStringLiteral("lesson105"), QStringLiteral("lesson3")}) {
        const QString text = keyPointTextFromBytes(bytes, key);
        if (text.toUtf8().size() > bytes.size()) {
            __builtin_trap(); // Base64 never decodes to more than it holds
        }
    }
    if (const auto path = pinyinRecordingPath(QString::fromUtf8(bytes))) {
        const QStringList parts = path->split(u'\\');
        if (!path->startsWith(QStringLiteral("Data\\Res\\pinyin\\")) ||
            parts.contains(QStringLiteral("..")) || path->contains(u'/') || path->contains(u':')) {
            __builtin_trap();
        }
    }
    return 0;
}
