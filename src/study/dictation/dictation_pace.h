#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

namespace qinghe {

// The pace chooser "每词间隔": its items and the pause between two entries (0 = the child asks for
// the next entry on the loudspeaker).
struct DictationPace {
    QString item;
    int interval = 0;
};
const std::array<DictationPace, 8>& dictationPaces();
inline constexpr int kDefaultDictationPace = 1; // "8秒"
inline constexpr int kDictationRepeatInterval = 2700;

// A pace timer that can be switched on while its interval is 0: it then counts as running but does
// not tick, and ticks again as soon as a positive interval is set. So choosing "手动" during a
// dictation pauses it and choosing a pace again resumes it.
class PaceTimer : public QObject {
    Q_OBJECT
public:
    explicit PaceTimer(int interval, QObject* parent = nullptr);

    // Takes effect at once; a running timer starts its new period from now.
    void setInterval(int milliseconds);
    int interval() const { return interval_; }
    void start();
    void stop();
    bool isRunning() const { return running_; }
    // True while ticks actually come (running with a positive interval).
    bool isTicking() const { return timer_.isActive(); }

Q_SIGNALS:
    void timeout();

private:
    void apply();

    QTimer timer_;
    int interval_ = 0;
    bool running_ = false;
};

} // namespace qinghe
