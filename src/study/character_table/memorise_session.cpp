#include "study/character_table/memorise_session.h"

namespace qinghe {

const std::array<MemoriseShowMode, 5>& memoriseShowModes() {
    static const std::array<MemoriseShowMode, 5> modes{{
        {QStringLiteral("仅显示拼音"), true, false, true},
        {QStringLiteral("仅显示汉字"), false, true, true},
        {QStringLiteral("拼音和汉字都显示"), true, true, true},
        {QStringLiteral("拼音和汉字不显示"), false, false, true},
        {QStringLiteral("显示拼音（不发音）"), true, false, false},
    }};
    return modes;
}

const std::array<MemorisePace, 7>& memorisePaces() {
    static const std::array<MemorisePace, 7> paces{{
        {QStringLiteral("手动播放生字"), 0},
        {QStringLiteral("自动播放，间隔3秒"), 3000},
        {QStringLiteral("自动播放，间隔5秒"), 5000},
        {QStringLiteral("自动播放，间隔10秒"), 10000},
        {QStringLiteral("自动播放，间隔20秒"), 20000},
        {QStringLiteral("自动播放，间隔30秒"), 30000},
        {QStringLiteral("自动播放，间隔60秒"), 60000},
    }};
    return paces;
}

void MemoriseSession::start(const QStringList& characters, const QStringList& pinyins) {
    characters_ = characters;
    pinyins_ = pinyins;
    position_ = 1;
}

MemoriseSession::Move MemoriseSession::next() {
    if (position_ >= count()) {
        return Move::AtEnd;
    }
    ++position_;
    return Move::Moved;
}

MemoriseSession::Move MemoriseSession::previous() {
    if (position_ < 2) {
        return Move::AtStart;
    }
    --position_;
    return Move::Moved;
}

MemoriseLabels memoriseLabels(const MemoriseSession& session, MemoriseShow mode) {
    const MemoriseShowMode& row = memoriseShowModes()[size_t(mode)];
    return {row.reading ? session.reading() : QString(), row.character ? session.character() : QString()};
}

FontStep enlargeFont(int size) {
    if (size < kMemoriseLargest) {
        return {size + 5, false};
    }
    return {kMemoriseLargest, true};
}

FontStep shrinkFont(int size) {
    if (size > kMemoriseSmallest) {
        return {size - 5, false};
    }
    return {kMemoriseSmallest, true};
}

std::optional<MemoriseLayout> memoriseLayout(MemoriseShow mode, int browserHeight, int topHeight,
                                             int bottomHeight) {
    const int middle = browserHeight - bottomHeight - topHeight;
    switch (mode) {
    case MemoriseShow::Reading:
    case MemoriseShow::ReadingSilent:
        return MemoriseLayout{middle - 10, false, false};
    case MemoriseShow::Character:
        return MemoriseLayout{10, false, false};
    case MemoriseShow::Both:
        return MemoriseLayout{middle / 2, true, true};
    case MemoriseShow::Neither:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace qinghe
