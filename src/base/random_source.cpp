#include "base/random_source.h"

#include <chrono>

namespace qinghe {

namespace {
int draw(std::mt19937_64& engine, int bound) {
    if (bound <= 0) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, bound - 1)(engine);
}
} // namespace

int SeededRandom::below(int bound) {
    return draw(engine_, bound);
}

void SeededRandom::reseed() {} // a seeded source keeps its sequence so tests stay repeatable

SystemRandom::SystemRandom() {
    reseed();
}

int SystemRandom::below(int bound) {
    return draw(engine_, bound);
}

void SystemRandom::reseed() {
    std::random_device device;
    const auto ticks = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    engine_.seed(ticks ^ (std::uint64_t(device()) << 32U) ^ device());
}

} // namespace qinghe
