#include "pad/model_loader.h"

#include <QDir>
#include <QFileInfo>

namespace qinghe::pad {

QString ourModelPath(const QString& padDirectory) {
    return QDir(padDirectory).filePath(QStringLiteral("qinghe.model"));
}

QString stockModelPath() {
    return QStringLiteral("/usr/share/tegaki/models/zinnia/handwriting-zh_CN.model");
}

QList<ModelChoice> modelChoices(const QString& padDirectory, const QString& stockPath) {
    return {{ourModelPath(padDirectory), ModelKind::Ours}, {stockPath, ModelKind::Stock}};
}

QString modelStatusText(ModelKind kind) {
    switch (kind) {
    case ModelKind::Loading:
        return QStringLiteral("正在载入识字模型……");
    case ModelKind::Ours:
        return QStringLiteral("识字模型：青禾（按课本的字训练）");
    case ModelKind::Stock:
        return QStringLiteral("识字模型：Debian 通用模型（青禾模型还没有生成）");
    case ModelKind::None:
        break;
    }
    return QStringLiteral("没有可用的识字模型：可以写字，但不能识别");
}

ModelLoader::ModelLoader(QObject* parent)
    : QObject(parent) {}

ModelLoader::~ModelLoader() {
    if (worker_) {
        worker_->wait();
    }
}

void ModelLoader::load(QList<ModelChoice> choices) {
    waiting_.append(std::move(choices));
    if (!worker_) {
        start();
    }
}

void ModelLoader::start() {
    running_ = waiting_.takeFirst();
    worker_.reset(QThread::create([this] {
        model_.reset();
        kind_ = ModelKind::None;
        QStringList errors;
        for (const ModelChoice& choice : std::as_const(running_)) {
            QString error;
            std::shared_ptr<const HandwritingModel> model = HandwritingModel::open(
                choice.path, choice.kind == ModelKind::Ours ? StrokeForm::Fitted : StrokeForm::AsWritten,
                &error);
            if (model) {
                model_ = std::move(model);
                kind_ = choice.kind;
                return;
            }
            errors.append(error);
        }
        error_ = errors.join(QStringLiteral("; "));
    }));
    // Emitted on the worker thread, delivered on ours: the results are complete by then.
    connect(worker_.get(), &QThread::finished, this, &ModelLoader::finished);
    worker_->start();
}

void ModelLoader::finished() {
    // `finished` comes just before the thread ends; it is gone once wait() returns.
    worker_->wait();
    worker_.reset();
    std::shared_ptr<const HandwritingModel> model = std::move(model_);
    const ModelKind kind = kind_;
    const QString error = std::move(error_);
    error_.clear();
    Q_EMIT loaded(model, kind, error);
    if (!waiting_.isEmpty() && !worker_) {
        start();
    }
}

} // namespace qinghe::pad
