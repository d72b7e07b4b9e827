#include "base/bgr_colour.h"

#include <gtest/gtest.h>

namespace qinghe {
namespace {

TEST(BgrColour, BlueGreenRedFromHighToLowAndNoneBelowZero) {
    EXPECT_EQ(colourFromBgr(0x0000FF), QColor(0xFF, 0, 0));
    EXPECT_EQ(colourFromBgr(0xFF0000), QColor(0, 0, 0xFF));
    EXPECT_EQ(colourFromBgr(0x2AB1E9), QColor(0xE9, 0xB1, 0x2A));
    EXPECT_EQ(colourFromBgr(0), QColor(0, 0, 0));
    EXPECT_FALSE(colourFromBgr(-1).isValid());
}

} // namespace
} // namespace qinghe
