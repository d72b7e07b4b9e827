#include "support/fake_movie_host.h"

#include <QWidget>

namespace qinghe::test {

FakeMovieHost::FakeMovieHost(QObject* parent)
    : MovieHost(parent) {}

FakeMovieHost::~FakeMovieHost() {
    delete widget_.data();
}

QWidget* FakeMovieHost::widget() {
    if (!widget_) {
        widget_ = new QWidget;
    }
    return widget_;
}

bool FakeMovieHost::setMovie(const QString& path) {
    calls_.append(QStringLiteral("setMovie(%1)").arg(path));
    unload();
    if (!moviesLoad_ || path.isEmpty()) {
        return false;
    }
    path_ = path;
    playing_ = true;
    return true;
}

void FakeMovieHost::loadMovie(int layer, const QString& address) {
    calls_.append(QStringLiteral("loadMovie(%1, %2)").arg(layer).arg(address));
    if (layer != 0) {
        return;
    }
    unload();
    if (!address.isEmpty() && moviesLoad_) {
        path_ = address;
        playing_ = true;
    }
}

void FakeMovieHost::setVariable(const QString& name, const QString& value) {
    calls_.append(QStringLiteral("setVariable(%1, %2)").arg(name, value));
    variables_.append({name, value});
}

QString FakeMovieHost::variable(const QString& name) const {
    // The last value set wins, as in the real host.
    for (auto it = variables_.crbegin(); it != variables_.crend(); ++it) {
        if (it->first == name) {
            return it->second;
        }
    }
    return {};
}

void FakeMovieHost::callFrame(const QString& target, int frame) {
    calls_.append(QStringLiteral("callFrame(%1, %2)").arg(target).arg(frame));
}

void FakeMovieHost::gotoFrame(int frame) {
    calls_.append(QStringLiteral("gotoFrame(%1)").arg(frame));
    frame_ = frame;
}

void FakeMovieHost::play() {
    calls_.append(QStringLiteral("play()"));
    playing_ = hasMovie();
}

void FakeMovieHost::stop() {
    calls_.append(QStringLiteral("stop()"));
    playing_ = false;
}

void FakeMovieHost::setBackgroundColor(int bgr) {
    calls_.append(QStringLiteral("setBackgroundColor(%1)").arg(bgr));
    background_ = bgr;
}

void FakeMovieHost::unload() {
    path_.clear();
    variables_.clear();
    frame_ = 0;
    playing_ = false;
}

} // namespace qinghe::test
