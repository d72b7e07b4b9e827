#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <vector>

namespace qinghe::lint {

// Turns byte offsets into 1-based line numbers. Lines end at LF (a CR LF pair counts once; a lone CR,
// which no editor of ours writes, does not end a line).
class LineIndex {
public:
    LineIndex() = default;
    explicit LineIndex(QByteArrayView bytes);

    // The line holding the byte at `offset`; offsets past the end give the last line.
    int lineAt(std::ptrdiff_t offset) const;
    int lineCount() const { return int(lineFeeds_.size()) + 1; }

private:
    std::vector<std::ptrdiff_t> lineFeeds_; // offsets of every '\n', ascending
};

} // namespace qinghe::lint
