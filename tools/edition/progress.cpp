#include "progress.h"

#include <cstdio>
#include <unistd.h>

namespace qinghe::edition {

namespace {
QString clockText(qint64 ms) {
    const qint64 s = (ms + 500) / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

Progress::Progress(QString stage, qint64 total)
    : stage_(std::move(stage))
    , total_(total)
    , terminal_(isatty(fileno(stderr)) != 0) {
    clock_.start();
    draw(true);
}

Progress::~Progress() {
    finish();
}

void Progress::advance(qint64 done) {
    done_ += done;
    draw(false);
}

void Progress::finish() {
    if (finished_) {
        return;
    }
    finished_ = true;
    draw(true);
    if (terminal_) {
        std::fputc('\n', stderr);
    }
}

void Progress::draw(bool force) {
    const qint64 now = clock_.elapsed();
    if (!force && now - lastDraw_ < (terminal_ ? 100 : 5000)) {
        return;
    }
    lastDraw_ = now;
    const int width = 30;
    const double share = total_ > 0 ? double(done_) / double(total_) : 1.0;
    const int filled = int(share * width);
    QString bar = QString(filled, QChar(0x2588)) + QString(width - filled, QChar(0x2591));
    QString left = QStringLiteral("--:--");
    if (done_ > 0 && done_ < total_) {
        left = clockText(qint64(double(now) * double(total_ - done_) / double(done_)));
    } else if (done_ >= total_) {
        left = QStringLiteral("0:00");
    }
    const QString line = QStringLiteral("%1 %2 %3/%4 (%5%) %6 elapsed, %7 left")
                             .arg(stage_, -8)
                             .arg(bar)
                             .arg(done_)
                             .arg(total_)
                             .arg(int(share * 100))
                             .arg(clockText(now), left);
    std::fprintf(stderr, terminal_ ? "\r%s" : "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

} // namespace qinghe::edition
