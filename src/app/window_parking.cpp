#include "app/window_parking.h"

#include <QGuiApplication>
#include <QVariant>
#include <QWidget>

namespace qinghe {

namespace {
constexpr char kParked[] = "qingheParked";

bool positionsIgnored() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}
} // namespace

void toggleParking(QWidget* window) {
    const bool parked = !isParked(window);
    window->move(-5000 - window->x(), window->y());
    window->setProperty(kParked, parked);
    if (positionsIgnored()) {
        window->setVisible(!parked);
    }
}

bool isParked(const QWidget* window) {
    return window->property(kParked).toBool();
}

} // namespace qinghe
