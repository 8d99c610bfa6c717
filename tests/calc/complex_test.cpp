#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc_error_expect.h"
#include "checked.h"
#include "complex.h"
#include "number_text.h"

namespace {

constexpr double Huge = 1.7e308;

double Phase(double re, double im)
{
    double ang = 12345;
    CpxPh({re, im}, ang);
    return ang;
}

TEST(CalcErrorTest, CarriesNumberAndJapaneseDescription)
{
    const CalcError div(11);
    EXPECT_EQ(div.number(), 11);
    EXPECT_EQ(div.description(), "ゼロによる除算が発生しました。");
    EXPECT_STREQ(div.what(), "ゼロによる除算が発生しました。");
    const CalcError ovf(6);
    EXPECT_EQ(ovf.number(), 6);
    EXPECT_EQ(ovf.description(), "オーバーフローが発生しました。");
    EXPECT_CALC_ERROR(checked::Raise(11), 11);
}

TEST(CheckedTest, DivisionByZeroIsElevenOnlyForAFiniteNonZeroDividend)
{
    EXPECT_CALC_ERROR(checked::Div(1.0, 0.0), 11);
    EXPECT_CALC_ERROR(checked::Div(-3.0, 0.0), 11);
    EXPECT_CALC_ERROR(checked::Div(0.0, 0.0), 6);
    EXPECT_CALC_ERROR(checked::Div(Huge, 1e-10), 6);
    EXPECT_EQ(checked::Div(1.0, 4.0), 0.25);
    EXPECT_CALC_ERROR(checked::Chk(std::numeric_limits<double>::quiet_NaN()), 6);
}

TEST(ComplexTest, FourOperationsFollowTheirFormulas)
{
    Complex r;
    CpxAdd(r, {1, 2}, {3, -5});
    EXPECT_EQ(r.re, 4);
    EXPECT_EQ(r.im, -3);
    CpxSub(r, {1, 2}, {3, -5});
    EXPECT_EQ(r.re, -2);
    EXPECT_EQ(r.im, 7);
    CpxMul(r, {1, 2}, {3, -5});  // (1 + 2j)(3 − 5j) = 13 + j
    EXPECT_EQ(r.re, 13);
    EXPECT_EQ(r.im, 1);
    CpxDiv(r, {13, 1}, {3, -5});
    EXPECT_NEAR(r.re, 1, 1e-15);
    EXPECT_NEAR(r.im, 2, 1e-15);
    EXPECT_EQ(CpxAbs({3, 4}), 5);
    // Operands scaled by 2^k give the same bits, also where the divisor's
    // squares or the products leave the range (E = 1E-160 V: d underflows).
    const Complex a{0.1, 0.7}, b{0.3, -0.9};
    Complex q;
    CpxDiv(q, a, b);
    const auto scaled = [](const Complex& z, int k) { return Complex{std::ldexp(z.re, k), std::ldexp(z.im, k)}; };
    for (int k : {-1000, -530, 600, 1000}) {
        CpxDiv(r, scaled(a, k), scaled(b, k));
        EXPECT_TRUE(r.re == q.re && r.im == q.im) << k;
        CpxDiv(r, scaled(a, k), b);
        EXPECT_TRUE(r.re == std::ldexp(q.re, k) && r.im == std::ldexp(q.im, k)) << k;
    }
}

TEST(ComplexTest, ResultMayBeAnOperand)
{
    Complex a{1, 2};
    CpxMul(a, a, Complex{3, -5});
    EXPECT_EQ(a.re, 13);
    EXPECT_EQ(a.im, 1);
    Complex b{3, -5};
    CpxDiv(b, Complex{13, 1}, b);
    EXPECT_NEAR(b.re, 1, 1e-15);
    EXPECT_NEAR(b.im, 2, 1e-15);
    Complex s{2, 3};
    CpxMul(s, s, s);  // (2 + 3j)² = −5 + 12j
    EXPECT_EQ(s.re, -5);
    EXPECT_EQ(s.im, 12);
}

TEST(ComplexTest, PhaseOnTheAxesAndInEveryQuadrant)
{
    EXPECT_EQ(Phase(0, 0), 0);
    EXPECT_EQ(Phase(0, 5), 90);
    EXPECT_EQ(Phase(0, -5), -90);
    EXPECT_EQ(Phase(1, 1), 45);
    EXPECT_EQ(Phase(-1, -1), -135);
    EXPECT_EQ(Phase(-1, 1), 135);
    EXPECT_EQ(Phase(-2, 0), 180);
    EXPECT_EQ(GeneralText(Phase(3, 4)), "53.1301");
    EXPECT_EQ(GeneralText(Phase(3, -4)), "-53.1301");
    EXPECT_EQ(GeneralText(Phase(-3, -4)), "-126.8699");
}

// The exact angles are 63.434948…° and 71.565051…°: the single-precision
// step and the constant 3.1415926 carry them across the rounding boundary.
TEST(ComplexTest, PhaseUsesSinglePrecisionAndItsOwnPi)
{
    EXPECT_EQ(GeneralText(Phase(1, 2)), "63.435");
    EXPECT_EQ(GeneralText(Phase(-1, -2)), "-116.565");
    EXPECT_EQ(GeneralText(Phase(1, 3)), "71.5651");
}

TEST(ComplexTest, PhaseOfAHugeRatioIsRightAngle)
{
    EXPECT_EQ(Phase(1e-300, 1e300), 90);
    EXPECT_EQ(Phase(-1e-300, -1e300), -90);
}

TEST(ComplexTest, ArithmeticErrors)
{
    Complex r;
    EXPECT_CALC_ERROR(CpxDiv(r, {1, 1}, {0, 0}), 6);
    EXPECT_CALC_ERROR(CpxAdd(r, {Huge, 0}, {Huge, 0}), 6);
    EXPECT_CALC_ERROR(CpxSub(r, {0, -Huge}, {0, Huge}), 6);
    EXPECT_CALC_ERROR(CpxMul(r, {1e200, 0}, {1e200, 0}), 6);
    // The quotient itself overflows, although the divisor's square underflows.
    EXPECT_CALC_ERROR(CpxDiv(r, {1e300, 0}, {1e-300, 0}), 6);
    EXPECT_CALC_ERROR(CpxAbs({1e200, 1e200}), 6);
}

TEST(ComplexTest, CommonLogarithm)
{
    EXPECT_NEAR(Lg10(1000), 3, 1e-15);
    EXPECT_NEAR(Lg10(0.01), -2, 1e-15);
    EXPECT_EQ(Lg10(1), 0);
    EXPECT_CALC_ERROR(Lg10(0), 6);
    EXPECT_CALC_ERROR(Lg10(-1), 6);
}

}  // namespace
