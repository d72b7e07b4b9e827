#pragma once

#include "movie/movie_file.h"
#include "movie/movie_host.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QSizeF>

#include <memory>

class QQmlComponent;
class QQuickItem;
class QQuickWidget;

namespace qinghe {

class MovieBridge;
class MovieSurface;
class QmlMovieEngine;

// A movie host that plays QML movies in a QQuickWidget of the shared engine. The QQuickWidget is
// made only when a movie is first shown and the engine has started; until then the host keeps
// what it was asked (movie, variables, frame, play state) and applies it when the engine is ready.
// Whatever fails (missing file, a real SWF, broken QML, a refused file) leaves the host blank
// without a message. Before the engine has started, setMovie can only check the file, so it returns
// true for a readable QML text that may still fail to compile later.
class QmlMovieHost final : public MovieHost {
    Q_OBJECT
public:
    // The host's widget is created as a child of `parent`; the host object is a child of it too.
    QmlMovieHost(QmlMovieEngine& engine, QWidget* parent = nullptr);
    ~QmlMovieHost() override;

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
    bool isPlaying() const override;
    int currentFrame() const override;
    void setBackgroundColor(int bgr) override;

    // The colour behind the movie; invalid until set (the window's own background shows).
    QColor backgroundColor() const { return background_; }
    // The movie's root item and the view it is shown in; null while blank or not yet shown.
    QQuickItem* movieItem() const;
    QQuickWidget* quickWidget() const;

private:
    void show(const MovieFile& file);
    void instantiate();
    void unload();
    void ensureView();
    void placeMovie();
    void applyBackground();
    void onEngineReady();
    void onEngineStopping();

    QPointer<QmlMovieEngine> engine_;
    QPointer<MovieSurface> surface_;
    QPointer<QQuickWidget> view_;
    QPointer<QQuickItem> item_;
    MovieBridge* bridge_ = nullptr; // child
    std::shared_ptr<QQmlComponent> component_;
    QMetaObject::Connection componentLoading_;
    QString path_;      // canonical path of the movie shown or waiting; empty when blank
    MovieFile waiting_; // read before the engine started, shown when it is ready
    QList<QPair<QString, int>> waitingFrameCalls_;
    QSizeF stage_; // the movie's own size; empty when it fills the host
    QColor background_;
};

} // namespace qinghe
