#pragma once

#include <QByteArray>
#include <QString>

namespace qinghe {

// Text files written on Chinese Windows are UTF-8 (with or without BOM) or GB18030 (GBK/GB2312 are
// subsets). These helpers decide which and convert.
enum class TextEncoding { Utf8, Utf8Bom, Gb18030 };

// UTF-8 when the bytes are valid UTF-8 (a BOM is noted), GB18030 otherwise.
TextEncoding detectTextEncoding(const QByteArray& bytes);

// Decoded text without any BOM.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

// Encoded bytes, without a BOM (a BOM belongs at the start of a file, not inside a line).
QByteArray encodeText(const QString& text, TextEncoding encoding);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(const QByteArray& bytes);

} // namespace qinghe
