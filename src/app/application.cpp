#include "app/application.h"

#include "app/app_companions.h"
#include "app/app_services.h"
#include "app/display_flush.h"
#include "app/event_watch.h"
#include "app/look_and_feel.h"
#include "app/main_window.h"
#include "app/startup_trace.h"
#include "audio/audio_resources.h"
#include "audio/deferred_audio.h"
#include "base/message_box_prompter.h"
#include "base/module_library.h"
#include "base/path_resolver.h"
#include "base/process_launcher.h"
#include "base/program_dir.h"
#include "base/random_source.h"
#include "movie/deferred_movie_host.h"
#include "study/lesson_records.h"
#include "writing/handwriting_setup_dialog.h"
#include "writing/pad_input.h"
#include "writing/pad_link.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

namespace qinghe {

namespace {

// Shows the window and waits until it has painted before anything else happens, as the start-up order
// requires. The window paints itself when it is first exposed; painting it once more would only
// repeat that.
void showAndPaint(QWidget& window) {
    bool painted = false;
    const EventWatch watch(window, QEvent::Paint, [&painted] {
        if (!painted) {
            flushDisplayRequests();
        }
        painted = true;
    });
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!painted && waited.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    if (!painted) {
        window.repaint();
    }
}

} // namespace

int runApplication(int argc, char** argv) {
    const StartupTrace trace;
    FontConfigurationLoader fontConfiguration;
    QApplication app(argc, argv);
    // The accessibility bridge starts a thread of its own on first use. No thread can start while
    // another one is loading libraries, so the bridge comes up before the audio worker begins.
    QAccessible::isActive();
    // The audio engine loads and opens its devices on a worker thread while the window is built.
    // Not earlier: loading libraries is serialised, and the toolkit loads its own plugins first.
    const QString modules = executableDirectory();
    DeferredAudio audio([modules] { return loadAudioEngineModule(modules); });
    QApplication::setApplicationName(QStringLiteral("qinghe"));
    QApplication::setApplicationDisplayName(QStringLiteral("青禾书屋"));
    trace.mark("application");
    installChineseTranslations(app);
    installFonts();
    installProgramStyle();
    initAudioResources();

    const QString directory = programDirectory();
    MessageBoxPrompter prompter;
    DeferredMovies movies(directory);
    QtProcessLauncher launcher;
    LocalSocketPadLink pad;
    SystemRandom random;
    const PathResolver paths(directory);
    StudyRecords records(paths);
    const MovieHostFactory movieHosts = [&movies](QWidget* parent, const QString& name) -> MovieHost* {
        MovieHost* host = movies.createHost(parent);
        host->widget()->setObjectName(name);
        return host;
    };
    AppCompanions companions(paths, movieHosts, audio);
    AppServices services{directory, prompter, audio,  audio,   movieHosts,
                         launcher,  pad,      random, records, companions};

    // The window's first caption needs the font configuration.
    fontConfiguration.wait();
    MainWindow window(services);
    trace.mark("main-window-constructed");
    prompter.setParent(&window);
    const bool started = window.initialise();
    trace.mark("main-window-created");
    if (!started) {
        // The message has been shown; the program ends once the event loop runs.
        QTimer::singleShot(0, &window, &MainWindow::quitProgram);
        return QApplication::exec();
    }

    showAndPaint(window);
    trace.mark("main-window-painted");
    if (window.runState().lesson) {
        trace.mark("lesson-shown");
    }
    window.completeStartup();
    companions.createWindows(window);
    companions.setHandwritingSetup([&launcher, &pad, &directory, &window] {
        HandwritingSetupDialog dialog(launcher, pad, directory, &window);
        dialog.exec();
    });
    trace.mark("secondary-windows-created");

    // Characters written on the pad come in here and go into the focused text field; the pad asks for
    // the current book's characters to offer them first.
    PadInput padInput;
    padInput.listen();
    const auto offerBook = [&padInput, &records] { padInput.setBookCharacters(records.bookCharacters()); };
    offerBook();
    QObject::connect(&window, &MainWindow::lessonShown, &padInput, offerBook);

    if (qEnvironmentVariable("QINGHE_QUIT_AFTER_START") == u"1") {
        // For the start-up benchmark: the first lesson is on the screen, nothing else is wanted.
        QTimer::singleShot(0, &window, &MainWindow::quitProgram);
        return QApplication::exec();
    }
    // Movies load once the window is on the screen: the QML engine and the libraries it needs are
    // the slowest part of start-up.
    QTimer::singleShot(0, &window, [&movies, &trace, &modules, &directory] {
        movies.attach(loadMovieEngineModule(modules, directory));
        trace.mark("movies-started");
    });
    return QApplication::exec();
}

} // namespace qinghe
