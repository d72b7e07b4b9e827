#pragma once

#include <cstdint>
#include <random>

namespace qinghe {

// Source of random choices (drills, games); tests give a seeded or scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniformly chosen integer in [0, bound); 0 when bound <= 0.
    virtual int below(int bound) = 0;
    // Start a fresh sequence (the program re-seeds at the start of each drill).
    virtual void reseed() = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed)
        : engine_(seed) {}
    int below(int bound) override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
};

// Seeded from the clock and the system's entropy.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    int below(int bound) override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
};

} // namespace qinghe
