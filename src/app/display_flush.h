#pragma once

namespace qinghe {

// Hands the display server the requests queued so far without waiting for it. At the first paint this
// lets the server make the window's backing pixmap while we paint, instead of only when the tree asks
// where the pointer is and has to wait for it. Does nothing off X11.
void flushDisplayRequests();

} // namespace qinghe
