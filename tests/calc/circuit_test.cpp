#include <gtest/gtest.h>

#include "circuit.h"

namespace {

TEST(CircuitTest, InitialisationSizesEveryArrayAndSetsStartValues)
{
    Circuit c;
    c.BrCnt = 4;
    c.LoopCnt = 3;
    InitCircuitData(c);
    for (const auto* v : {&c.BrR, &c.BrL, &c.BrC, &c.BrCurAbs, &c.BrVolAbs}) EXPECT_EQ(v->size(), 5u);
    EXPECT_EQ(c.BrImp.size(), 5u);
    EXPECT_EQ(c.BrCur.size(), 5u);
    EXPECT_EQ(c.BrVol.size(), 5u);
    EXPECT_EQ(c.LoopCur.size(), 4u);
    EXPECT_EQ(c.LoopMat.Rows(), 3);
    EXPECT_EQ(c.LoopMat.Cols(), 6);
    EXPECT_EQ(c.ZDef[5][5].size(), 5u);
    for (const Marks& def : c.CurDef) EXPECT_EQ(def, Marks(4, 0));

    EXPECT_EQ(c.Emf, 1);
    EXPECT_EQ(c.EmfVal, 1);
    EXPECT_EQ(c.EmfMul, 1);
    EXPECT_EQ(c.Frq, 100);
    EXPECT_EQ(c.FrqVal, 100);
    EXPECT_EQ(c.FrqMul, 1);
}

TEST(CircuitTest, ReinitialisationForgetsTheWholeCircuit)
{
    Circuit c;
    c.BrCnt = 3;
    c.LoopCnt = 2;
    InitCircuitData(c);
    c.BrR[2] = 5;
    c.BrImp[2] = {5, 1};
    c.ZDef[1][2][2] = -1;
    c.CurDef[3][2] = 1;
    c.LoopMat(2, 4) = {1, 1};
    c.ZReg = {3, 3};
    c.BrCnt = 5;
    c.LoopCnt = 4;
    InitCircuitData(c);
    EXPECT_EQ(c.BrR, std::vector<double>(6, 0.0));
    EXPECT_TRUE(IsZero(c.BrImp[2]));
    EXPECT_EQ(c.ZDef[1][2], Marks(6, 0));
    EXPECT_EQ(c.CurDef[3], Marks(5, 0));
    for (int r = 1; r <= 4; ++r)
        for (int k = 1; k <= 8; ++k) EXPECT_TRUE(IsZero(c.LoopMat(r, k)));
    EXPECT_TRUE(IsZero(c.ZReg));
}

TEST(CircuitTest, SizesOutsideTheRangeAreRefused)
{
    Circuit c;
    c.BrCnt = 16;
    c.LoopCnt = 2;
    EXPECT_THROW(InitCircuitData(c), std::invalid_argument);
    c.BrCnt = 15;
    c.LoopCnt = 6;
    EXPECT_THROW(InitCircuitData(c), std::invalid_argument);
    c.LoopCnt = 5;
    EXPECT_NO_THROW(InitCircuitData(c));
}

}  // namespace
