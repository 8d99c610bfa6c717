#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "graph/axes.h"
#include "sweep/graph_reset.h"
#include "document/qstring_utf8.h"
#include "tests/support/qstring_printer.h"
#include "tests/support/recording_surface.h"

namespace {

using Texts = std::vector<QString>;

struct Boxes {
    RecordingSurface grf0{655, 299}, grf1{655, 296}, frq{655, 25}, scl0{33, 299}, scl1{33, 296};
    GraphBoxes boxes{grf0, grf1, frq, scl0, scl1};
};

class AxesTest : public ::testing::Test {
protected:
    AxesTest() { ResetGraphState(g); }
    GraphState g;
    Boxes b;
};

// The x positions of the vertical grid lines on one graph.
std::vector<double> VerticalGrid(const RecordingSurface& s)
{
    std::vector<double> xs;
    for (const DrawCall& c : s.CallsOf(DrawCall::Line))
        if (c.x1 == c.x2) xs.push_back(c.x1);
    return xs;
}

TEST_F(AxesTest, TwoDecadesFromOneHundredthOfAHertz)
{
    g.sweepStart = 0.01;
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::TwoDecades);
    EXPECT_EQ(b.frq.Texts(),
              (Texts{U8(" .01Ｈｚ"), " .02", " .04", " .06", " .08", " .1", " .2", " .4", " .6", " .8", " 1"}));
    EXPECT_EQ(g.sweepEnd, 1.0);
    EXPECT_EQ(g.frequencySpan, FrequencySpan::TwoDecades);
    EXPECT_EQ(g.frequencyDecades, 2.0f);
}

TEST_F(AxesTest, TwoDecadeGridHasNineteenLinesAtTheLogOfEachMultiple)
{
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::TwoDecades);
    std::vector<double> want;
    for (int k = 1; k <= 10; ++k) want.push_back(static_cast<float>(std::log10(k)));
    for (int k = 20; k <= 100; k += 10) want.push_back(static_cast<float>(std::log10(k)));
    EXPECT_EQ(VerticalGrid(b.grf0), want);
    EXPECT_EQ(VerticalGrid(b.grf1), want);
    for (const DrawCall& c : b.grf1.CallsOf(DrawCall::Line)) {
        EXPECT_EQ(c.colour, QColor(255, 255, 0));
        EXPECT_EQ(c.y1, 0.0);
        EXPECT_EQ(c.y2, 6.0);  // phaseDivisions
    }
    EXPECT_EQ(b.frq.Texts(),
              (Texts{U8(" 100Ｈｚ"), " 200", " 400", " 600", " 800", " 1K", " 2K", " 4K", " 6K", " 8K", " 10K"}));
}

TEST_F(AxesTest, FourDecadesLabelEachDecadeOnce)
{
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::FourDecades);
    EXPECT_EQ(b.frq.Texts(), (Texts{U8(" 100Ｈｚ"), " 1K", " 10K", " 100K"}));
    EXPECT_EQ(VerticalGrid(b.grf0).size(), 37u);
    EXPECT_EQ(VerticalGrid(b.grf0).back(), 4.0);
    EXPECT_EQ(g.sweepEnd, 1e6);

    g.sweepStart = 1e5;
    b.frq.ClearCalls();
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::FourDecades);
    EXPECT_EQ(b.frq.Texts(), (Texts{U8(" 100KＨｚ"), " 1M", " 10M", " 100M"}));
    EXPECT_EQ(g.sweepEnd, 1e9);

    g.sweepStart = 0.01;
    b.frq.ClearCalls();
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::FourDecades);
    EXPECT_EQ(b.frq.Texts(), (Texts{U8(" .01Ｈｚ"), " .1", " 1", " 10"}));
}

// Except at the ends of the strip, where a label moves inside it.
TEST_F(AxesTest, FrequencyLabelsSitJustLeftOfTheirGridLine)
{
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::FourDecades);
    const auto prints = b.frq.CallsOf(DrawCall::Print);
    ASSERT_EQ(prints.size(), 4u);
    EXPECT_EQ(prints[0].x1, 0.0);
    for (size_t j = 1; j < prints.size(); ++j) EXPECT_NEAR(prints[j].x1, j - 0.045, 1e-12);
    for (const DrawCall& p : prints) EXPECT_EQ(p.y1, 1.6);
    const auto scales = b.frq.CallsOf(DrawCall::Scale);
    ASSERT_FALSE(scales.empty());
    EXPECT_EQ(scales.back().x1, 0.0);
    EXPECT_EQ(scales.back().y1, 2.0);
    EXPECT_EQ(scales.back().x2, 4.0);
    EXPECT_EQ(scales.back().y2, 0.0);

    b.frq.ClearCalls();
    DrawFrequencyAxis(g, b.boxes, FrequencySpan::TwoDecades);
    const auto twoDecades = b.frq.CallsOf(DrawCall::Print);
    EXPECT_NEAR(twoDecades[1].x1, static_cast<float>(std::log10(2.0)) - 0.035, 1e-12);
    // " 10K" and a quarter of a space end at the right edge: characters of 7 pixels.
    EXPECT_NEAR(twoDecades.back().x1, 2 - 4.25 * 7 * 2 / 655.0, 1e-12);
}

TEST_F(AxesTest, ImpedanceLevelsWithUnitLines)
{
    DrawLevelAxis(g, b.boxes, LevelSpan::SixDecades);
    EXPECT_EQ(b.scl0.Texts(),
              (Texts{" 1 ", " 10 ", U8(" Ω"), " 100 ", " 1 ", U8("ＫΩ"), " 10 ", " 100 ", " 1 ", U8("ＭΩ")}));
    EXPECT_EQ(g.impedanceAxisMax, 1e6);

    // A unit prints as a second line, right below its number at the left edge.
    const auto prints = b.scl0.CallsOf(DrawCall::Print);
    EXPECT_EQ(prints[1].y1, 1.0);
    EXPECT_EQ(prints[2].x1, 0.0);
    EXPECT_LT(prints[2].y1, 1.0);

    b.scl0.ClearCalls();
    g.impedanceAxisMin = 100;
    DrawLevelAxis(g, b.boxes, LevelSpan::FourDecades);
    EXPECT_EQ(b.scl0.Texts(), (Texts{" 100 ", " 1 ", U8("ＫΩ"), " 10 ", " 100 ", " 1 ", U8("ＭΩ")}));
    EXPECT_EQ(g.impedanceAxisMax, 1e6);
}

TEST_F(AxesTest, CurrentAndVoltageLevelsAtSeveralBottoms)
{
    g.quantity = PlottedQuantity::BranchCurrent;
    DrawLevelAxis(g, b.boxes, LevelSpan::SixDecades);
    EXPECT_EQ(b.scl0.Texts(),
              (Texts{" 1 ", U8("ｍＡ"), " 10 ", " 100 ", " 1 ", U8(" Ａ"), " 10 ", " 100 ", " 1 ", U8("ＫＡ")}));
    EXPECT_NEAR(g.currentAxisMax, 1000, 1e-9);

    b.scl0.ClearCalls();
    g.currentAxisMin = 1e-7;
    DrawLevelAxis(g, b.boxes, LevelSpan::SixDecades);
    EXPECT_EQ(b.scl0.Texts(), (Texts{" .1 ", " 1 ", U8("μＡ"), " 10 ", " 100 ", " 1 ", U8("ｍＡ"), " 10 ", " 100 "}));

    b.scl0.ClearCalls();
    g.quantity = PlottedQuantity::BranchVoltage;
    g.voltageAxisMin = 1e-5;
    DrawLevelAxis(g, b.boxes, LevelSpan::FourDecades);
    EXPECT_EQ(b.scl0.Texts(), (Texts{" 10 ", " 100 ", " 1 ", U8("ｍＶ"), " 10 ", " 100 "}));
    EXPECT_NEAR(g.voltageAxisMax, 0.1, 1e-15);
}

TEST_F(AxesTest, PhaseLabelsEndWithDegrees)
{
    DrawLevelAxis(g, b.boxes, LevelSpan::SixDecades);
    EXPECT_EQ(b.scl1.Texts(), (Texts{"-90 ", "-60 ", "-30 ", " 0 ", " 30 ", " 60 ", " 90 ", U8(" 度")}));
    EXPECT_EQ(g.phaseAxisMax, 90.0);

    b.scl1.ClearCalls();
    DrawLevelAxis(g, b.boxes, LevelSpan::FourDecades);
    EXPECT_EQ(b.scl1.Texts(), (Texts{"-90 ", "-60 ", "-30 ", " 0 ", " 30 ", U8(" 度")}));
    EXPECT_EQ(g.phaseAxisMax, 30.0);
    EXPECT_EQ(g.levelSpan, LevelSpan::FourDecades);
}

TEST_F(AxesTest, LevelGridRowsAndLabelPositions)
{
    DrawLevelAxis(g, b.boxes, LevelSpan::FourDecades);
    std::vector<double> rows0, rows1;
    for (const DrawCall& c : b.grf0.CallsOf(DrawCall::Line)) rows0.push_back(c.y1);
    for (const DrawCall& c : b.grf1.CallsOf(DrawCall::Line)) rows1.push_back(c.y1);
    EXPECT_EQ(rows0, (std::vector<double>{0, 1, 2, 3, 4}));
    EXPECT_EQ(rows1, rows0);
    for (const DrawCall& c : b.grf0.CallsOf(DrawCall::Line)) {
        EXPECT_EQ(c.x1, 0.0);
        EXPECT_EQ(c.x2, 4.0);  // frequencyDecades
    }
    const auto prints = b.scl1.CallsOf(DrawCall::Print);
    EXPECT_EQ(prints[0].x1, 0.1);
    EXPECT_EQ(prints[0].y1, 0.0);
    EXPECT_EQ(prints[4].y1, 4.0);
    const auto scale = b.scl0.CallsOf(DrawCall::Scale).back();
    EXPECT_EQ(scale.x1, 0.0);
    EXPECT_EQ(scale.y1, 4.0);
    EXPECT_EQ(scale.x2, 2.0);
    EXPECT_EQ(scale.y2, 0.0);
}

}  // namespace
