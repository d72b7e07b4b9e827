#include "base/base64_text.h"

#include "base/text_encoding.h"

#include <QByteArray>

namespace qinghe {

QString base64EncodeText(QStringView text) {
    if (text.isEmpty()) {
        return {};
    }
    const QByteArray encoded = text.toUtf8().toBase64();
    constexpr qsizetype kLine = 76;
    QString out;
    out.reserve(encoded.size() + encoded.size() / kLine * 2);
    for (qsizetype pos = 0; pos < encoded.size(); pos += kLine) {
        if (pos > 0) {
            out += QStringLiteral("\r\n");
        }
        out += QLatin1StringView(encoded.constData() + pos, std::min(kLine, encoded.size() - pos));
    }
    return out;
}

std::optional<QString> tryBase64DecodeText(QStringView base64) {
    if (base64.isEmpty()) {
        return QString();
    }
    QByteArray compact;
    compact.reserve(base64.size());
    for (const QChar ch : base64) {
        const char16_t c = ch.unicode();
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == u' ') {
            continue;
        }
        const bool alphabet = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                              (c >= u'0' && c <= u'9') || c == u'+' || c == u'/' || c == u'=';
        if (!alphabet) {
            return std::nullopt;
        }
        compact += char(c);
    }
    if (compact.isEmpty()) {
        return QString();
    }
    // '=' may only close the text, at most twice, and the length must be a whole number of quanta.
    const qsizetype firstPad = compact.indexOf('=');
    if (firstPad >= 0) {
        const qsizetype pads = compact.size() - firstPad;
        if (pads > 2 || compact.mid(firstPad).count('=') != pads || compact.size() % 4 != 0) {
            return std::nullopt;
        }
    } else if (compact.size() % 4 == 1) {
        return std::nullopt;
    }
    const auto result = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!result) {
        return std::nullopt;
    }
    if (!isValidUtf8(*result)) {
        return std::nullopt;
    }
    return QString::fromUtf8(*result);
}

QString base64DecodeText(QStringView base64) {
    return tryBase64DecodeText(base64).value_or(QString());
}

} // namespace qinghe
