#pragma once

namespace qinghe {

// The four recognition drills, in the order their check marks are tested when a lesson is selected.
enum class Drill {
    CharacterToPinyin, // 看汉字认拼音 (N18)
    SoundToCharacter,  // 听发音认汉字 (N21)
    PinyinToCharacter, // 看拼音认汉字 (N19)
    SoundToPinyin      // 听发音认拼音 (N20)
};

} // namespace qinghe
