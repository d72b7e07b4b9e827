#include "audio/sound_name.h"

#include "base/base64_text.h"

#include <array>
#include <utility>

namespace qinghe {

QString soundName(QStringView text) {
    if (text.isEmpty()) {
        return {};
    }
    // Recordings of these words were made with a pause between the characters, and "ě" is written
    // out because the old file systems could not hold it.
    static const std::array<std::pair<QStringView, QStringView>, 7> kWordFixups{{
        {u"ě", u"(e)"},
        {u"昨天", u"昨 天"},
        {u"你是", u"你 是"},
        {u"蜜蜂", u"蜜 蜂"},
        {u"河滩", u"河 滩"},
        {u"中心", u"中 心"},
        {u"揪出", u"揪 出"},
    }};
    static const std::array<std::pair<QStringView, QStringView>, 10> kFileNameEscapes{{
        {u"/", u"(z)"},
        {u"\r\n", u"(#13)"},
        {u"\\", u"(f)"},
        {u":", u"(m)"},
        {u"*", u"(x)"},
        {u"?", u"(w)"},
        {u"\"", u"(y)"},
        {u"<", u"(zx)"},
        {u">", u"(yx)"},
        {u"|", u"(s)"},
    }};

    QString plain = text.toString();
    for (const auto& [find, replace] : kWordFixups) {
        plain.replace(find.toString(), replace.toString(), Qt::CaseSensitive);
    }
    QString name = base64EncodeText(plain);
    for (const auto& [find, replace] : kFileNameEscapes) {
        name.replace(find.toString(), replace.toString(), Qt::CaseSensitive);
    }
    return name;
}

} // namespace qinghe
