#include <cmath>
#include <complex>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "calc/calc_error.h"
#include "calc/complex.h"
#include "graph/axes.h"
#include "graph/branch_colour.h"
#include "sweep/graph_reset.h"
#include "sweep/position_steps.h"
#include "graph/sweep.h"
#include "tests/support/recording_surface.h"
#include "tests/support/sample_circuits.h"

namespace {

// A drawn curve point: where it lies and whether it was set or joined.
struct CurvePoint {
    double x, y;
    bool set;
    QColor colour;
};

std::vector<CurvePoint> Curve(const RecordingSurface& s)
{
    std::vector<CurvePoint> out;
    for (const DrawCall& c : s.Calls()) {
        if (c.kind == DrawCall::SetPixel) out.push_back({c.x1, c.y1, true, c.colour});
        if (c.kind == DrawCall::LineTo) out.push_back({c.x2, c.y2, false, c.colour});
    }
    return out;
}

class SweepTest : public ::testing::Test {
protected:
    SweepTest()
    {
        ResetGraphState(g);
        FillBranchColours(g);
        RecordingSurface frq, scl0, scl1;
        GraphBoxes boxes{mag, ph, frq, scl0, scl1};
        DrawFrequencyAxis(g, boxes, FrequencySpan::FourDecades);
        DrawLevelAxis(g, boxes, LevelSpan::SixDecades);
        mag.ClearCalls();
        ph.ClearCalls();
    }
    void SetSpan(double start, int decades)
    {
        g.sweepStart = start;
        g.sweepEnd = start * std::pow(10.0, decades);
    }
    // The frequencies of a sweep, formed as the sweep forms them.
    std::vector<double> Frequencies() const
    {
        std::vector<double> out;
        const double step = std::pow(10.0, CommonLogarithm(g.sweepEnd / g.sweepStart) / 500);
        for (double f = g.sweepStart; f <= g.sweepEnd; f *= step) out.push_back(f);
        return out;
    }

    // The C for which j(ω·1 H − 1/(ωC)) is exactly zero at the point.
    double ResonantCapacitance(size_t point) const
    {
        const double w = Frequencies()[point] * 6.283184;
        double cap = 1 / (w * w);
        for (int t = 0; t < 100 && w - 1 / (w * cap) != 0; ++t)
            cap = std::nextafter(cap, w - 1 / (w * cap) > 0 ? 0.0 : 1.0);
        EXPECT_EQ(w - 1 / (w * cap), 0.0);
        return cap;
    }

    // Sweeps the quantity and draws it as the graph page does.
    SweepResult Draw(PlottedQuantity quantity, const Circuit& c, bool valid, const BranchChecks& checked = {})
    {
        g.quantity = quantity;
        SweepResult outcome;
        const PlottedSweep sweep = PlotSweep(&c, g, checked, valid, outcome);
        return DrawSweep(sweep, outcome, g, mag, ph);
    }

    GraphState g;
    RecordingSurface mag, ph;
};

TEST_F(SweepTest, FiveHundredAndOnePointsFromTheLeftEdge)
{
    Circuit c = sample::TwoLoopRlc();
    const SweepResult r = Draw(PlottedQuantity::InputImpedance, c, true);
    EXPECT_EQ(r.kind, SweepResult::Completed);

    const auto phase = Curve(ph);
    const auto magnitude = Curve(mag);
    ASSERT_EQ(phase.size(), 501u);
    ASSERT_EQ(magnitude.size(), 501u);
    EXPECT_TRUE(phase[0].set);
    EXPECT_EQ(phase[0].x, 2.0);  // exactly 100 Hz
    EXPECT_NEAR(g.sweepStep, std::pow(10.0, 4.0 / 500), 1e-15);
    for (size_t i = 1; i < phase.size(); ++i) {
        EXPECT_FALSE(phase[i].set);
        EXPECT_FALSE(magnitude[i].set);
        EXPECT_NEAR(phase[i].x - phase[i - 1].x, 4.0 / 500, 2e-6);
    }
    EXPECT_NEAR(phase.back().x, 6.0, 1e-5);
    for (const CurvePoint& p : phase) EXPECT_EQ(p.colour, QColor(255, 0, 0));

    // The curves are drawn in log coordinates spanning the grid.
    const DrawCall scale = mag.CallsOf(DrawCall::Scale).back();
    EXPECT_EQ(scale.x1, 2.0);
    EXPECT_EQ(scale.y1, 6.0);
    EXPECT_EQ(scale.x2, 6.0);
    EXPECT_EQ(scale.y2, 0.0);
    const DrawCall phScale = ph.CallsOf(DrawCall::Scale).back();
    EXPECT_EQ(phScale.y1, 90.0);
    EXPECT_EQ(phScale.y2, -90.0);

    // Rounding carries the 501st point of a 2-decade span past its edge: it
    // is the edge. A 4-decade span keeps its own points.
    for (double start : kSweepStartSteps)
        for (int decades : {2, 4}) {
            SetSpan(start, decades);
            const SweepFrequencies f = SweptFrequencies(g.sweepStart, g.sweepEnd, SweepStep(g.sweepStart, g.sweepEnd));
            ASSERT_EQ(f.frequency.size(), 501u) << start << " Hz, " << decades;
            if (decades == 2) {
                EXPECT_EQ(f.frequency.back(), g.sweepEnd) << start;
            } else {
                EXPECT_EQ(f.frequency, Frequencies()) << start;
            }
        }
}

TEST_F(SweepTest, CurvesFollowTheInputImpedanceAndAreRecorded)
{
    Circuit c = sample::TwoLoopRlc();
    Draw(PlottedQuantity::InputImpedance, c, true);
    const auto magnitude = Curve(mag);
    const auto phase = Curve(ph);
    ASSERT_EQ(g.keptCurve.count, 501);
    const std::vector<double> freqs = Frequencies();
    for (size_t i : {0u, 120u, 250u, 377u, 500u}) {
        const double f = freqs[i];
        const sample::Rlc z1{10, 0.01, 0}, z2{5, 0, 1e-6}, z3{100, 0.1, 1e-7};
        const std::complex<double> zi = sample::TwoLoopZi(z1, z2, z3, f);
        EXPECT_NEAR(magnitude[i].y, std::log10(std::abs(zi)), 1e-5) << "point " << i;
        EXPECT_NEAR(phase[i].y, std::arg(zi) * 180 / M_PI, 1e-3) << "point " << i;
        EXPECT_EQ(g.keptCurve.logFrequency[i + 1], static_cast<float>(magnitude[i].x));
        EXPECT_EQ(g.keptCurve.logMagnitude[i + 1], static_cast<float>(magnitude[i].y));
        EXPECT_EQ(g.keptCurve.phase[i + 1], static_cast<float>(phase[i].y));
    }
    EXPECT_EQ(g.keptCurve.logFrequency[0], 0.0f);

    // Zi does not depend on E, down to 10^-160 V, where E ÷ I1 divides by a
    // value whose squared parts underflow.
    SetSourceVoltage(c, {1e-160, 1});
    mag.ClearCalls();
    Draw(PlottedQuantity::InputImpedance, c, true);
    const auto faint = Curve(mag);
    ASSERT_EQ(faint.size(), magnitude.size());
    for (size_t i = 0; i < faint.size(); ++i) EXPECT_NEAR(faint[i].y, magnitude[i].y, 1e-6) << "point " << i;
}

TEST_F(SweepTest, KeptRecordingIsFrozenButCounted)
{
    Circuit c = sample::TwoLoopRlc();
    g.keptCurve.on = true;
    g.keptCurve.count = 7;
    g.keptCurve.logFrequency[1] = 42;
    Draw(PlottedQuantity::InputImpedance, c, true);
    EXPECT_EQ(g.keptCurve.logFrequency[1], 42.0f);
    EXPECT_EQ(g.keptCurve.logFrequency[2], 0.0f);
    EXPECT_EQ(g.keptCurve.count, 501);
}

// Branch 2 in series resonance at the 251st frequency: its impedance, and so
// its voltage, is exactly zero there.
TEST_F(SweepTest, ZeroImpedanceLeavesAGapThatTheNextPointBridges)
{
    Circuit c = sample::TwoLoop({1, 0, 0}, {0, 1, ResonantCapacitance(250)}, {1, 0, 0});
    BranchChecks checked{};
    checked[2] = true;
    ASSERT_EQ(Draw(PlottedQuantity::BranchVoltage, c, true, checked).kind, SweepResult::Completed);
    const auto magnitude = Curve(mag);
    ASSERT_EQ(Curve(ph).size(), 501u);
    ASSERT_EQ(magnitude.size(), 500u);
    for (size_t i = 1; i < magnitude.size(); ++i)
        EXPECT_FALSE(magnitude[i].set) << "the magnitude curve starts again at " << i;
    EXPECT_NEAR(magnitude[250].x - magnitude[249].x, 2 * 4.0 / 500, 2e-6);
    // The line after the gap starts at the last drawn point.
    const auto joins = mag.CallsOf(DrawCall::LineTo);
    EXPECT_EQ(joins[249].x1, magnitude[249].x);
    EXPECT_EQ(joins[249].y1, magnitude[249].y);
}

// A negative resistance in series with L and C: the impedance phase falls
// from about −90° through −180° at resonance towards −270°.
TEST_F(SweepTest, PhaseFallingThroughMinus180ContinuesBelowIt)
{
    Circuit c = sample::TwoLoop({-10, 0.01, 1e-6}, {}, {1, 0, 0});
    Draw(PlottedQuantity::InputImpedance, c, true);
    const auto phase = Curve(ph);
    ASSERT_EQ(phase.size(), 501u);
    EXPECT_NEAR(phase.front().y, -90.4, 0.1);
    EXPECT_LT(phase.back().y, -260);
    for (size_t i = 1; i < phase.size(); ++i) EXPECT_LT(std::abs(phase[i].y - phase[i - 1].y), 60) << i;
}

class SingularPointTest : public SweepTest {
protected:
    // Z11 = j(ωL − 1/(ωC)) is exactly zero at the 251st frequency.
    SingularPointTest() { circuit = sample::TwoLoop({0, 1, ResonantCapacitance(250)}, {}, {1, 0, 0}); }
    Circuit circuit;
};

TEST_F(SingularPointTest, AfterAValidCalculationThePointIsLeftOut)
{
    ASSERT_EQ(Draw(PlottedQuantity::InputImpedance, circuit, true).kind, SweepResult::Completed);
    const auto phase = Curve(ph);
    ASSERT_EQ(phase.size(), 500u);
    const double missing = static_cast<float>(CommonLogarithm(Frequencies()[250]));
    for (const CurvePoint& p : phase) EXPECT_NE(p.x, missing);
    EXPECT_NEAR(phase[250].x - phase[249].x, 2 * 4.0 / 500, 2e-6);
    EXPECT_FALSE(phase[250].set);
    EXPECT_EQ(g.keptCurve.count, 500);
}

TEST_F(SingularPointTest, WithoutAValidCalculationTheSweepEnds)
{
    g.keptCurve.count = 3;
    EXPECT_EQ(Draw(PlottedQuantity::InputImpedance, circuit, false).kind, SweepResult::NoCalculation);
    EXPECT_EQ(Curve(ph).size(), 250u);
    EXPECT_EQ(g.keptCurve.count, 3);
}

// The branches are analysed once per frequency for all of them; the point
// is left out of every branch's curves all the same.
TEST_F(SingularPointTest, AfterAValidCalculationEveryBranchLeavesThePointOut)
{
    BranchChecks checked{};
    checked[1] = checked[3] = true;
    ASSERT_EQ(Draw(PlottedQuantity::BranchCurrent, circuit, true, checked).kind, SweepResult::Completed);
    const auto phase = Curve(ph);
    ASSERT_EQ(phase.size(), 2 * 500u);
    const double missing = static_cast<float>(CommonLogarithm(Frequencies()[250]));
    for (const CurvePoint& p : phase) EXPECT_NE(p.x, missing);
    EXPECT_TRUE(phase[500].set);
    EXPECT_EQ(phase[500].colour, BranchColour(g.branchColours[3]));
}

// As when each branch ran its own pass: the first branch's curves up to the
// point, and no other branch's.
TEST_F(SingularPointTest, WithoutAValidCalculationABranchSweepEndsInTheFirstBranch)
{
    BranchChecks checked{};
    checked[1] = checked[3] = true;
    EXPECT_EQ(Draw(PlottedQuantity::BranchVoltage, circuit, false, checked).kind, SweepResult::NoCalculation);
    const auto phase = Curve(ph);
    ASSERT_EQ(phase.size(), 250u);
    EXPECT_EQ(phase.back().colour, BranchColour(g.branchColours[1]));
}

// The smallest capacitance: below about 0.08 Hz ωC underflows to zero and
// 1 ÷ ωC divides by it; above, 1 ÷ ωC overflows. The divisions by zero leave
// their points out; only the overflow ends the sweep.
TEST_F(SweepTest, DivisionByZeroSkipsEachFailingPointEntirely)
{
    Circuit c = sample::TwoLoop({1, 0, 0}, {}, {0, 0, std::numeric_limits<double>::denorm_min()});
    SetSpan(0.01, 2);
    const SweepResult r = Draw(PlottedQuantity::InputImpedance, c, true);
    EXPECT_EQ(r.kind, SweepResult::Failed);
    EXPECT_EQ(r.description, CalcError(CalcError::Overflow).description());
    EXPECT_TRUE(Curve(ph).empty());
}

TEST_F(SweepTest, OverflowEndsTheSweepWithItsDescription)
{
    Circuit c = sample::TwoLoop({0, 1e306, 0}, {1, 0, 0}, {1, 0, 0});
    const SweepResult r = Draw(PlottedQuantity::InputImpedance, c, true);
    EXPECT_EQ(r.kind, SweepResult::Failed);
    EXPECT_EQ(r.description, CalcError(CalcError::Overflow).description());
    EXPECT_TRUE(Curve(ph).empty());

    // With E = 0 the sweep says so, as the calculation does.
    Circuit noSource = sample::TwoLoopRlc();
    SetSourceVoltage(noSource, {0, 1});
    EXPECT_EQ(Draw(PlottedQuantity::InputImpedance, noSource, true).description, "起電力Ｅを０以外の値にして下さい。");
}

TEST_F(SweepTest, BranchCurrentsOfCheckedBranchesInTheirColours)
{
    Circuit c = sample::Ladder(3);
    BranchChecks checked{};
    checked[2] = checked[7] = true;
    g.keptCurve.count = 9;
    ASSERT_EQ(Draw(PlottedQuantity::BranchCurrent, c, true, checked).kind, SweepResult::Completed);
    const auto magnitude = Curve(mag);
    const auto phase = Curve(ph);
    ASSERT_EQ(phase.size(), 2 * 501u);
    EXPECT_EQ(g.keptCurve.count, 9);
    for (size_t i = 0; i < phase.size(); ++i) {
        const int b = i < 501 ? 2 : 7;
        EXPECT_EQ(phase[i].colour, BranchColour(g.branchColours[b]));
        EXPECT_EQ(magnitude[i].colour, phase[i].colour);
        EXPECT_EQ(phase[i].set, i % 501 == 0);
    }
    // Currents are scaled against the current bounds: 1 mA … 1 kA.
    const DrawCall scale = mag.CallsOf(DrawCall::Scale).back();
    EXPECT_NEAR(scale.y1, 3.0, 1e-6);
    EXPECT_NEAR(scale.y2, -3.0, 1e-6);

    EXPECT_NEAR(magnitude[501].y, std::log10(AnalyseAt(c, g.sweepStart)->branchCurrentMagnitude[7]), 1e-5);
}

TEST_F(SweepTest, BranchVoltagesAndNoBranchChecked)
{
    Circuit c = sample::Ladder(2);
    BranchChecks checked{};
    ASSERT_EQ(Draw(PlottedQuantity::BranchVoltage, c, true, checked).kind, SweepResult::Completed);
    EXPECT_TRUE(Curve(ph).empty());
    EXPECT_TRUE(Curve(mag).empty());

    checked[4] = true;
    Draw(PlottedQuantity::BranchVoltage, c, true, checked);
    const auto magnitude = Curve(mag);
    ASSERT_EQ(magnitude.size(), 501u);
    EXPECT_NEAR(magnitude[300].y, std::log10(AnalyseAt(c, std::pow(10.0, magnitude[300].x))->branchVoltageMagnitude[4]),
                1e-4);
    EXPECT_EQ(magnitude[0].colour, QColor(0, 255, 0));
}

}  // namespace
