#include "study/drills/drill_traits.h"

namespace qinghe {

const DrillTraits& drillTraits(Drill kind) {
    static const DrillTraits table[] = {
        {Drill::CharacterToPinyin, QStringLiteral("看汉字认拼音"), QStringLiteral("N18"),
         QStringLiteral("pnl_kzry"), QStringLiteral("btn_kzry"), QStringLiteral("lbl_kzry_zi"), QString(),
         QStringLiteral("flash_right3"), false, true, 7, 5},
        {Drill::SoundToCharacter, QStringLiteral("听发音认汉字"), QStringLiteral("N21"),
         QStringLiteral("pnl_tyrz"), QStringLiteral("btn_tyrz"), QString(), QStringLiteral("btn_tyrz_read"),
         QStringLiteral("flash_right1"), true, false, 0, 0},
        {Drill::PinyinToCharacter, QStringLiteral("看拼音认汉字"), QStringLiteral("N19"),
         QStringLiteral("pnl_kyrz"), QStringLiteral("btn_kyrz"), QStringLiteral("lbl_kyrz_pinyin"), QString(),
         QStringLiteral("flash_right2"), false, false, 8, 6},
        {Drill::SoundToPinyin, QStringLiteral("听发音认拼音"), QStringLiteral("N20"),
         QStringLiteral("pnl_tyby"), QStringLiteral("btn_tyby"), QStringLiteral("lbl_tyby_pinyin"),
         QStringLiteral("btn_tyby_read"), QStringLiteral("flash_right4"), true, true, 0, 0},
    };
    return table[static_cast<int>(kind)];
}

} // namespace qinghe
