#pragma once

#include <QElapsedTimer>
#include <QString>

namespace qinghe::edition {

// A progress bar on stderr with counts and time left; plain lines when stderr is not a terminal.
class Progress {
public:
    Progress(QString stage, qint64 total);
    ~Progress();
    void advance(qint64 done = 1);
    void finish();

private:
    void draw(bool force);

    QString stage_;
    qint64 total_;
    qint64 done_ = 0;
    qint64 lastDraw_ = -1000000;
    bool terminal_;
    bool finished_ = false;
    QElapsedTimer clock_;
};

} // namespace qinghe::edition
