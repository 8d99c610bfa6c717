#include <gtest/gtest.h>

#include "analysis.h"
#include "analysis_lanes.h"
#include "calc_error_expect.h"
#include "complex.h"
#include "loop_matrix.h"
#include "number_text.h"
#include "tests/support/sample_circuits.h"

namespace {

// The sample of two loops and three branches: Z11 = Z1 + Z2, Z12 = −Z2,
// Z22 = Z2 + Z3; I01 = I1, I02 = I1 − I2, I03 = I2.
class SampleCircuitTest : public ::testing::Test {
protected:
    Circuit c = sample::TwoLoop({1, 0, 0}, {1, 0, 0}, {1, 0, 0});
};

TEST_F(SampleCircuitTest, ResistiveSample)
{
    calciz(c);
    EXPECT_NEAR(c.LoopCur[1].re, 2.0 / 3, 1e-15);
    EXPECT_NEAR(c.LoopCur[2].re, 1.0 / 3, 1e-15);
    EXPECT_NEAR(c.BrCur[2].re, 1.0 / 3, 1e-15);
    EXPECT_NEAR(c.BrVol[2].re, 1.0 / 3, 1e-15);
    EXPECT_NEAR(c.ZReg.re, 1.5, 1e-15);
    EXPECT_EQ(DisplayValue(c.BrCurAbs[1], 1e3), "666.6667");
    EXPECT_EQ(DisplayValue(c.BrCurAbs[2], 1e3), "333.3333");
    EXPECT_EQ(DisplayValue(c.BrVolAbs[2], 1), "0.3333");
    EXPECT_EQ(DisplayValue(CpxAbs(c.ZReg), 1), "1.5");
    EXPECT_EQ(DisplayValue(CpxAbs(c.ZReg), 1e-3), "0.0015");
}

TEST_F(SampleCircuitTest, ReactiveSampleKeepsKirchhoff)
{
    c.BrL[1] = 10e-3;
    c.BrC[2] = 4.7e-6;
    c.BrL[3] = 2e-3;
    c.BrC[3] = 1e-6;
    c.Frq = 1500;
    calciz(c);
    // The source voltage equals the drops around loop 1, and loop 2 has none.
    Complex loop1, loop2;
    CpxAdd(loop1, c.BrVol[1], c.BrVol[2]);
    CpxSub(loop2, c.BrVol[3], c.BrVol[2]);
    EXPECT_NEAR(loop1.re, 1, 1e-12);
    EXPECT_NEAR(loop1.im, 0, 1e-12);
    EXPECT_NEAR(CpxAbs(loop2), 0, 1e-12);
    Complex product;
    CpxMul(product, c.ZReg, c.LoopCur[1]);
    EXPECT_NEAR(product.re, 1, 1e-12);
    EXPECT_NEAR(product.im, 0, 1e-12);
}

TEST_F(SampleCircuitTest, BranchWithoutCurrentDefinitionCarriesNothing)
{
    SetCurDef(c, 3, {0, 0, 0});
    calciz(c);
    EXPECT_TRUE(IsZero(c.BrCur[3]));
    EXPECT_TRUE(IsZero(c.BrVol[3]));
    EXPECT_EQ(c.BrVolAbs[3], 0);
}

TEST_F(SampleCircuitTest, ZeroSourceRaisesOverflow)
{
    c.EmfCpx = {0, 0};
    EXPECT_CALC_ERROR(calciz(c), 6);
}

TEST_F(SampleCircuitTest, CapacitorAtZeroFrequencyRaisesDivisionByZero)
{
    c.BrC[2] = 1e-6;
    c.Frq = 0;
    EXPECT_CALC_ERROR(calciz(c), 11);
}

TEST_F(SampleCircuitTest, OverflowNearTheLimitRaisesOverflow)
{
    c.BrR[1] = 1e308;
    c.BrR[2] = 1e308;
    EXPECT_CALC_ERROR(calciz(c), 6);
}

// A singular matrix is the analysis's outcome, not an arithmetic error of
// the steps after the solve, and leaves nothing behind for the next one.
TEST_F(SampleCircuitTest, SingularMatrixIsTheOutcomeOnly)
{
    sample::DefineZByMarks(c, 12, {0, 1, 1, 0});  // Z12 = Z11 = Z22 = 2
    AnalysisOutcome outcome = AnalysisOutcome::Solved;
    EXPECT_NO_THROW(outcome = calciz(c));
    EXPECT_EQ(outcome, AnalysisOutcome::Singular);
    sample::DefineZByMarks(c, 12, {0, 0, -1, 0});
    EXPECT_EQ(calciz(c), AnalysisOutcome::Solved);
    EXPECT_NEAR(c.ZReg.re, 1.5, 1e-15);
}

TEST_F(SampleCircuitTest, CurrentDefinitionCopiesOnlyTheLoopsOfTheCircuit)
{
    const Marks entered = {1, 1, -1, 1, 1, 1};
    SetCurDef(c, 4, entered);
    EXPECT_EQ(c.CurDef[4], (Marks{0, 1, -1}));
    SetCurDef(c, 16, entered);  // no such branch: nothing happens
    SetCurDef(c, 0, entered);
    EXPECT_EQ(c.CurDef[0], (Marks{0, 0, 0}));
}

TEST(AnalysisShapeTest, UninitialisedCircuitIsRefused)
{
    Circuit c;
    c.BrCnt = 3;
    c.LoopCnt = 2;
    EXPECT_THROW(calciz(c), std::logic_error);
    InitCircuitData(c);
    EXPECT_NO_THROW(calciz(c));
    c.ZDef[2][3].resize(2);
    EXPECT_THROW(calciz(c), std::logic_error);
    EXPECT_THROW(AnalyseFrequencies(c, std::vector<double>{100}), std::logic_error);
    InitCircuitData(c);
    c.BrCnt = 4;
    EXPECT_THROW(calciz(c), std::logic_error);
}

// BRIVEL_SWEEP's values; anything else is the fastest route.
TEST(AnalysisShapeTest, SweepRouteByItsName)
{
    const SweepRoute fastest = SweepRouteNamed(nullptr);
    EXPECT_NE(fastest, SweepRoute::Single);
    const std::pair<const char*, SweepRoute> names[] = {
        {"single", SweepRoute::Single},
        {"portable", SweepRoute::Portable},
        {"avx2", SweepRoute::Avx2},
        {"AVX2", fastest},
        {"", fastest},
    };
    for (auto [name, route] : names) EXPECT_EQ(SweepRouteNamed(name), route) << name;
}

}  // namespace
