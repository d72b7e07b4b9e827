#include "qml_movie/local_network_factory.h"

#include "movie/movie_log.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace qinghe {

namespace {

// A reply that fails at once with "access denied", without touching any socket.
class RefusedReply final : public QNetworkReply {
public:
    RefusedReply(QNetworkAccessManager::Operation operation, const QNetworkRequest& request, QObject* parent)
        : QNetworkReply(parent) {
        setRequest(request);
        setUrl(request.url());
        setOperation(operation);
        setError(ContentAccessDenied, QStringLiteral("Refused: movies load only local files"));
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        setFinished(true);
        // Callers connect after the request returns, so the signals go out from the event loop.
        QMetaObject::invokeMethod(
            this,
            [this] {
                Q_EMIT errorOccurred(ContentAccessDenied);
                Q_EMIT finished();
            },
            Qt::QueuedConnection);
    }

    void abort() override {}
    qint64 bytesAvailable() const override { return 0; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
};

class LocalNetworkAccessManager final : public QNetworkAccessManager {
public:
    LocalNetworkAccessManager(const MovieSandbox& sandbox, QObject* parent)
        : QNetworkAccessManager(parent)
        , sandbox_(sandbox) {}

protected:
    QNetworkReply* createRequest(Operation operation, const QNetworkRequest& request,
                                 QIODevice* outgoingData) override {
        if (operation == GetOperation && sandbox_.allows(request.url())) {
            return QNetworkAccessManager::createRequest(operation, request, outgoingData);
        }
        qCDebug(lcMovie) << "refused network request" << request.url().toString();
        return new RefusedReply(operation, request, this);
    }

private:
    const MovieSandbox sandbox_;
};

} // namespace

QNetworkAccessManager* LocalNetworkFactory::create(QObject* parent) {
    return new LocalNetworkAccessManager(sandbox_, parent);
}

} // namespace qinghe
