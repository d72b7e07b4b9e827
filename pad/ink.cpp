#include "pad/ink.h"

#include "pad/stroke_smoothing.h"

namespace qinghe::pad {

bool InkModel::beginStroke(QPointF point) {
    if (writing_) {
        endStroke();
    }
    if (strokes_.size() >= kMaxStrokes) {
        return false;
    }
    current_ = {point};
    writing_ = true;
    return true;
}

void InkModel::extendStroke(QPointF point) {
    if (writing_ && current_.size() < kMaxPointsPerStroke) {
        current_.append(point);
    }
}

bool InkModel::endStroke() {
    if (!writing_) {
        return false;
    }
    strokes_.append(smoothStroke(current_));
    current_.clear();
    writing_ = false;
    return true;
}

bool InkModel::undoStroke() {
    if (writing_) {
        current_.clear();
        writing_ = false;
        return true;
    }
    if (strokes_.isEmpty()) {
        return false;
    }
    strokes_.removeLast();
    return true;
}

void InkModel::clear() {
    strokes_.clear();
    current_.clear();
    writing_ = false;
}

} // namespace qinghe::pad
