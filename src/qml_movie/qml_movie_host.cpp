#include "qml_movie/qml_movie_host.h"

#include "base/bgr_colour.h"
#include "movie/movie_log.h"
#include "movie/movie_surface.h"
#include "qml_movie/movie_bridge.h"
#include "qml_movie/qml_movie_engine.h"

#include <QLayout>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>

#include <algorithm>

namespace qinghe {

QmlMovieHost::QmlMovieHost(QmlMovieEngine& engine, QWidget* parent)
    : MovieHost(parent)
    , engine_(&engine)
    , surface_(new MovieSurface(parent))
    , bridge_(new MovieBridge(this)) {
    surface_->setAutoFillBackground(true);
    surface_->onResize = [this] { placeMovie(); };
    // A command is delivered from the event loop, never inside the movie's own script, so the
    // program may replace or unload the movie in its handler.
    connect(bridge_, &MovieBridge::commandSent, this, &MovieHost::fsCommand, Qt::QueuedConnection);
    connect(surface_, &QObject::destroyed, this, &QmlMovieHost::unload);
    connect(&engine, &QmlMovieEngine::ready, this, &QmlMovieHost::onEngineReady);
    connect(&engine, &QmlMovieEngine::stopping, this, &QmlMovieHost::onEngineStopping);
}

QmlMovieHost::~QmlMovieHost() {
    unload();
    delete surface_.data();
}

QWidget* QmlMovieHost::widget() {
    return surface_;
}

QQuickItem* QmlMovieHost::movieItem() const {
    return item_;
}

QQuickWidget* QmlMovieHost::quickWidget() const {
    return view_;
}

bool QmlMovieHost::setMovie(const QString& path) {
    unload();
    bridge_->reset();
    // Without its widget (deleted with a window) or its engine the host can only stay blank.
    if (!engine_ || !surface_ || path.isEmpty()) {
        return false;
    }
    MovieFile file = engine_->readMovie(path);
    if (file.status != MovieFileStatus::Ok) {
        qCDebug(lcMovie) << "no movie:" << path << "status" << int(file.status);
        return false;
    }
    path_ = file.canonicalPath;
    if (!engine_->isReady()) {
        waiting_ = std::move(file);
        return true;
    }
    show(file);
    return hasMovie();
}

void QmlMovieHost::loadMovie(int layer, const QString& address) {
    // Only the base layer exists in our movies; other layers are not loaded into.
    if (layer != 0) {
        return;
    }
    const QString path = address.isEmpty() ? QString() : movieAddressToPath(address);
    if (path.isEmpty()) {
        unload();
        bridge_->reset();
        return;
    }
    setMovie(path);
}

void QmlMovieHost::setVariable(const QString& name, const QString& value) {
    bridge_->setVariable(name, value);
}

QString QmlMovieHost::variable(const QString& name) const {
    return bridge_->variable(name);
}

void QmlMovieHost::callFrame(const QString& target, int frame) {
    if (item_) {
        bridge_->runFrame(target, frame);
    } else if (hasMovie()) {
        const QPair<QString, int> call(target, frame);
        if (!waitingFrameCalls_.contains(call)) {
            waitingFrameCalls_.append(call);
        }
    }
}

void QmlMovieHost::gotoFrame(int frame) {
    bridge_->goToFrame(frame);
}

void QmlMovieHost::play() {
    bridge_->setPlaying(true);
}

void QmlMovieHost::stop() {
    bridge_->setPlaying(false);
}

bool QmlMovieHost::isPlaying() const {
    return hasMovie() && bridge_->playing();
}

int QmlMovieHost::currentFrame() const {
    return bridge_->frame();
}

void QmlMovieHost::setBackgroundColor(int bgr) {
    background_ = colourFromBgr(bgr);
    applyBackground();
}

void QmlMovieHost::show(const MovieFile& file) {
    component_ = engine_->component(file);
    if (!component_) {
        unload();
        return;
    }
    if (component_->isLoading()) {
        componentLoading_ = connect(component_.get(), &QQmlComponent::statusChanged, this,
                                    [this](QQmlComponent::Status status) {
                                        if (status != QQmlComponent::Loading) {
                                            disconnect(componentLoading_);
                                            instantiate();
                                        }
                                    });
        return;
    }
    instantiate();
}

void QmlMovieHost::instantiate() {
    if (!component_ || !component_->isReady() || !engine_ || !surface_) {
        unload();
        return;
    }
    ensureView();
    auto* context = new QQmlContext(engine_->qmlEngine()->rootContext());
    context->setContextProperty(QStringLiteral("movie"), bridge_);
    QObject* object = component_->create(context);
    auto* item = qobject_cast<QQuickItem*>(object);
    if (!item) {
        qCDebug(lcMovie) << "movie has no Item at its root or failed to start:" << path_;
        for (const QQmlError& error : component_->errors()) {
            qCDebug(lcMovie).noquote() << error.toString();
        }
        delete object;
        delete context;
        unload();
        return;
    }
    context->setParent(item);
    item->setParent(view_);
    item->setParentItem(view_->quickWindow()->contentItem());
    item_ = item;
    stage_ = QSizeF(item->width(), item->height());
    placeMovie();
    view_->show();
    const auto calls = std::exchange(waitingFrameCalls_, {});
    for (const auto& [target, frame] : calls) {
        bridge_->runFrame(target, frame);
    }
}

void QmlMovieHost::unload() {
    if (componentLoading_) {
        disconnect(componentLoading_);
    }
    delete item_.data();
    component_.reset();
    waiting_ = MovieFile();
    waitingFrameCalls_.clear();
    path_.clear();
    stage_ = QSizeF();
    if (view_) {
        view_->hide();
    }
}

void QmlMovieHost::ensureView() {
    if (view_) {
        return;
    }
    view_ = new QQuickWidget(engine_->qmlEngine(), surface_);
    surface_->layout()->addWidget(view_);
    surface_->setFocusProxy(view_);
    applyBackground();
}

void QmlMovieHost::placeMovie() {
    if (!surface_) {
        return;
    }
    const QSizeF host = surface_->size();
    bridge_->setSize(host);
    if (!item_) {
        return;
    }
    if (stage_.width() > 0 && stage_.height() > 0) {
        // Scale the stage to fit, keeping its aspect, centred: the card's 576 x 304 design stays
        // whole in any panel.
        const qreal scale = std::min(host.width() / stage_.width(), host.height() / stage_.height());
        item_->setTransformOrigin(QQuickItem::TopLeft);
        item_->setScale(scale);
        item_->setPosition(QPointF((host.width() - stage_.width() * scale) / 2,
                                   (host.height() - stage_.height() * scale) / 2));
    } else {
        item_->setScale(1);
        item_->setPosition(QPointF(0, 0));
        item_->setSize(host);
    }
}

void QmlMovieHost::applyBackground() {
    if (!surface_) {
        return;
    }
    surface_->setBackground(background_);
    if (view_) {
        view_->setClearColor(background_.isValid() ? background_
                                                   : surface_->palette().color(QPalette::Window));
    }
}

void QmlMovieHost::onEngineReady() {
    if (waiting_.status == MovieFileStatus::Ok) {
        show(std::exchange(waiting_, MovieFile()));
    }
}

void QmlMovieHost::onEngineStopping() {
    unload();
    delete view_.data();
}

} // namespace qinghe
