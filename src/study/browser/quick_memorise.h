#pragma once

#include <QString>

namespace qinghe {

// The slide show of a lesson's characters: which character comes next, how long each stays, what
// the status line says. The panel around it only shows and times.
class QuickMemorise {
public:
    enum class Speed { Slow, Normal, Fast };
    static constexpr int kFirstInterval = 400;

    static int interval(Speed speed);

    // Starts at the first character; the first tick comes after kFirstInterval.
    void start(int count, const QString& displayTitle);

    struct Step {
        bool finished = false; // past the last character: stop and ask whether to go again
        int index = -1;        // the character to show
        QString status;
    };
    // One tick of the timer; `currentInterval` is the timer's interval, `speed` the chosen speed.
    // `nextInterval` receives the interval the timer should run with from now on.
    Step tick(int currentInterval, Speed speed, int* nextInterval);

    // "学习内容：【…】，当前是第N个，字词总量：n"
    QString status(int position) const;
    int position() const { return position_; }
    int count() const { return count_; }

private:
    int position_ = 0;
    int count_ = 0;
    QString title_;
};

} // namespace qinghe
