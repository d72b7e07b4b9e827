#pragma once

#include "pad/handwriting_model.h"
#include "pad/ink.h"
#include "pad/main_program_link.h"
#include "pad/model_loader.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>

namespace qinghe::pad {

// What the pad does, without its window: the ink, a row of candidates after each finished stroke, the
// model in use and what choosing a candidate does. The window only forwards input and draws this.
class PadController : public QObject {
    Q_OBJECT

public:
    static constexpr int kCandidates = 10;

    explicit PadController(MainProgramPort& main, QObject* parent = nullptr);

    // The side of the writing square, in the units the pen positions come in.
    void setSquareSide(double side);
    double squareSide() const { return side_; }

    void setModel(std::shared_ptr<const HandwritingModel> model, ModelKind kind);
    ModelKind modelKind() const { return kind_; }
    QString statusText() const { return modelStatusText(kind_); }

    // The current book's characters, offered first.
    void setBookCharacters(const QString& characters);

    void penDown(QPointF point);
    void penMove(QPointF point);
    void penUp();
    void undoStroke();
    void clear();
    // Sends the candidate to the main program and starts a new character; false for an empty place.
    bool choose(int index);

    const InkModel& ink() const { return ink_; }
    const QStringList& candidates() const { return candidates_; }

Q_SIGNALS:
    void inkChanged();
    void candidatesChanged();
    void modelChanged();
    // The first stroke of a new character: a moment to ask for the book and look for a better model.
    void characterStarted();

private:
    void recognise();
    void setCandidates(QStringList candidates);

    MainProgramPort& main_;
    InkModel ink_;
    double side_ = 300;
    std::shared_ptr<const HandwritingModel> model_;
    ModelKind kind_ = ModelKind::Loading;
    QSet<QString> book_;
    QStringList candidates_;
};

} // namespace qinghe::pad
