#include "qml_movie/movie_bridge.h"

namespace qinghe {

namespace {

// Names QQmlPropertyMap keeps for itself; it would refuse them with a warning.
bool isReservedName(const QString& name) {
    return name.isEmpty() || name == u"keys" || name == u"valueChanged" || name == u"QObject" ||
           name == u"destroyed" || name == u"deleteLater" || name == u"objectName";
}

} // namespace

MovieBridge::MovieBridge(QObject* parent)
    : QObject(parent)
    , vars_(new QQmlPropertyMap(this)) {}

void MovieBridge::reset() {
    // A fresh map rather than clearing: the old movie's names must not linger as undefined keys.
    QQmlPropertyMap* old = vars_;
    vars_ = new QQmlPropertyMap(this);
    delete old;
    Q_EMIT varsChanged();
    frame_ = 0;
    Q_EMIT frameChanged();
    setPlaying(true);
}

void MovieBridge::setVariable(const QString& name, const QString& value) {
    if (isReservedName(name)) {
        return;
    }
    // A binding that read the name before it was set is linked to it already: the map creates a
    // name on first read, so inserting notifies it like any change.
    vars_->insert(name, value);
}

QString MovieBridge::variable(const QString& name) const {
    return vars_->value(name).toString();
}

void MovieBridge::goToFrame(int frame) {
    frame_ = frame;
    Q_EMIT frameChanged();
}

void MovieBridge::setPlaying(bool playing) {
    if (playing_ == playing) {
        return;
    }
    playing_ = playing;
    Q_EMIT playingChanged();
}

void MovieBridge::setSize(QSizeF size) {
    if (size_ == size) {
        return;
    }
    size_ = size;
    Q_EMIT sizeChanged();
}

void MovieBridge::fsCommand(const QString& command, const QString& arguments) {
    Q_EMIT commandSent(command, arguments);
}

} // namespace qinghe
