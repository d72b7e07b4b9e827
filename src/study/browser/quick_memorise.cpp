#include "study/browser/quick_memorise.h"

namespace qinghe {

int QuickMemorise::interval(Speed speed) {
    switch (speed) {
    case Speed::Slow:
        return 8000;
    case Speed::Normal:
        return 4000;
    case Speed::Fast:
        return 2000;
    }
    return 4000;
}

void QuickMemorise::start(int count, const QString& displayTitle) {
    position_ = 0;
    count_ = count;
    title_ = displayTitle;
}

QString QuickMemorise::status(int position) const {
    return QStringLiteral("学习内容：【") + title_ + QStringLiteral("】，当前是第") +
           QString::number(position) + QStringLiteral("个，字词总量：") + QString::number(count_);
}

QuickMemorise::Step QuickMemorise::tick(int currentInterval, Speed speed, int* nextInterval) {
    *nextInterval = currentInterval == kFirstInterval ? interval(speed) : currentInterval;
    Step step;
    if (position_ > count_ - 1) {
        position_ = 0;
        step.finished = true;
        return step;
    }
    step.index = position_;
    step.status = status(position_ + 1);
    ++position_;
    return step;
}

} // namespace qinghe
