#pragma once

namespace qinghe {

// Our movies are simple 2D scenes: the software scene graph draws them with less start-up cost and
// fewer driver troubles than OpenGL on the weak machines schools use. Chooses it unless
// QT_QUICK_BACKEND (or QSG_RHI_BACKEND) asks for something else. Call before the first Qt Quick
// view exists. Returns true when it chose the software scene graph.
bool useSoftwareSceneGraphByDefault();

} // namespace qinghe
