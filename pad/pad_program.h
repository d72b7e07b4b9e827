#pragma once

#include "pad/main_program_link.h"
#include "pad/model_loader.h"
#include "pad/pad_controller.h"
#include "pad/pad_server.h"
#include "pad/pad_window.h"

#include <QObject>
#include <QString>

namespace qinghe::pad {

// The running pad, put together: its socket, the link to the main program, the model loader, the
// controller and the window. Names and the stock model's path are parameters so tests can run a pad
// of their own beside a real one.
class PadProgram : public QObject {
    Q_OBJECT

public:
    struct Setup {
        QString padDirectory; // where our model is looked for
        QString stockModel = stockModelPath();
        QString padServer = padServerName();
        QString mainServer = mainProgramServerName();
    };

    explicit PadProgram(Setup setup, QObject* parent = nullptr);

    // Listens on the pad's socket, shows the window and starts loading a model; false when another
    // pad holds the socket.
    bool start();

    PadWindow& window() { return window_; }
    PadController& controller() { return controller_; }
    ModelLoader& loader() { return loader_; }

Q_SIGNALS:
    void quitRequested();

private:
    void modelLoaded(const std::shared_ptr<const HandwritingModel>& model, ModelKind kind);
    void lookForOurModel();

    Setup setup_;
    MainProgramLink link_;
    PadController controller_;
    PadServer server_;
    ModelLoader loader_;
    PadWindow window_;
};

} // namespace qinghe::pad
