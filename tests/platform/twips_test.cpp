#include <gtest/gtest.h>

#include "platform/twips.h"

namespace {

TEST(Twips, FifteenToALogicalPixel)
{
    EXPECT_EQ(twips::ToPixels(0), 0);
    EXPECT_EQ(twips::ToPixels(7), 0);
    EXPECT_EQ(twips::ToPixels(8), 1);
    EXPECT_EQ(twips::ToPixels(9825), 655);
    EXPECT_EQ(twips::ToPixels(4485), 299);
    EXPECT_EQ(twips::ToPixels(-120), -8);
    EXPECT_EQ(twips::ToPixels(-8), -1);
    EXPECT_EQ(twips::ToRect(twips::Box{1590, 825, 9825, 4485}), QRect(106, 55, 655, 299));
    EXPECT_EQ(twips::ToSize(375, 975), QSize(25, 65));
}

}  // namespace
