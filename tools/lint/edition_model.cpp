#include "edition_model.h"

namespace qinghe::lint {

qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())) {
            ++count;
        }
    }
    return count;
}

} // namespace qinghe::lint
