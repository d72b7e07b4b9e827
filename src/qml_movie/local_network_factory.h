#pragma once

#include "qml_movie/movie_sandbox.h"

#include <QQmlNetworkAccessManagerFactory>

namespace qinghe {

// Gives the QML engine network access managers that refuse every request the sandbox does not
// allow: a movie never reaches the network, whatever element or script asks.
class LocalNetworkFactory final : public QQmlNetworkAccessManagerFactory {
public:
    explicit LocalNetworkFactory(MovieSandbox sandbox)
        : sandbox_(std::move(sandbox)) {}

    // Called by the engine on any of its threads; the sandbox is only read.
    QNetworkAccessManager* create(QObject* parent) override;

private:
    const MovieSandbox sandbox_;
};

} // namespace qinghe
