#include <gtest/gtest.h>

#include <set>

#include "branch_impedance.h"
#include "calc_error_expect.h"
#include "loop_matrix.h"
#include "number_text.h"
#include "tests/support/sample_circuits.h"

namespace {

Complex Z(double R, double L, double C, double f)
{
    Complex z;
    BrZCalc(z, R, L, C, f);
    return z;
}

TEST(BranchImpedanceTest, SeriesRlc)
{
    const Complex r = Z(10, 0, 0, 1234);
    EXPECT_EQ(r.re, 10);
    EXPECT_EQ(r.im, 0);
    EXPECT_EQ(Z(0, 1, 0, 1).im, 6.283184);
    const Complex l = Z(2, 0.5, 0, 50);
    EXPECT_EQ(l.re, 2);
    EXPECT_EQ(l.im, 50 * 6.283184 * 0.5);
    const double omega = 2000 * 6.283184;
    EXPECT_EQ(Z(0, 1e-3, 1e-6, 2000).im, omega * 1e-3 - 1 / (omega * 1e-6));
}

TEST(BranchImpedanceTest, CapacitorDisplayValues)
{
    const Complex c = Z(0, 0, 1e-6, 1000);
    EXPECT_NEAR(c.im, -159.15497, 1e-5);
    EXPECT_EQ(DisplayValue(c.im, 1), "-159.155");
    EXPECT_EQ(DisplayValue(c.im, 1e-3), "-0.1592");
    EXPECT_EQ(DisplayValue(c.re, 1), "0");
}

TEST(BranchImpedanceTest, ZeroFrequency)
{
    const Complex z = Z(5, 1, 0, 0);
    EXPECT_EQ(z.re, 5);
    EXPECT_EQ(z.im, 0);
    Complex r;
    EXPECT_CALC_ERROR(BrZCalc(r, 5, 1, 1e-6, 0), 11);
    EXPECT_CALC_ERROR(BrZCalc(r, 5, 1e300, 0, 1e10), 6);
}

class LoopMatrixTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.BrCnt = 3;
        c.LoopCnt = 3;
        InitCircuitData(c);
        c.BrImp[1] = {10, 0};
        c.BrImp[2] = {0, 5};
        c.BrImp[3] = {3, -4};
    }
    void Define(int code, const Marks& marks) { sample::DefineZByMarks(c, code, marks); }
    Complex Eval(int code)
    {
        if (code % 11 == 0)
            CalcZDiag(c, code);
        else
            CalcZMut(c, code);
        return c.ZReg;
    }
    Circuit c;
};

TEST_F(LoopMatrixTest, DiagonalAddsOnlyThePlusMarks)
{
    Define(11, {0, 1, 1, 0});
    Complex z = Eval(11);
    EXPECT_EQ(z.re, 10);
    EXPECT_EQ(z.im, 5);
    Define(22, {0, 1, -1, 1});
    z = Eval(22);
    EXPECT_EQ(z.re, 13);
    EXPECT_EQ(z.im, -4);
}

TEST_F(LoopMatrixTest, MutualElementIsASignedSum)
{
    Define(12, {0, 0, -1, 0});
    EXPECT_EQ(Eval(12).im, -5);
    Define(12, {0, 0, 1, 1});
    EXPECT_EQ(Eval(12).re, 3);
    EXPECT_EQ(Eval(12).im, 1);
    Define(12, {0, 0, -1, 1});
    EXPECT_EQ(Eval(12).re, 3);
    EXPECT_EQ(Eval(12).im, -9);
}

TEST_F(LoopMatrixTest, CopiesTheZeroMarkOnlyOffTheDiagonal)
{
    Define(13, {1, 0, 0, 0});
    EXPECT_EQ(c.ZDef[1][3][0], 1);
    EXPECT_TRUE(IsZero(Eval(13)));
    Define(33, {1, 0, 0, 1});
    EXPECT_EQ(c.ZDef[3][3][0], 0);
    EXPECT_EQ(c.ZDef[3][3][3], 1);
}

TEST_F(LoopMatrixTest, UnknownCodesChangeNothingAndEvaluateToZero)
{
    Define(11, {0, 1, 1, 1});
    Define(21, {0, 1, 1, 1});
    Define(66, {0, 1, 1, 1});
    c.ZReg = {7, 7};
    EXPECT_TRUE(IsZero(Eval(21)));
    c.ZReg = {7, 7};
    EXPECT_TRUE(IsZero(Eval(66)));
    EXPECT_EQ(c.ZDef[1][1], (Marks{0, 1, 1, 1}));
    // Every code of the upper triangle reaches its own definition and no other.
    for (int code : {12, 13, 14, 15, 22, 23, 24, 25, 33, 34, 35, 44, 45, 55}) Define(code, {0, 0, 0, 0});
    for (int code : {12, 13, 14, 15, 22, 23, 24, 25, 33, 34, 35, 44, 45, 55}) {
        Define(code, {0, 1, 0, 0});
        for (int j = 1; j <= Circuit::MaxLoops; ++j)
            for (int k = j; k <= Circuit::MaxLoops; ++k)
                EXPECT_EQ(c.ZDef[j][k][1], 10 * j + k == code || j * k == 1) << code << " at " << j << k;
        Define(code, {0, 0, 0, 0});
    }
}

TEST_F(LoopMatrixTest, AssemblyMirrorsTheUpperTriangle)
{
    Define(11, {0, 1, 1, 0});
    Define(22, {0, 0, 1, 1});
    Define(33, {0, 1, 0, 1});
    Define(12, {0, 0, -1, 0});
    Define(13, {0, -1, 0, 0});
    Define(23, {0, 0, 0, 1});
    AsmLoopMat(c);
    EXPECT_EQ(c.LoopMat(1, 1).re, 10);
    EXPECT_EQ(c.LoopMat(1, 1).im, 5);
    EXPECT_EQ(c.LoopMat(2, 2).re, 3);
    EXPECT_EQ(c.LoopMat(3, 3).re, 13);
    EXPECT_EQ(c.LoopMat(1, 2).im, -5);
    EXPECT_EQ(c.LoopMat(1, 3).re, -10);
    EXPECT_EQ(c.LoopMat(2, 3).im, -4);
    for (int j = 1; j <= 3; ++j)
        for (int k = j + 1; k <= 3; ++k) {
            EXPECT_EQ(c.LoopMat(k, j).re, c.LoopMat(j, k).re);
            EXPECT_EQ(c.LoopMat(k, j).im, c.LoopMat(j, k).im);
        }
}

TEST_F(LoopMatrixTest, MirrorCopiesUpperToLower)
{
    c.LoopMat(1, 2) = {1, 2};
    c.LoopMat(1, 3) = {3, 4};
    c.LoopMat(2, 3) = {5, 6};
    c.LoopMat(3, 2) = {9, 9};
    MirrorLoopMat(c);
    EXPECT_EQ(c.LoopMat(2, 1).im, 2);
    EXPECT_EQ(c.LoopMat(3, 1).re, 3);
    EXPECT_EQ(c.LoopMat(3, 2).re, 5);
    EXPECT_EQ(c.LoopMat(3, 2).im, 6);
}

// The third row's definitions would overflow, so evaluating them shows up.
TEST_F(LoopMatrixTest, OnlyTheCodesOfTheCurrentSizeAreEvaluated)
{
    c.BrImp[1] = {1e308, 0};
    c.BrImp[3] = {1e308, 0};
    Define(11, {0, 0, 1, 0});
    Define(22, {0, 0, 1, 0});
    Define(33, {0, 1, 0, 1});
    Define(13, {0, 1, 0, 1});
    c.LoopCnt = 2;
    c.LoopMat.Recreate(2);
    EXPECT_NO_THROW(AsmLoopMat(c));
    c.LoopCnt = 3;
    c.LoopMat.Recreate(3);
    EXPECT_CALC_ERROR(AsmLoopMat(c), 6);
}

}  // namespace
