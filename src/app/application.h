#pragma once

namespace qinghe {

// The whole program: start-up in its fixed order, the event loop, the exit code.
int runApplication(int argc, char** argv);

} // namespace qinghe
