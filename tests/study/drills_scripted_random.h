#pragma once

#include "base/random_source.h"

#include <QList>

#include <gtest/gtest.h>

namespace qinghe::test {

// A random source that answers from a script, so a test fixes every choice a drill makes. It
// records the bound of every draw and counts re-seeds; a draw past the script, or a scripted value
// outside [0, bound), fails the test.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(QList<int> values)
        : script(std::move(values)) {}

    int below(int bound) override {
        bounds << bound;
        if (script.isEmpty()) {
            ADD_FAILURE() << "draw " << bounds.size() << " (bound " << bound << ") is not scripted";
            return 0;
        }
        const int value = script.takeFirst();
        EXPECT_TRUE(value >= 0 && value < bound) << value << " is not below " << bound;
        return value;
    }
    void reseed() override { ++reseeds; }

    QList<int> script;
    QList<int> bounds;
    int reseeds = 0;
};

// Always the same value: a source that never lets a redraw succeed.
class StuckRandom final : public RandomSource {
public:
    int below(int) override {
        ++draws;
        return 0;
    }
    void reseed() override {}
    long long draws = 0;
};

} // namespace qinghe::test
