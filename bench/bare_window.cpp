// The yardstick of the start-up benchmark: a bare Qt Widgets main window, shown and painted, then
// gone. It reports the moment it painted the way the program does. It takes the size the program's
// window takes, so both paint the same number of pixels.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.statusBar()->showMessage(QStringLiteral("bare"));
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.setWindowState(Qt::WindowMaximized);
    // Waits for the first paint exactly as the program does.
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    if (!watch.painted) {
        window.repaint();
    }
    window.removeEventFilter(&watch);
    std::fprintf(stderr, "qinghe-trace 0 main-window-painted %lld\n",
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
