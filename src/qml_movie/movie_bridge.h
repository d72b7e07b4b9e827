#pragma once

#include <QObject>
#include <QQmlPropertyMap>
#include <QSizeF>
#include <QString>

namespace qinghe {

// The object a movie sees as `movie`: what the program has told the movie (variables, frame, play
// state, the host's size) and the way back (fsCommand). docs/movies.md describes it for authors.
class MovieBridge : public QObject {
    Q_OBJECT
    // Variables set by the program, by name; bindings to them update when they change.
    Q_PROPERTY(QQmlPropertyMap* vars READ vars NOTIFY varsChanged)
    // The frame the program last went to; frameChanged comes with every GotoFrame, even to the
    // frame already shown, so "go to 0 and play" can restart an animation.
    Q_PROPERTY(int frame READ frame NOTIFY frameChanged)
    // Play/Stop from the program; a movie may clear it itself when its animation ends.
    Q_PROPERTY(bool playing READ playing WRITE setPlaying NOTIFY playingChanged)
    // The host's size in pixels.
    Q_PROPERTY(qreal width READ width NOTIFY sizeChanged)
    Q_PROPERTY(qreal height READ height NOTIFY sizeChanged)
public:
    explicit MovieBridge(QObject* parent = nullptr);

    QQmlPropertyMap* vars() const { return vars_; }
    int frame() const { return frame_; }
    bool playing() const { return playing_; }
    qreal width() const { return size_.width(); }
    qreal height() const { return size_.height(); }

    // A new movie: no variables, frame 0, playing.
    void reset();
    void setVariable(const QString& name, const QString& value);
    QString variable(const QString& name) const;
    void goToFrame(int frame);
    void setPlaying(bool playing);
    void runFrame(const QString& target, int frame) { Q_EMIT callFrame(target, frame); }
    void setSize(QSizeF size);

    // From the movie: a command for the program.
    Q_INVOKABLE void fsCommand(const QString& command, const QString& arguments = QString());

Q_SIGNALS:
    void varsChanged();
    void frameChanged();
    void playingChanged();
    void sizeChanged();
    // The program asks the movie to run the actions of a frame of a timeline (TCallFrame).
    void callFrame(const QString& target, int frame);
    // The movie sent a command (emitted at once; the host delivers it from the event loop).
    void commandSent(const QString& command, const QString& arguments);

private:
    QQmlPropertyMap* vars_ = nullptr; // child; replaced by reset()
    int frame_ = 0;
    bool playing_ = true;
    QSizeF size_;
};

} // namespace qinghe
