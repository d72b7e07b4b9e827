#pragma once

#include "pad/handwriting_model.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

namespace qinghe::pad {

enum class ModelKind {
    Loading, // nothing loaded yet
    Ours,    // trained from the open stroke data for the edition and the common characters
    Stock,   // Debian's simplified-Chinese model, until ours has been made
    None     // no model loads: the pad still takes ink but offers nothing
};

struct ModelChoice {
    QString path;
    ModelKind kind = ModelKind::None;
};

// Our model beside the pad program, then the stock one: the order they are tried in.
QString ourModelPath(const QString& padDirectory);
QString stockModelPath();
QList<ModelChoice> modelChoices(const QString& padDirectory, const QString& stockPath = stockModelPath());

// The line the pad shows about its model.
QString modelStatusText(ModelKind kind);

// Opens the first model of a list that loads, on a worker thread, so the window shows before the model
// is read. One load at a time; a load asked for while one runs follows it.
class ModelLoader : public QObject {
    Q_OBJECT

public:
    explicit ModelLoader(QObject* parent = nullptr);
    ~ModelLoader() override; // waits for a load under way

    void load(QList<ModelChoice> choices);
    bool busy() const { return worker_ != nullptr; }

Q_SIGNALS:
    // On the loader's thread. Null with kind None when no choice loaded.
    void loaded(std::shared_ptr<const qinghe::pad::HandwritingModel> model, qinghe::pad::ModelKind kind,
                const QString& error);

private:
    void start();
    void finished();

    std::unique_ptr<QThread> worker_;
    QList<ModelChoice> running_;
    QList<QList<ModelChoice>> waiting_;
    std::shared_ptr<const HandwritingModel> model_;
    ModelKind kind_ = ModelKind::None;
    QString error_;
};

} // namespace qinghe::pad
