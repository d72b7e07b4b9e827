// Decodes arbitrary text as Base64 text; whatever decodes must encode back to the same bytes.
#include "base/base64_text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qinghe;
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> text = tryBase64DecodeText(input);
    if (text && base64DecodeText(base64EncodeText(*text)) != *text) {
        __builtin_trap();
    }
    return 0;
}
