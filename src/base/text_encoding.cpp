#include "base/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace qinghe {

namespace {
constexpr char kBom[] = "\xEF\xBB\xBF";
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    Q_UNUSED(text)
    return !decoder.hasError();
}

TextEncoding detectTextEncoding(const QByteArray& bytes) {
    if (bytes.startsWith(kBom)) {
        return TextEncoding::Utf8Bom;
    }
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gb18030;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.startsWith(kBom) ? bytes.mid(3) : bytes);
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Gb18030: {
        QStringDecoder decoder("GB18030");
        if (!decoder.isValid()) {
            return QString::fromLatin1(bytes);
        }
        return decoder.decode(bytes);
    }
    }
    return {};
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Gb18030) {
        QStringEncoder encoder("GB18030");
        if (encoder.isValid()) {
            return encoder.encode(text);
        }
    }
    return text.toUtf8();
}

} // namespace qinghe
