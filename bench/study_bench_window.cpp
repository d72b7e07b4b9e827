#include "study_bench_window.h"

#include "base/program_dir.h"
#include "qml_movie/qml_movie_host.h"
#include "qml_movie/scene_graph_backend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTreeWidget>

namespace qinghe::bench {

void prepareEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    useSoftwareSceneGraphByDefault();
}

void settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

QTreeWidgetItem* lessonItem(MainWindow& window, const QList<int>& path) {
    QTreeWidgetItem* item = window.lessonTree()->topLevelItem(path.front());
    for (qsizetype i = 1; item != nullptr && i < path.size(); ++i) {
        item = item->child(path[i]);
    }
    return item;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

StudyBenchWindow::StudyBenchWindow()
    : directory_(programDirectory())
    , movies_(directory_)
    , paths_(directory_)
    , records_(paths_) {
    services_ =
        std::make_unique<AppServices>(AppServices{directory_, prompter_, audio_, audio_,
                                                  [this](QWidget* parent, const QString& name) -> MovieHost* {
                                                      auto* host = new QmlMovieHost(movies_, parent);
                                                      host->widget()->setObjectName(name);
                                                      return host;
                                                  },
                                                  launcher_, pad_, random_, records_, companions_});
    window_ = std::make_unique<MainWindow>(*services_);
    window_->initialise();
    window_->resize(1366, 768);
    window_->show();
    movies_.start();
    settle();
}

StudyBenchWindow::~StudyBenchWindow() {
    window_.reset();
    audio_.close();
}

} // namespace qinghe::bench
