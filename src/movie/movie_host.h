#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace qinghe {

// A place on a window that plays one animation movie at a time and takes variables from the
// program. Our movies are QML documents whatever their file extension; a file that is not loadable
// QML leaves the place blank, silently. This is the host without its signal: the movie engine
// module hands its hosts over as this plain interface, so no meta-object crosses the library edge.
class MovieControl {
public:
    virtual ~MovieControl() = default;

    // The widget to place in a layout or over another control.
    virtual QWidget* widget() = 0;

    // Replaces the current movie by the file and plays it. Returns false (host blank) when the file
    // is missing or not a movie.
    virtual bool setMovie(const QString& path) = 0;
    // With layer 0 and an empty address the current movie is unloaded. A non-empty address loads
    // that file (a plain path or a file:// URL) like setMovie. Our movies have no other layers:
    // calls for them do nothing.
    virtual void loadMovie(int layer, const QString& address) = 0;
    virtual QString moviePath() const = 0;
    virtual bool hasMovie() const = 0;

    // The movie sees the value under that name; values survive until the next movie is set.
    virtual void setVariable(const QString& name, const QString& value) = 0;
    virtual QString variable(const QString& name) const = 0;
    // Runs the actions of a frame of a timeline ("_root" and 0 in practice).
    virtual void callFrame(const QString& target, int frame) = 0;
    virtual void gotoFrame(int frame) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    virtual int currentFrame() const = 0;
    // Colour behind the movie as 0xBBGGRR.
    virtual void setBackgroundColor(int bgr) = 0;
};

// A movie host as the windows use it: the control plus the commands the movie sends.
class MovieHost : public QObject, public MovieControl {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MovieHost() override = default;

Q_SIGNALS:
    // The movie sent a command. Delivered from the event loop, never from inside the movie's own
    // script, so a handler may replace or unload the movie.
    void fsCommand(const QString& command, const QString& arguments);
};

// Creates a movie host whose widget is a child of the given parent; the name is the host's control
// name (object name of its widget).
using MovieHostFactory = std::function<MovieHost*(QWidget* parent, const QString& name)>;

} // namespace qinghe
