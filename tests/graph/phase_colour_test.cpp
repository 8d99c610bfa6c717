#include <gtest/gtest.h>

#include "graph/branch_colour.h"
#include "sweep/graph_state.h"
#include "sweep/phase_tracking.h"

namespace {

TEST(QuadrantPhase, FollowsTheQuadrantTable)
{
    EXPECT_EQ(QuadrantPhase({0, 0}, 12), 0.0f);
    EXPECT_EQ(QuadrantPhase({0, 3}, 12), 90.0f);
    EXPECT_EQ(QuadrantPhase({0, -3}, 12), -90.0f);
    EXPECT_NEAR(QuadrantPhase({1, 1}, 0), 45.0f, 1e-4);
    EXPECT_NEAR(QuadrantPhase({1, -1}, 0), -45.0f, 1e-4);
    EXPECT_NEAR(QuadrantPhase({-1, 1}, 0), 135.0f, 1e-4);
    EXPECT_NEAR(QuadrantPhase({-1, -1}, 0), -135.0f, 1e-4);
    EXPECT_EQ(QuadrantPhase({2, 0}, 77), 0.0f);
}

TEST(QuadrantPhase, NegativeRealAxisKeepsThePreviousPhase)
{
    EXPECT_EQ(QuadrantPhase({-5, 0}, -170.5f), -170.5f);
    EXPECT_EQ(QuadrantPhase({-5, 0}, 0), 0.0f);
}

TEST(PhaseTracking, FallingThroughMinus180ContinuesBelow)
{
    PhaseTracking t;
    EXPECT_EQ(t.Continue(-160), -160.0f);
    EXPECT_EQ(t.Continue(-170), -170.0f);
    EXPECT_EQ(t.Continue(175), -185.0f);
    EXPECT_EQ(t.Continue(170), -190.0f);
    // A second fall through −180° after a falling stretch shifts again.
    EXPECT_EQ(t.Continue(-175), -175.0f - 360.0f);
    EXPECT_EQ(t.Continue(179), 179.0f - 720.0f);
    EXPECT_EQ(t.wraps, 2.0f);
}

TEST(PhaseTracking, RisingThroughPlus180IsNotContinued)
{
    PhaseTracking t;
    t.Continue(160);
    t.Continue(175);
    EXPECT_EQ(t.Continue(-175), -175.0f);
    // A jump after a rising step is not a wrap either.
    t.Continue(-178);
    t.Continue(-170);
    EXPECT_EQ(t.Continue(170), 170.0f);
    EXPECT_EQ(t.wraps, 0.0f);
}

TEST(PhaseTracking, NegativeRealValueHoldsTheCurveLevel)
{
    PhaseTracking t;
    t.Next({-1, -0.1});  // about −174°
    const float before = t.Next({-1, -0.01});
    EXPECT_EQ(t.Next({-1, 0}), before);
    EXPECT_EQ(t.wraps, 0.0f);
}

TEST(BranchColour, PackedColoursUnpackToTheTable)
{
    GraphState g;
    FillBranchColours(g);
    EXPECT_EQ(g.branchColours[0], 0);
    EXPECT_EQ(g.branchColours[1], 255 + 256 * 160);
    EXPECT_EQ(g.branchColours[8], 176 + 256 * 176 + 65536 * 255);
    for (int b = 1; b <= 15; ++b) {
        const Rgb& want = kBranchColours[b - 1];
        EXPECT_EQ(BranchColour(g.branchColours[b]), QColor(want.r, want.g, want.b)) << "branch " << b;
    }
    EXPECT_EQ(BranchColour(0x00C08020), QColor(0x20, 0x80, 0xC0));
}

}  // namespace
