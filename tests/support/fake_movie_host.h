#pragma once

#include "movie/movie_host.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>

namespace qinghe::test {

// A movie host for the tests of the windows that drive movies. It plays nothing; it records every
// call in order as text, keeps the state a caller can ask for, and sends commands on demand.
//
//   FakeMovieHost card;
//   browser.showCharacter(u"山"_s);              // code under test drives `card`
//   EXPECT_THAT(card.calls(), ElementsAre("setVariable(str_ziimg, 2)", ..., "callFrame(_root, 0)"));
//   card.sendCommand(u"readci1"_s);             // as if the movie had sent it
//
// Recorded forms: "setMovie(<path as given>)", "loadMovie(<layer>, <address>)",
// "setVariable(<name>, <value>)", "callFrame(<target>, <frame>)", "gotoFrame(<frame>)", "play()",
// "stop()", "setBackgroundColor(<decimal value>)".
class FakeMovieHost final : public MovieHost {
    Q_OBJECT
public:
    explicit FakeMovieHost(QObject* parent = nullptr);
    ~FakeMovieHost() override;

    const QStringList& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    int backgroundColor() const { return background_; }

    // Makes setMovie fail (host blank), as a missing or broken movie file would.
    void setMoviesLoad(bool load) { moviesLoad_ = load; }
    // Emits fsCommand at once, as the real host does from the event loop.
    void sendCommand(const QString& command, const QString& arguments = QString()) {
        Q_EMIT fsCommand(command, arguments);
    }

    QWidget* widget() override;
    bool setMovie(const QString& path) override;
    void loadMovie(int layer, const QString& address) override;
    QString moviePath() const override { return path_; }
    bool hasMovie() const override { return !path_.isEmpty(); }
    void setVariable(const QString& name, const QString& value) override;
    QString variable(const QString& name) const override;
    void callFrame(const QString& target, int frame) override;
    void gotoFrame(int frame) override;
    void play() override;
    void stop() override;
    bool isPlaying() const override { return playing_; }
    int currentFrame() const override { return frame_; }
    void setBackgroundColor(int bgr) override;

private:
    void unload();

    QStringList calls_;
    QList<QPair<QString, QString>> variables_;
    QString path_;
    int frame_ = 0;
    bool playing_ = false;
    int background_ = -1;
    bool moviesLoad_ = true;
    QPointer<QWidget> widget_;
};

} // namespace qinghe::test
