#include "movie/deferred_movie_host.h"

#include "base/bgr_colour.h"
#include "base/module_library.h"
#include "movie/movie_log.h"
#include "movie/movie_surface.h"

#include <QColor>
#include <QLayout>

#include <utility>

namespace qinghe {

DeferredMovieHost::DeferredMovieHost(const MovieFileReader& files, QWidget* parent)
    : MovieHost(parent)
    , files_(files)
    , surface_(new MovieSurface(parent)) {
    surface_->setAutoFillBackground(true);
}

DeferredMovieHost::~DeferredMovieHost() {
    control_.reset();
    delete surface_.data();
}

MovieCommandHandler DeferredMovieHost::commandHandler() {
    // The engine's host is owned by this one, so it cannot call after this one is gone.
    return [this](const QString& command, const QString& arguments) { Q_EMIT fsCommand(command, arguments); };
}

void DeferredMovieHost::attach(std::unique_ptr<MovieControl> control) {
    if (!control || control_ || !surface_) {
        return;
    }
    control_ = std::move(control);
    QWidget* inner = control_->widget();
    surface_->layout()->addWidget(inner);
    surface_->setFocusProxy(inner);
    inner->show();
    if (background_) {
        control_->setBackgroundColor(*background_);
    }
    if (!path_.isEmpty()) {
        control_->setMovie(path_);
        for (const auto& [name, value] : std::as_const(variables_)) {
            control_->setVariable(name, value);
        }
        if (frame_ != 0) {
            control_->gotoFrame(frame_);
        }
        if (!playing_) {
            control_->stop();
        }
        for (const auto& [target, frame] : std::as_const(frameCalls_)) {
            control_->callFrame(target, frame);
        }
    }
    forget();
}

QWidget* DeferredMovieHost::widget() {
    return surface_;
}

bool DeferredMovieHost::setMovie(const QString& path) {
    if (control_) {
        return control_->setMovie(path);
    }
    forget();
    if (!surface_ || path.isEmpty()) {
        return false;
    }
    const MovieFile file = files_.read(path);
    if (file.status != MovieFileStatus::Ok) {
        qCDebug(lcMovie) << "no movie:" << path << "status" << int(file.status);
        return false;
    }
    path_ = file.canonicalPath;
    return true;
}

void DeferredMovieHost::loadMovie(int layer, const QString& address) {
    if (control_) {
        control_->loadMovie(layer, address);
        return;
    }
    // Only the base layer exists in our movies; other layers are not loaded into.
    if (layer != 0) {
        return;
    }
    const QString path = address.isEmpty() ? QString() : movieAddressToPath(address);
    if (path.isEmpty()) {
        forget();
        return;
    }
    setMovie(path);
}

QString DeferredMovieHost::moviePath() const {
    return control_ ? control_->moviePath() : path_;
}

void DeferredMovieHost::setVariable(const QString& name, const QString& value) {
    if (control_) {
        control_->setVariable(name, value);
        return;
    }
    for (auto& [known, old] : variables_) {
        if (known == name) {
            old = value;
            return;
        }
    }
    variables_.append({name, value});
}

QString DeferredMovieHost::variable(const QString& name) const {
    if (control_) {
        return control_->variable(name);
    }
    for (const auto& [known, value] : variables_) {
        if (known == name) {
            return value;
        }
    }
    return {};
}

void DeferredMovieHost::callFrame(const QString& target, int frame) {
    if (control_) {
        control_->callFrame(target, frame);
        return;
    }
    // The movie runs the frame once it is shown; asking twice before then runs it once.
    const QPair<QString, int> call(target, frame);
    if (hasMovie() && !frameCalls_.contains(call)) {
        frameCalls_.append(call);
    }
}

void DeferredMovieHost::gotoFrame(int frame) {
    if (control_) {
        control_->gotoFrame(frame);
    } else {
        frame_ = frame;
    }
}

void DeferredMovieHost::play() {
    if (control_) {
        control_->play();
    } else {
        playing_ = true;
    }
}

void DeferredMovieHost::stop() {
    if (control_) {
        control_->stop();
    } else {
        playing_ = false;
    }
}

bool DeferredMovieHost::isPlaying() const {
    return control_ ? control_->isPlaying() : hasMovie() && playing_;
}

int DeferredMovieHost::currentFrame() const {
    return control_ ? control_->currentFrame() : frame_;
}

void DeferredMovieHost::setBackgroundColor(int bgr) {
    background_ = bgr;
    if (surface_) {
        surface_->setBackground(colourFromBgr(bgr));
    }
    if (control_) {
        control_->setBackgroundColor(bgr);
    }
}

void DeferredMovieHost::forget() {
    path_.clear();
    variables_.clear();
    frameCalls_.clear();
    frame_ = 0;
    playing_ = true;
}

DeferredMovies::DeferredMovies(const QString& programDirectory)
    : files_(programDirectory) {}

DeferredMovies::~DeferredMovies() = default;

MovieHost* DeferredMovies::createHost(QWidget* parent) {
    auto* host = new DeferredMovieHost(files_, parent);
    if (engine_) {
        host->attach(engine_->createHost(host->commandHandler()));
    } else if (!attached_) {
        waiting_.append(host);
    }
    return host;
}

void DeferredMovies::attach(std::unique_ptr<MovieEngineModule> engine) {
    if (attached_) {
        return;
    }
    attached_ = true;
    engine_ = std::move(engine);
    const auto waiting = std::exchange(waiting_, {});
    if (!engine_) {
        return;
    }
    for (const QPointer<DeferredMovieHost>& host : waiting) {
        if (host) {
            host->attach(engine_->createHost(host->commandHandler()));
        }
    }
    engine_->start();
}

std::unique_ptr<MovieEngineModule> loadMovieEngineModule(const QString& moduleDirectory,
                                                         const QString& programDirectory) {
    const auto create = reinterpret_cast<CreateMovieEngineModule>(
        moduleEntry(moduleDirectory, QString::fromLatin1(kMovieModuleFile), kMovieModuleEntry));
    return std::unique_ptr<MovieEngineModule>(create ? create(programDirectory) : nullptr);
}

} // namespace qinghe
