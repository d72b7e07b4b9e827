#pragma once

#include "movie/movie_engine_module.h"
#include "movie/movie_file.h"
#include "movie/movie_host.h"

#include <QList>
#include <QPair>
#include <QPointer>

#include <memory>
#include <optional>

namespace qinghe {

class MovieSurface;

// A movie host made before the movie engine is loaded. Until then it keeps what it is asked (the
// movie, its variables, frame, play state, frame calls, background) and answers from that as a
// host of an engine not yet started does; attach() replays it into the engine's own host, and from
// then on every call goes there.
class DeferredMovieHost final : public MovieHost {
    Q_OBJECT
public:
    // The widget is created as a child of `parent`; the host object is a child of it too.
    DeferredMovieHost(const MovieFileReader& files, QWidget* parent);
    ~DeferredMovieHost() override;

    // The handler to give the engine's host: its commands come out of this host's fsCommand.
    MovieCommandHandler commandHandler();
    // Places the engine's host inside this one's widget and replays what was asked so far.
    void attach(std::unique_ptr<MovieControl> control);
    bool isAttached() const { return control_ != nullptr; }

    QWidget* widget() override;
    bool setMovie(const QString& path) override;
    void loadMovie(int layer, const QString& address) override;
    QString moviePath() const override;
    bool hasMovie() const override { return !moviePath().isEmpty(); }
    void setVariable(const QString& name, const QString& value) override;
    QString variable(const QString& name) const override;
    void callFrame(const QString& target, int frame) override;
    void gotoFrame(int frame) override;
    void play() override;
    void stop() override;
    bool isPlaying() const override;
    int currentFrame() const override;
    void setBackgroundColor(int bgr) override;

private:
    void forget();

    const MovieFileReader& files_;
    QPointer<MovieSurface> surface_;
    std::unique_ptr<MovieControl> control_;
    // What was asked before attach(); a new movie starts with no variables, frame 0, playing.
    QString path_;
    QList<QPair<QString, QString>> variables_; // in the order first set
    QList<QPair<QString, int>> frameCalls_;
    int frame_ = 0;
    bool playing_ = true;
    std::optional<int> background_;
};

// Makes the program's movie hosts and, once the main window is on the screen, hands them all to
// the movie engine module. Without the module the hosts stay blank, as with a broken movie.
class DeferredMovies {
public:
    explicit DeferredMovies(const QString& programDirectory);
    ~DeferredMovies();
    DeferredMovies(const DeferredMovies&) = delete;
    DeferredMovies& operator=(const DeferredMovies&) = delete;

    MovieHost* createHost(QWidget* parent);
    // Attaches every live host to the engine and starts it; hosts made later attach at once.
    // A null engine (the module could not be loaded) leaves every host blank.
    void attach(std::unique_ptr<MovieEngineModule> engine);
    bool hasEngine() const { return engine_ != nullptr; }

private:
    const MovieFileReader files_;
    QList<QPointer<DeferredMovieHost>> waiting_;
    bool attached_ = false;
    // Hosts that outlive the engine go blank when it stops.
    std::unique_ptr<MovieEngineModule> engine_;
};

// Loads the movie engine module from `moduleDirectory`; null when it is missing or broken.
std::unique_ptr<MovieEngineModule> loadMovieEngineModule(const QString& moduleDirectory,
                                                         const QString& programDirectory);

} // namespace qinghe
