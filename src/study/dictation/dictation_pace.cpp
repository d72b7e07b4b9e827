#include "study/dictation/dictation_pace.h"

namespace qinghe {

const std::array<DictationPace, 8>& dictationPaces() {
    static const std::array<DictationPace, 8> paces{{
        {QStringLiteral("6秒"), 6000},
        {QStringLiteral("8秒"), 8000},
        {QStringLiteral("10秒"), 10000},
        {QStringLiteral("15秒"), 15000},
        {QStringLiteral("20秒"), 20000},
        {QStringLiteral("30秒"), 30000},
        {QStringLiteral("60秒"), 60000},
        {QStringLiteral("手动"), 0},
    }};
    return paces;
}

PaceTimer::PaceTimer(int interval, QObject* parent)
    : QObject(parent)
    , interval_(interval) {
    connect(&timer_, &QTimer::timeout, this, &PaceTimer::timeout);
}

void PaceTimer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    apply();
}

void PaceTimer::start() {
    running_ = true;
    apply();
}

void PaceTimer::stop() {
    running_ = false;
    timer_.stop();
}

void PaceTimer::apply() {
    if (running_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

} // namespace qinghe
