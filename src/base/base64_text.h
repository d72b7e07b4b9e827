#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace qinghe {

// Content documents store every text as Base64 of its UTF-8 bytes, wrapped with CR LF after every
// 76 characters. Empty text stays empty both ways.
QString base64EncodeText(QStringView text);

// Accepts wrapped or unwrapped input (CR, LF, tab and space are skipped). Garbage, bad padding or a
// payload that is not UTF-8 gives std::nullopt.
std::optional<QString> tryBase64DecodeText(QStringView base64);

// As above, with failures read as empty text.
QString base64DecodeText(QStringView base64);

} // namespace qinghe
