// HandWrite: the handwriting pad of 青禾书屋. A child writes a character with the mouse, a pen or a
// finger and picks it from the candidates; it goes into the main program's focused text field.
#include "pad/pad_program.h"
#include "pad/pad_server.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// Notes the first time the window is painted: the moment the child sees the pad.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock)
        : clock_(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            if (qEnvironmentVariable("QINGHE_TRACE_STARTUP") == u"1") {
                std::fprintf(stderr, "pad-window-painted %lld ms\n",
                             static_cast<long long>(clock_.elapsed()));
            }
            // For the start-up benchmark (environment, as the pad takes no arguments).
            if (qEnvironmentVariable("QINGHE_QUIT_AFTER_START") == u"1") {
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("HandWrite"));

    using namespace qinghe::pad;
    // One pad per user: a second start brings the running one forward and ends.
    if (raiseRunningPad(qinghe::padServerName())) {
        return 0;
    }
    PadProgram program({QCoreApplication::applicationDirPath()});
    QObject::connect(&program, &PadProgram::quitRequested, &app, &QCoreApplication::quit);
    FirstPaint firstPaint(clock);
    program.window().installEventFilter(&firstPaint);
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
