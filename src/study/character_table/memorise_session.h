#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace qinghe {

// What the quick-memorise window shows of each character.
enum class MemoriseShow { Reading = 0, Character = 1, Both = 2, Neither = 3, ReadingSilent = 4 };
struct MemoriseShowMode {
    QString item;
    bool reading = false;
    bool character = false;
    bool speak = false; // a click on the character or reading speaks it
};
const std::array<MemoriseShowMode, 5>& memoriseShowModes();

// The pace chooser: 0 = stepped by hand.
struct MemorisePace {
    QString item;
    int interval = 0;
};
const std::array<MemorisePace, 7>& memorisePaces();
inline constexpr int kDefaultMemorisePace = 2;

// The 1-based position in the listed characters.
class MemoriseSession {
public:
    enum class Move { Moved, AtEnd, AtStart };

    void start(const QStringList& characters, const QStringList& pinyins);
    Move next();
    Move previous();

    int position() const { return position_; }
    int count() const { return int(characters_.size()); }
    QString character() const { return characters_.value(position_ - 1); }
    QString reading() const { return pinyins_.value(position_ - 1); }

private:
    QStringList characters_;
    QStringList pinyins_;
    int position_ = 1;
};

// The texts of the two labels for the current character in a show mode.
struct MemoriseLabels {
    QString reading;
    QString character;
};
MemoriseLabels memoriseLabels(const MemoriseSession& session, MemoriseShow mode);

// "字放大" and "字缩小": the new size of both labels' font (pixels), and whether the child is told
// that the limit is reached.
inline constexpr int kMemoriseFontSize = 107;
inline constexpr int kMemoriseLargest = 240;
inline constexpr int kMemoriseSmallest = 30;
struct FontStep {
    int size = kMemoriseFontSize;
    bool atLimit = false;
};
FontStep enlargeFont(int size);
FontStep shrinkFont(int size);

// Heights and alignments of the reading and character labels for a show mode. The character label
// takes what the reading label leaves between the top and bottom panels.
struct MemoriseLayout {
    int readingHeight = 0;
    bool readingAtBottom = false; // else vertically centred
    bool characterAtTop = false;  // else vertically centred
};
// None for the mode that leaves the layout as it was.
std::optional<MemoriseLayout> memoriseLayout(MemoriseShow mode, int browserHeight, int topHeight,
                                             int bottomHeight);

} // namespace qinghe
