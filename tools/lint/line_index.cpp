#include "line_index.h"

#include <algorithm>

namespace qinghe::lint {

LineIndex::LineIndex(QByteArrayView bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            lineFeeds_.push_back(i);
        }
    }
}

int LineIndex::lineAt(std::ptrdiff_t offset) const {
    if (offset < 0) {
        return 1;
    }
    // Line feeds before the offset; the line feed itself still belongs to its line.
    const auto before = std::lower_bound(lineFeeds_.begin(), lineFeeds_.end(), offset);
    return int(before - lineFeeds_.begin()) + 1;
}

} // namespace qinghe::lint
