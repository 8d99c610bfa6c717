// The searches of the graphs' menu, chosen with the mouse and the keyboard,
// against the same circuits analysed independently: series and parallel
// combinations of the branches in long double, searched by scanning and
// bisection of their own.

#include <cmath>
#include <complex>
#include <functional>
#include <optional>
#include <vector>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "graph/graph_texts.h"
#include "tests/graph/page_fixture.h"

namespace {

using Cx = std::complex<long double>;

Cx Parallel(Cx a, Cx b) { return a * b / (a + b); }

// The sample circuit of examples/sample.brivel.
Circuit SampleFile() { return sample::TwoLoop({10, 0.01, 0}, {5, 0, 1e-6}, {100, 0, 1e-7}); }

Cx SampleZi(long double f) { return sample::TwoLoopZi<long double>({10, 0.01, 0}, {5, 0, 1e-6}, {100, 0, 1e-7}, f); }

// The load voltage of the ladder filter, worked back from the load.
Cx LadderV06(long double f)
{
    const Cx z1 = sample::Impedance<long double>({50, 0, 0}, f),
             zl = sample::Impedance<long double>({0.5, 0.0159, 0}, f);
    const Cx zc = sample::Impedance<long double>({0, 0, 6.37e-6}, f), z6 = z1;
    const Cx a = Parallel(zc, z6), b = zl + a, cc = Parallel(zc, b);
    const Cx i1 = Cx(10) / (z1 + zl + cc);
    return i1 * cc / b * a;
}

using Exact = std::function<Cx(long double f)>;

// x = log10 f.
long double Magnitude(const Exact& v, long double x) { return std::abs(v(std::pow(10.0L, x))); }

long double Bisection(const std::function<long double(long double)>& g, long double a, long double b)
{
    const bool rising = g(a) < 0;
    for (int i = 0; i < 200; ++i) {
        const long double m = (a + b) / 2;
        ((g(m) < 0) == rising ? a : b) = m;
    }
    return (a + b) / 2;
}

constexpr int kScan = 40001;
constexpr long double kFrom = 2, kTo = 6;  // 100 Hz … 1 MHz

long double ScanX(int k) { return kFrom + (kTo - kFrom) * k / (kScan - 1); }

// The extreme where the slope of the magnitude changes sign, or an end.
long double ExtremeX(const Exact& v, bool largest)
{
    int best = 0;
    for (int k = 1; k < kScan; ++k) {
        const long double m = Magnitude(v, ScanX(k)), b = Magnitude(v, ScanX(best));
        if (largest ? m > b : m < b) best = k;
    }
    if (best == 0 || best == kScan - 1) return ScanX(best);
    const auto slope = [&](long double x) {
        const long double h = 1e-9L;
        const long double s = Magnitude(v, x + h) - Magnitude(v, x - h);
        return largest ? s : -s;
    };
    return Bisection([&](long double x) { return -slope(x); }, ScanX(best - 1), ScanX(best + 1));
}

// Where the magnitude crosses the level on either side of x0, in order.
std::vector<long double> CrossingXs(const Exact& v, long double x0, long double level)
{
    std::vector<long double> xs;
    const auto g = [&](long double x) { return Magnitude(v, x) - level; };
    const bool above = g(x0) > 0;
    int k = 0;
    while (k < kScan && ScanX(k) < x0) ++k;
    for (int j = k - 1; j >= 0; --j)
        if ((g(ScanX(j)) > 0) != above) {
            xs.push_back(Bisection(g, ScanX(j), ScanX(j + 1)));
            break;
        }
    for (int j = k; j < kScan; ++j)
        if ((g(ScanX(j)) > 0) != above) {
            xs.push_back(Bisection(g, ScanX(j - 1), ScanX(j)));
            break;
        }
    return xs;
}

std::vector<long double> HalfPowerXs(const Exact& v, bool dip)
{
    const long double x0 = ExtremeX(v, !dip);
    const long double m = Magnitude(v, x0);
    return CrossingXs(v, x0, dip ? m * std::sqrt(2.0L) : m / std::sqrt(2.0L));
}

// Where the imaginary part changes sign with the real part positive.
long double PhaseZeroX(const Exact& v, long double near)
{
    std::optional<long double> best;
    const auto im = [&](long double x) { return v(std::pow(10.0L, x)).imag(); };
    for (int k = 1; k < kScan; ++k) {
        const Cx a = v(std::pow(10.0L, ScanX(k - 1))), b = v(std::pow(10.0L, ScanX(k)));
        if (a.real() <= 0 || b.real() <= 0 || (a.imag() < 0) == (b.imag() < 0)) continue;
        const long double x = Bisection(im, ScanX(k - 1), ScanX(k));
        if (!best || std::abs(x - near) < std::abs(*best - near)) best = x;
    }
    return *best;
}

struct Case {
    const char* name;
    Circuit (*circuit)();
    PlottedQuantity quantity;
    int branch;
    Exact value;
    GraphMenuItem item;
    std::vector<long double> expectedXs;
    bool atSpanEnd;
};

Exact SampleI01()
{
    return [](long double f) { return Cx(1) / SampleZi(f); };
}

TEST(Searches, FindTheExactFrequenciesOfTheCurves)
{
    const Exact zi = SampleZi, i01 = SampleI01(), v06 = LadderV06;
    const long double resonance = std::log10(1500.0L);
    const std::vector<Case> cases = {
        {"Zi minimum",
         SampleFile,
         PlottedQuantity::InputImpedance,
         0,
         zi,
         GraphMenuItem::Minimum,
         {ExtremeX(zi, false)},
         false},
        {"Zi phase zero",
         SampleFile,
         PlottedQuantity::InputImpedance,
         0,
         zi,
         GraphMenuItem::PhaseZero,
         {PhaseZeroX(zi, resonance)},
         false},
        {"Zi dip", SampleFile, PlottedQuantity::InputImpedance, 0, zi, GraphMenuItem::HalfPower, HalfPowerXs(zi, true),
         false},
        {"I01 maximum",
         SampleFile,
         PlottedQuantity::BranchCurrent,
         1,
         i01,
         GraphMenuItem::Maximum,
         {ExtremeX(i01, true)},
         false},
        {"I01 peak", SampleFile, PlottedQuantity::BranchCurrent, 1, i01, GraphMenuItem::HalfPower,
         HalfPowerXs(i01, false), false},
        {"V06 maximum",
         sample::LadderFilter,
         PlottedQuantity::BranchVoltage,
         6,
         v06,
         GraphMenuItem::Maximum,
         {ExtremeX(v06, true)},
         true},
        {"V06 minimum",
         sample::LadderFilter,
         PlottedQuantity::BranchVoltage,
         6,
         v06,
         GraphMenuItem::Minimum,
         {ExtremeX(v06, false)},
         true},
        // Its phase passes ±180° but never 0°.
        {"V06 no phase zero",
         sample::LadderFilter,
         PlottedQuantity::BranchVoltage,
         6,
         v06,
         GraphMenuItem::PhaseZero,
         {},
         false},
        {"V06 cut-off", sample::LadderFilter, PlottedQuantity::BranchVoltage, 6, v06, GraphMenuItem::HalfPower,
         HalfPowerXs(v06, false), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPage shown(c.circuit(), c.quantity, c.branch);
        GraphPage& page = *shown.page;
        PictureBox& mag = page.GraphBox(Graph::Magnitude);
        ChooseFromGraphMenu(page, Graph::Magnitude, mag.ToPainter(static_cast<double>(resonance), 2).toPoint(), c.item);
        if (c.expectedXs.empty()) {
            // Said so, and nothing held.
            ASSERT_EQ(shown.messages.size(), 1u);
            EXPECT_TRUE(shown.messages[0].text.endsWith(QString::fromUtf8(graph_text::kNotInSpan)));
            EXPECT_FALSE(page.MarkerHeld());
            continue;
        }
        ASSERT_TRUE(shown.messages.empty()) << shown.messages[0].text.toStdString();
        ASSERT_TRUE(page.Marker().has_value());
        EXPECT_TRUE(page.MarkerHeld());
        EXPECT_TRUE(page.ReadoutHeld(Graph::Magnitude));
        EXPECT_EQ(page.Marker()->curve, (PlottedCurve{c.quantity, c.branch}));

        const std::vector<CurvePoint>& found = page.Marker()->finding.points;
        ASSERT_EQ(found.size(), c.expectedXs.size());
        EXPECT_EQ(page.Marker()->point.frequency, found.front().frequency);
        for (size_t i = 0; i < found.size(); ++i) {
            const long double exact = std::pow(10.0L, c.expectedXs[i]);
            EXPECT_LT(std::abs(found[i].frequency / exact - 1), 5e-7L)
                << found[i].frequency << " against " << static_cast<double>(exact);
        }
        EXPECT_EQ(page.MarkerValuesLabel().text().contains(QString::fromUtf8(graph_text::kAtSpanEnd)), c.atSpanEnd);
    }
}

}  // namespace
