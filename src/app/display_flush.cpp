#include "app/display_flush.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace qinghe {

void flushDisplayRequests() {
    if (auto* x11 =
            qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        xcb_flush(x11->connection());
    }
}

} // namespace qinghe
