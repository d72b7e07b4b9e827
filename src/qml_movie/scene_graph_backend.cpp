#include "qml_movie/scene_graph_backend.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

namespace qinghe {

bool useSoftwareSceneGraphByDefault() {
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") || !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND")) {
        return false;
    }
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
}

} // namespace qinghe
