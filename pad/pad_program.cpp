#include "pad/pad_program.h"

#include <QFileInfo>

namespace qinghe::pad {

PadProgram::PadProgram(Setup setup, QObject* parent)
    : QObject(parent)
    , setup_(std::move(setup))
    , link_(setup_.mainServer)
    , controller_(link_)
    , server_(setup_.padServer)
    , window_(controller_) {
    connect(&server_, &PadServer::quitRequested, this, &PadProgram::quitRequested);
    connect(&server_, &PadServer::raiseRequested, &window_, &PadWindow::bringToFront);
    connect(&link_, &MainProgramLink::bookReceived, &controller_, &PadController::setBookCharacters);
    connect(&link_, &MainProgramLink::characterSent, this, [this](const QString& character, bool delivered) {
        if (!delivered) {
            window_.showNote(QStringLiteral("“%1”没有送出去：请先打开青禾书屋。").arg(character));
        }
    });
    connect(&loader_, &ModelLoader::loaded, this,
            [this](const std::shared_ptr<const HandwritingModel>& model, ModelKind kind, const QString&) {
                modelLoaded(model, kind);
            });
    connect(&controller_, &PadController::characterStarted, this, &PadProgram::lookForOurModel);
}

bool PadProgram::start() {
    if (!server_.listen()) {
        return false;
    }
    window_.show();
    loader_.load(modelChoices(setup_.padDirectory, setup_.stockModel));
    return true;
}

void PadProgram::modelLoaded(const std::shared_ptr<const HandwritingModel>& model, ModelKind kind) {
    // A later look for our model that finds nothing leaves the model in use alone.
    if (model || controller_.modelKind() == ModelKind::Loading) {
        controller_.setModel(model, kind);
    }
}

void PadProgram::lookForOurModel() {
    // Our model is made in the background after set-up; the pad takes it up as soon as it is there.
    if (controller_.modelKind() == ModelKind::Stock && !loader_.busy() &&
        QFileInfo::exists(ourModelPath(setup_.padDirectory))) {
        loader_.load({{ourModelPath(setup_.padDirectory), ModelKind::Ours}});
    }
}

} // namespace qinghe::pad
