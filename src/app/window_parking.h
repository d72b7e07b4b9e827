#pragma once

class QWidget;

namespace qinghe {

// While a full-screen companion window is up the main window waits off-screen: left := -5000 - left.
// Applying the formula again brings it back. Where the window system ignores positions (Wayland)
// the window is also hidden while parked.
void toggleParking(QWidget* window);
bool isParked(const QWidget* window);

} // namespace qinghe
