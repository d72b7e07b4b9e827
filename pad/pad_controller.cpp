#include "pad/pad_controller.h"

#include "pad/candidate_ranking.h"

namespace qinghe::pad {

namespace {

// Enough results that the book's characters just below the best ten can still move up.
constexpr int kResults = 20;

} // namespace

PadController::PadController(MainProgramPort& main, QObject* parent)
    : QObject(parent)
    , main_(main) {}

void PadController::setSquareSide(double side) {
    if (side > 0) {
        side_ = side;
    }
}

void PadController::setModel(std::shared_ptr<const HandwritingModel> model, ModelKind kind) {
    model_ = std::move(model);
    kind_ = model_ ? kind : (kind == ModelKind::Loading ? kind : ModelKind::None);
    Q_EMIT modelChanged();
    recognise();
}

void PadController::setBookCharacters(const QString& characters) {
    QSet<QString> book = characterSet(characters);
    if (book != book_) {
        book_ = std::move(book);
        recognise();
    }
}

void PadController::penDown(QPointF point) {
    const bool starting = ink_.isEmpty();
    if (!ink_.beginStroke(point)) {
        return;
    }
    if (starting) {
        main_.requestBook();
        Q_EMIT characterStarted();
    }
    Q_EMIT inkChanged();
}

void PadController::penMove(QPointF point) {
    if (ink_.writing()) {
        ink_.extendStroke(point);
        Q_EMIT inkChanged();
    }
}

void PadController::penUp() {
    // Zinnia is asked once per finished stroke, never while the pen moves.
    if (ink_.endStroke()) {
        Q_EMIT inkChanged();
        recognise();
    }
}

void PadController::undoStroke() {
    if (ink_.undoStroke()) {
        Q_EMIT inkChanged();
        recognise();
    }
}

void PadController::clear() {
    ink_.clear();
    Q_EMIT inkChanged();
    setCandidates({});
}

bool PadController::choose(int index) {
    if (index < 0 || index >= candidates_.size()) {
        return false;
    }
    main_.sendCharacter(candidates_[index]);
    clear();
    return true;
}

void PadController::recognise() {
    if (!model_ || ink_.strokes().isEmpty()) {
        setCandidates({});
        return;
    }
    setCandidates(rankCandidates(model_->classify(ink_.strokes(), side_, kResults), book_, kCandidates));
}

void PadController::setCandidates(QStringList candidates) {
    if (candidates != candidates_) {
        candidates_ = std::move(candidates);
        Q_EMIT candidatesChanged();
    }
}

} // namespace qinghe::pad
