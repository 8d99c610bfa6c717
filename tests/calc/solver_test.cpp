#include <gtest/gtest.h>

#include <vector>

#include "solver.h"

namespace {

// A circuit whose loop matrix holds the given rows (real or complex).
Circuit WithMatrix(const std::vector<std::vector<Complex>>& rows)
{
    Circuit c;
    c.BrCnt = 2;
    c.LoopCnt = static_cast<int16_t>(rows.size());
    InitCircuitData(c);
    for (int r = 1; r <= c.LoopCnt; ++r)
        for (int k = 1; k <= c.LoopCnt; ++k) c.LoopMat(r, k) = rows[r - 1][k - 1];
    return c;
}

// Only the first column of the inverse is formed: it is all the analysis
// reads.
TEST(SolverTest, FirstColumnOfTheInverseOfARealMatrix)
{
    Circuit c = WithMatrix({{{2, 0}, {-1, 0}}, {{-1, 0}, {2, 0}}});
    ASSERT_TRUE(TryInvLoopMat(c));
    EXPECT_NEAR(c.LoopMat(1, 3).re, 2.0 / 3, 1e-15);
    EXPECT_NEAR(c.LoopMat(2, 3).re, 1.0 / 3, 1e-15);
    EXPECT_EQ(c.LoopMat(1, 3).im, 0);
    EXPECT_EQ(c.LoopMat(2, 3).im, 0);
}

TEST(SolverTest, AcceptsAPurelyImaginaryDiagonal)
{
    Circuit c = WithMatrix({{{0, 2}, {0, -1}}, {{0, -1}, {0, 2}}});
    ASSERT_TRUE(TryInvLoopMat(c));
    // (jA)⁻¹ = −j A⁻¹
    EXPECT_NEAR(c.LoopMat(1, 3).im, -2.0 / 3, 1e-15);
    EXPECT_NEAR(c.LoopMat(2, 3).im, -1.0 / 3, 1e-15);
    EXPECT_EQ(c.LoopMat(1, 3).re, 0);
}

// A zero on the diagonal, or a pivot that becomes exactly zero, is
// exchanged away; the first column of the inverse moves with its rows.
TEST(SolverTest, ZeroPivotsOfRegularMatricesAreExchanged)
{
    Circuit zeroDiagonal = WithMatrix({{{1, 0}, {1, 0}}, {{1, 0}, {0, 0}}});
    EXPECT_TRUE(TryInvLoopMat(zeroDiagonal));
    EXPECT_EQ(zeroDiagonal.LoopMat(1, 3).re, 0);
    EXPECT_EQ(zeroDiagonal.LoopMat(2, 3).re, 1);
    // Determinant −1, but the second pivot becomes zero: (Z⁻¹)(·, 1) = (0, 1, −1).
    Circuit zeroPivot = WithMatrix({{{1, 0}, {1, 0}, {0, 0}}, {{1, 0}, {1, 0}, {1, 0}}, {{0, 0}, {1, 0}, {1, 0}}});
    EXPECT_TRUE(TryInvLoopMat(zeroPivot));
    EXPECT_EQ(zeroPivot.LoopMat(1, 4).re, 0);
    EXPECT_EQ(zeroPivot.LoopMat(2, 4).re, 1);
    EXPECT_EQ(zeroPivot.LoopMat(3, 4).re, -1);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(zeroPivot.LoopMat(r, 4).im, 0) << "row " << r;
}

// A zero pivot with nothing but zeros below it: the matrix is singular.
TEST(SolverTest, SingularMatricesFail)
{
    Circuit c = WithMatrix({{{1, 0}, {1, 0}}, {{1, 0}, {1, 0}}});
    EXPECT_FALSE(TryInvLoopMat(c));
    Circuit zeroColumn = WithMatrix({{{0, 0}, {1, 0}, {2, 0}}, {{0, 0}, {3, 0}, {1, 0}}, {{0, 0}, {1, 0}, {1, 0}}});
    EXPECT_FALSE(TryInvLoopMat(zeroColumn));
}

// The first matrix has a finite inverse, but 10^308 + 10^308 overflows on the
// way. Pivots and rows whose squares leave the range fail nothing: the
// division scales them.
TEST(SolverTest, OverflowDuringEliminationFails)
{
    Circuit c = WithMatrix({{{1e308, 0}, {1e308, 0}}, {{-1e308, 0}, {1e308, 0}}});
    EXPECT_FALSE(TryInvLoopMat(c));
    Circuit crossed = WithMatrix({{{1, 0}, {1e300, 0}}, {{1e300, 0}, {1, 0}}});
    EXPECT_TRUE(TryInvLoopMat(crossed));
    EXPECT_DOUBLE_EQ(crossed.LoopMat(2, 3).re, 1e-300);
    for (double part : {1e150, 1e200}) {
        Circuit huge = WithMatrix({{{0, part}, {0, 0}, {0, 0}}, {{0, 0}, {1, 0}, {0, 0}}, {{0, 0}, {0, 0}, {1, 0}}});
        EXPECT_TRUE(TryInvLoopMat(huge));
        EXPECT_DOUBLE_EQ(huge.LoopMat(1, 4).im, -1 / part);
    }
}

// A failed inversion leaves nothing behind: the same circuit solves once its
// matrix is regular, and fails again once it is not.
TEST(SolverTest, AFailureLeavesNothingBehind)
{
    Circuit c = WithMatrix({{{1, 0}, {1, 0}}, {{1, 0}, {1, 0}}});
    ASSERT_FALSE(TryInvLoopMat(c));
    c.LoopMat(1, 1) = c.LoopMat(2, 2) = {3, 0};
    c.LoopMat(1, 2) = c.LoopMat(2, 1) = {1, 0};
    EXPECT_TRUE(TryInvLoopMat(c));
    EXPECT_NEAR(c.LoopMat(1, 3).re, 0.375, 1e-15);
    c.LoopMat(1, 1) = c.LoopMat(1, 2) = c.LoopMat(2, 1) = c.LoopMat(2, 2) = {1, 0};
    EXPECT_FALSE(TryInvLoopMat(c));
}

}  // namespace
