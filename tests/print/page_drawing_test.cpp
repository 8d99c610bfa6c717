#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "calc/calc_error.h"
#include "calc/loop_analysis.h"
#include "graph/branch_colour.h"
#include "platform/image_surface.h"
#include "print/page_drawer.h"
#include "tests/print/page_fixture.h"
#include "tests/support/in_language.h"
#include "tests/support/recording_surface.h"
#include "tests/support/sample_circuits.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);

// The page drawn on a recording surface scaled like the half-size preview
// picture, A4 with 5 mm margins: D = 200, u = 1.25.
class PageDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ScaleCorners s = PictureScale(prt.paper, prt.margins);
        page.SetScale(s.left, s.top, s.right, s.bottom);
        page.ClearCalls();
        prt.surface = &page;
    }

    // The page of the sweep made of the circuit and the state; true when it
    // is complete, `outcome` tells what became of it.
    bool Draw()
    {
        const HandedSweep handed = SweepFor(c, g, ticked, valid);
        outcome = PageDrawer(prt, picture, g, handed.sweep, handed.outcome).DrawPage();
        return outcome.kind == SweepResult::Completed;
    }

    double LineHeight() const { return page.TextHeight("x"); }

    std::vector<DrawCall> PrintsIn(double yFrom, double yTo) const
    {
        std::vector<DrawCall> out;
        for (const DrawCall& d : page.CallsOf(DrawCall::Print))
            if (d.y1 >= yFrom - 1e-9 && d.y1 <= yTo + 1e-9) out.push_back(d);
        return out;
    }

    static std::vector<QString> TextsOf(const std::vector<DrawCall>& calls)
    {
        std::vector<QString> out;
        for (const DrawCall& d : calls) out.push_back(d.text);
        return out;
    }

    std::vector<DrawCall> CurveCalls(const QColor& colour, double yFrom, double yTo) const
    {
        std::vector<DrawCall> out;
        for (const DrawCall& d : page.Calls()) {
            if ((d.kind != DrawCall::SetPixel && d.kind != DrawCall::LineTo) || d.colour != colour) continue;
            const double y = d.kind == DrawCall::SetPixel ? d.y1 : d.y2;
            if (y >= yFrom && y <= yTo) out.push_back(d);
        }
        return out;
    }

    int VerticalLinesIn(double yFrom, double yTo) const
    {
        int n = 0;
        for (const DrawCall& d : page.CallsOf(DrawCall::Line)) n += d.x1 == d.x2 && d.y1 == yFrom && d.y2 == yTo;
        return n;
    }

    PrintState prt = PageState();
    RecordingSurface page{397, 561};
    RecordingSurface picture{397, 561};
    GraphState g = DefaultGraph();
    Circuit c = SampleCircuit();
    std::set<int> ticked;
    bool valid = true;
    SweepResult outcome;
};

constexpr double kLabelRow = 181.25 + 2.5;  // 2 u below the phase frame

TEST_F(PageDrawing, HeadTitleOutlineAndFrames)
{
    prt.fontScale = 0.5f;
    ASSERT_TRUE(Draw());

    const auto prints = page.CallsOf(DrawCall::Print);
    ASSERT_FALSE(prints.empty());
    const DrawCall& title = prints.front();
    EXPECT_EQ(title.text, "入力インピーダンスの周波数特性");
    EXPECT_DOUBLE_EQ(title.y1, 10.0);
    EXPECT_FLOAT_EQ(static_cast<float>(title.x1), (200 - static_cast<float>(page.TextWidth(title.text))) / 2);
    EXPECT_EQ(prt.pageTitle, title.text);

    const auto sizes = page.CallsOf(DrawCall::FontSize);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_DOUBLE_EQ(sizes[0].x1, 10.0);  // 20 pt at half scale
    EXPECT_DOUBLE_EQ(sizes[1].x1, 6.0);
    const auto names = page.CallsOf(DrawCall::FontName);
    EXPECT_EQ(names.back().text, "ＭＳ Ｐゴシック");
    const auto italic = page.CallsOf(DrawCall::FontItalic);
    ASSERT_EQ(italic.size(), 2u);
    EXPECT_EQ(italic[0].x1, 1);
    EXPECT_EQ(italic[1].x1, 0);

    const auto frames = page.CallsOf(DrawCall::Rect);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].x1, 12.5);
    EXPECT_EQ(frames[0].y1, 25);
    EXPECT_EQ(frames[0].x2, 200);
    EXPECT_EQ(frames[0].y2, 100);
    EXPECT_EQ(frames[1].y1, 106.25);
    EXPECT_EQ(frames[1].y2, 181.25);

    // The margin outline goes to the preview picture only, dotted.
    const auto& pc = picture.Calls();
    ASSERT_EQ(pc.size(), 3u);
    EXPECT_EQ(pc[0].kind, DrawCall::Dotted);
    EXPECT_EQ(pc[0].x1, 1);
    EXPECT_EQ(pc[1].kind, DrawCall::Rect);
    EXPECT_EQ(pc[1].x2, 200);
    EXPECT_EQ(pc[1].y2, 297 - 5 - 5);
    EXPECT_EQ(pc[2].kind, DrawCall::Dotted);
    EXPECT_EQ(pc[2].x1, 0);
    EXPECT_TRUE(page.CallsOf(DrawCall::Dotted).empty());
}

TEST_F(PageDrawing, ClipboardPageHasNoOutlineAndUnknownSelectorsDrawLess)
{
    prt.forClipboard = true;
    prt.pageTitle = "前の題";
    g.quantity = static_cast<PlottedQuantity>(7);     // keeps the previous title, draws no curve
    g.frequencySpan = static_cast<FrequencySpan>(5);  // ends the page after the frames
    ASSERT_TRUE(Draw());
    EXPECT_TRUE(picture.Calls().empty());
    EXPECT_EQ(page.Texts(), std::vector<QString>{"前の題"});
    EXPECT_EQ(page.CallsOf(DrawCall::Rect).size(), 2u);
    EXPECT_TRUE(page.CallsOf(DrawCall::Line).empty());
    EXPECT_TRUE(page.CallsOf(DrawCall::SetPixel).empty());
}

TEST_F(PageDrawing, FrequencyLabelsAndGridLines)
{
    g.quantity = static_cast<PlottedQuantity>(5);  // grids and labels only
    g.sweepStart = 10;

    g.frequencySpan = FrequencySpan::TwoDecades;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(
        TextsOf(PrintsIn(kLabelRow, kLabelRow)),
        (std::vector<QString>{" 10Ｈｚ", " 20", " 40", " 60", " 80", " 100", " 200", " 400", " 600", " 800", " 1K"}));
    EXPECT_EQ(VerticalLinesIn(25, 100), 19);
    EXPECT_EQ(VerticalLinesIn(106.25, 181.25), 19);
    // The page sets its spans on its own copy of the state.
    EXPECT_EQ(g.sweepEnd, DefaultGraph().sweepEnd);
    // Each label starts a little left of its grid line.
    const auto labels = PrintsIn(kLabelRow, kLabelRow);
    EXPECT_NEAR(labels[1].x1, 12.5 + 187.5 * (std::log10(2.0) - 0.035) / 2, 1e-4);
    // but the last ends at the frame's right edge, short of the paper's,
    // and none runs into the next.
    EXPECT_NEAR(labels.back().x1 + page.TextWidth(labels.back().text), 200, 1e-4);
    for (size_t i = 1; i < labels.size(); ++i)
        EXPECT_LE(labels[i - 1].x1 + page.TextWidth(labels[i - 1].text), labels[i].x1 + 1e-9) << i;

    page.ClearCalls();
    g.frequencySpan = FrequencySpan::FourDecades;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(TextsOf(PrintsIn(kLabelRow, kLabelRow)), (std::vector<QString>{" 10Ｈｚ", " 100", " 1K", " 10K"}));
    EXPECT_EQ(VerticalLinesIn(25, 100), 37);
    EXPECT_EQ(VerticalLinesIn(106.25, 181.25), 37);

    page.ClearCalls();
    g.frequencySpan = FrequencySpan::TwoDecades;
    g.sweepStart = 0.01;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(TextsOf(PrintsIn(kLabelRow, kLabelRow)), (std::vector<QString>{" .01Ｈｚ", " .02", " .04", " .06", " .08",
                                                                             " .1", " .2", " .4", " .6", " .8", " 1"}));
}

TEST_F(PageDrawing, ImpedanceRowsOverSixDecadesWithUnitLines)
{
    g.impedanceAxisMin = 1;
    g.levelSpan = LevelSpan::SixDecades;
    ASSERT_TRUE(Draw());
    EXPECT_EQ(g.impedanceAxisMax, 1e6);
    EXPECT_EQ(g.phaseAxisMax, 90);

    const double h = LineHeight();
    const auto rows = PrintsIn(25 - 1e-6, 106);
    EXPECT_EQ(TextsOf(rows),
              (std::vector<QString>{" 1 ", " 10 ", "　Ω", " 100 ", " 1 ", "　ＫΩ", " 10 ", " 100 ", " 1 ", "　ＭΩ"}));
    // Row i sits on its grid line, 1 u right of the margin line; a unit goes
    // one text line lower at the left end of the surface.
    EXPECT_DOUBLE_EQ(rows[0].x1, 1.25);
    EXPECT_FLOAT_EQ(static_cast<float>(rows[0].y1), 100.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(rows[1].y1), 100.0f - 12.5f);
    EXPECT_DOUBLE_EQ(rows[2].x1, -5);
    EXPECT_NEAR(rows[2].y1, rows[1].y1 + h, 1e-9);
    EXPECT_NEAR(rows[5].y1, rows[4].y1 + h, 1e-9);
    EXPECT_FLOAT_EQ(static_cast<float>(rows[8].y1), 25.0f);

    const auto phase = PrintsIn(106.25 - 1e-6, 181.25);
    EXPECT_EQ(TextsOf(phase), (std::vector<QString>{"-90 ", "-60 ", "-30 ", " 0 ", " 30 ", " 60 ", " 90 ", "　度"}));

    // In English the units are written the SI way, in the same places.
    const InLanguage english(Language::English);
    page.ClearCalls();
    ASSERT_TRUE(Draw());
    EXPECT_EQ(TextsOf(PrintsIn(25 - 1e-6, 106)),
              (std::vector<QString>{" 1 ", " 10 ", " Ω", " 100 ", " 1 ", " kΩ", " 10 ", " 100 ", " 1 ", " MΩ"}));
    EXPECT_EQ(TextsOf(PrintsIn(106.25 - 1e-6, 181.25)).back(), " deg");
}

TEST_F(PageDrawing, CurrentRowsOverFourDecades)
{
    g.quantity = PlottedQuantity::BranchCurrent;
    g.currentAxisMin = 1e-7;
    g.currentAxisMax = 1e-3;
    g.levelSpan = LevelSpan::FourDecades;
    ASSERT_TRUE(Draw());
    const auto rows = PrintsIn(25 - 1e-6, 106);
    EXPECT_EQ(TextsOf(rows), (std::vector<QString>{" .1 ", " 1 ", "μＡ", " 10 ", " 100 ", " 1 ", "ｍＡ"}));
    const auto phase = PrintsIn(106.25 - 1e-6, 181.25);
    EXPECT_EQ(TextsOf(phase), (std::vector<QString>{"-90 ", "-60 ", "-30 ", " 0 ", " 30 ", "　度"}));
    EXPECT_EQ(g.phaseAxisMax, DefaultGraph().phaseAxisMax);
    // No branch is checked: nothing is drawn.
    EXPECT_TRUE(page.CallsOf(DrawCall::SetPixel).empty());
}

TEST_F(PageDrawing, ImpedanceCurveFollowsTheAnalysis)
{
    const SampleValues v;
    c = SampleCircuit(v);
    g.impedanceAxisMin = 1;
    ASSERT_TRUE(Draw());

    const auto level = CurveCalls(kRed, 25, 100);
    ASSERT_FALSE(level.empty());
    ASSERT_EQ(level.front().kind, DrawCall::SetPixel);
    const double sy = 75.0 / 6, sx = 187.5 / 4;
    EXPECT_NEAR(level.front().x1, 12.5, 1e-4);
    EXPECT_NEAR(level.front().y1, 100 - std::log10(std::abs(SampleZi(v, 100))) * sy, 1e-3);
    // The point at 10 kHz, 250 steps of 10^(4/500) further on.
    const DrawCall& mid = level[250];
    EXPECT_NEAR(mid.x2, 12.5 + 2 * sx, 1e-3);
    EXPECT_NEAR(mid.y2, 100 - std::log10(std::abs(SampleZi(v, 1e4))) * sy, 1e-3);
    EXPECT_EQ(level.size(), 501u);

    const auto phase = CurveCalls(kRed, 106.25, 181.25);
    ASSERT_EQ(phase.size(), 501u);
    EXPECT_EQ(phase.front().kind, DrawCall::SetPixel);
    const double deg = std::arg(SampleZi(v, 1e4)) * 180 / M_PI;
    EXPECT_NEAR(phase[250].y2, 181.25 - (deg + 90) * 75.0 / 180, 1e-3);
    EXPECT_TRUE(CurveCalls(kCyan, 0, 300).empty());
}

// A parallel L-C tank behind 10 Ω: the input impedance rises above the
// 4-decade scale (0.1 Ω … 1 kΩ) around 1.6 kHz and falls back.
TEST_F(PageDrawing, CurveLeavingTheTopStartsANewPieceWhenBack)
{
    SampleValues tank;
    tank.r1 = 10;
    tank.r2 = 1, tank.l2 = 0.01, tank.c2 = 0;
    tank.r3 = 1, tank.l3 = 0, tank.c3 = 1e-6;
    c = SampleCircuit(tank);
    g.impedanceAxisMin = 0.1;
    g.levelSpan = LevelSpan::FourDecades;
    ASSERT_TRUE(Draw());

    const auto level = CurveCalls(kRed, -1e9, 1e9);
    std::vector<DrawCall> inLevel;
    for (const DrawCall& d : level)
        if ((d.kind == DrawCall::SetPixel ? d.y1 : d.y2) <= 100) inLevel.push_back(d);
    int pieces = 0;
    for (const DrawCall& d : inLevel) {
        pieces += d.kind == DrawCall::SetPixel;
        const double y = d.kind == DrawCall::SetPixel ? d.y1 : d.y2;
        EXPECT_GE(y, 25);
        if (d.kind == DrawCall::LineTo) {
            EXPECT_GE(d.y1, 25);  // no segment from beyond the edge
        }
    }
    EXPECT_EQ(pieces, 2);
    // The second piece begins after the resonance, with a gap of missing points.
    const auto second = std::find_if(inLevel.begin() + 1, inLevel.end(),
                                     [](const DrawCall& d) { return d.kind == DrawCall::SetPixel; });
    ASSERT_NE(second, inLevel.end());
    const double resonanceX = 12.5 + (std::log10(1 / (6.283184 * std::sqrt(0.01 * 1e-6))) - 2) * 187.5 / 4;
    EXPECT_GT(std::abs(SampleZi(tank, 1591.5)), 1000);
    EXPECT_GT(second->x1, resonanceX);
    const DrawCall& before = *(second - 1);
    EXPECT_LT(before.x2, resonanceX);
    EXPECT_GT(second->x1 - before.x2, 2 * 187.5 / 500);
}

TEST_F(PageDrawing, KeptCurveInCyanWithinTheSpan)
{
    g.keptCurve.on = true;
    g.keptCurve.count = 4;
    // log10 f, log10 |Z|, phase; the third point lies beyond the span.
    const float lf[] = {0, 2.5f, 3.0f, 7.0f, 4.0f};
    const float lm[] = {0, 1.0f, 2.0f, 2.0f, 3.0f};
    const float ph[] = {0, 0.0f, 10.0f, 10.0f, -30.0f};
    for (int i = 1; i <= 4; ++i)
        g.keptCurve.logFrequency[i] = lf[i], g.keptCurve.logMagnitude[i] = lm[i], g.keptCurve.phase[i] = ph[i];
    ASSERT_TRUE(Draw());

    const auto level = CurveCalls(kCyan, 25, 100);
    ASSERT_EQ(level.size(), 3u);
    EXPECT_EQ(level[0].kind, DrawCall::SetPixel);
    EXPECT_NEAR(level[0].x1, 12.5 + 0.5 * 187.5 / 4, 1e-4);
    EXPECT_NEAR(level[0].y1, 100 - 1 * 12.5, 1e-4);
    EXPECT_EQ(level[1].kind, DrawCall::LineTo);
    EXPECT_EQ(level[2].kind, DrawCall::SetPixel);  // after the point beyond the span
    EXPECT_NEAR(level[2].x1, 12.5 + 2 * 187.5 / 4, 1e-4);
    EXPECT_NEAR(level[2].y1, 100 - 3 * 12.5, 1e-4);

    const auto phase = CurveCalls(kCyan, 106.25, 181.25);
    ASSERT_EQ(phase.size(), 3u);
    EXPECT_NEAR(phase[2].y1, 181.25 - 60 * 75.0 / 180, 1e-4);
}

TEST_F(PageDrawing, BranchVoltagesOnlyForCheckedBranchesInTheirColours)
{
    g.quantity = PlottedQuantity::BranchVoltage;
    ticked = {1, 3};
    ASSERT_TRUE(Draw());
    std::vector<QColor> starts;
    for (const DrawCall& d : page.CallsOf(DrawCall::SetPixel)) starts.push_back(d.colour);
    const QColor b1 = BranchColour(g.branchColours[1]);
    const QColor b3 = BranchColour(g.branchColours[3]);
    EXPECT_EQ(starts, (std::vector<QColor>{b1, b1, b3, b3}));  // level then phase, per branch
    for (const DrawCall& d : page.CallsOf(DrawCall::LineTo)) EXPECT_TRUE(d.colour == b1 || d.colour == b3);
    EXPECT_EQ(page.CallsOf(DrawCall::LineTo).size(), 4u * 500);
}

// A stepped family: each value's curves in its colour, the legend below the
// phase graph's labels and inside the block the clipboard copies.
TEST_F(PageDrawing, SteppedFamilyInItsColoursWithItsLegendBelowThePhaseGraph)
{
    SweepResult swept;
    const ElementVariation steps{{3, ElementKind::Capacitance}, {1e-6, 2.2e-6, 4.7e-6}, true};
    const PlottedSweep family = PlotVariedSweep(c, g, {}, true, steps, swept);
    ASSERT_EQ(PageDrawer(prt, picture, g, family, swept).DrawPage().kind, SweepResult::Completed);
    const float D = LayoutWidth(prt.paper.paperWidthMm, prt.margins);
    for (int m = 0; m < 3; ++m) {
        EXPECT_GT(CurveCalls(FamilyColour(m), prt.frames.phaseTop, prt.frames.phaseBottom).size(), 100u) << m;
        const auto strokes = page.CallsOf(DrawCall::Line);
        EXPECT_EQ(std::count_if(strokes.begin(), strokes.end(),
                                [&](const DrawCall& d) { return d.colour == FamilyColour(m) && d.y1 > LegendTop(D); }),
                  1);
    }
    const std::vector<DrawCall> legend = PrintsIn(LegendTop(D), 1e9);
    EXPECT_EQ(TextsOf(legend), (std::vector<QString>{"Z3: C", "1 μF", "2.2 μF", "4.7 μF"}));
    EXPECT_GT(ClipScale(prt.paper, prt.margins, LegendRows(3)).bottom, legend.back().y1 + LineHeight());
}

// Every curve named below the phase graph, four to a row, with a stroke in
// the colour and the dash pattern its curve is drawn in; no two alike.
TEST_F(PageDrawing, LegendNamesEachCurveInItsColourAndLineStyle)
{
    struct Case {
        PlottedQuantity quantity;
        std::set<int> ticked;
        bool kept;
        std::vector<QString> names;
    };
    std::vector<QString> all;
    for (int b = 1; b <= 15; ++b) all.push_back(QStringLiteral("I%1").arg(b, 2, 10, QChar('0')));
    const std::set<int> every{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    g.keptCurve.count = 2;
    g.keptCurve.logFrequency[1] = 3, g.keptCurve.logFrequency[2] = 4;
    const float D = LayoutWidth(prt.paper.paperWidthMm, prt.margins);
    for (const Case& k : {Case{PlottedQuantity::BranchVoltage, {1, 3}, false, {"V01", "V03"}},
                          Case{PlottedQuantity::InputImpedance, {}, true, {"Zi", "保存したZi"}},
                          Case{PlottedQuantity::BranchCurrent, every, false, all}}) {
        page.ClearCalls();
        g.quantity = k.quantity;
        g.keptCurve.on = k.kept;
        ticked = k.ticked;
        if (k.ticked == every) c = sample::Ladder(5);
        ASSERT_TRUE(Draw());
        const std::vector<DrawCall> names = PrintsIn(LegendTop(D), 1e9);
        ASSERT_EQ(TextsOf(names), k.names);
        EXPECT_NEAR(names.back().y1, LegendTop(D) + LegendRowHeight(D) * ((k.names.size() - 1) / 4), 1e-9);
        std::map<QRgb, QString> curves, strokes;
        QString dashes;
        for (const DrawCall& d : page.Calls()) {
            if (d.kind == DrawCall::Dashes) dashes = d.text;
            if (d.kind == DrawCall::LineTo) curves[d.colour.rgb()] = dashes;
            if (d.kind == DrawCall::Line && d.y1 > LegendTop(D)) strokes[d.colour.rgb()] = dashes;
        }
        EXPECT_EQ(strokes, curves);
        std::set<QString> patterns;
        for (const auto& [colour, pattern] : strokes) patterns.insert(pattern);
        EXPECT_EQ(patterns.size(), k.names.size());
    }
    EXPECT_LE(LegendTop(D) + LegendRows(15, false) * LegendRowHeight(D), 297 - 5 - 5);
}

// The legend takes the free space below the phase graph and nothing else:
// outside its rows the page is pixel for pixel the page without it.
TEST_F(PageDrawing, LegendLeavesEveryPixelOutsideItsRows)
{
    g.quantity = PlottedQuantity::BranchCurrent;
    const HandedSweep handed = SweepFor(c, g, {1, 2, 3});
    const ScaleCorners sheet = PictureScale(prt.paper, prt.margins);
    prt.fontScale = 0.5f;
    std::vector<QImage> pages;
    for (const bool legend : {false, true}) {
        ImageSurface picture(QSize(397, 561));
        picture.SetBackColor(Qt::white);
        picture.SetScale(sheet.left, sheet.top, sheet.right, sheet.bottom);
        prt.surface = &picture;
        PageDrawer drawer(prt, page, g, handed.sweep, handed.outcome);
        ASSERT_EQ((legend ? drawer.DrawPage() : drawer.DrawGraphs()).kind, SweepResult::Completed);
        pages.push_back(picture.Image().copy());
        prt.surface = &page;
    }
    const float D = LayoutWidth(prt.paper.paperWidthMm, prt.margins);
    ImageSurface band(QSize(397, 561));
    band.SetScale(sheet.left, sheet.top, sheet.right, sheet.bottom);
    const int top = static_cast<int>(band.ToPainter(0, LegendTop(D)).y());
    const int bottom =
        static_cast<int>(std::ceil(band.ToPainter(0, LegendTop(D) + LegendRows(3, false) * LegendRowHeight(D)).y()));
    int outside = 0, inside = 0;
    for (int y = 0; y < pages[0].height(); ++y)
        for (int x = 0; x < pages[0].width(); ++x)
            (y >= top && y < bottom ? inside : outside) += pages[0].pixel(x, y) != pages[1].pixel(x, y);
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 100);
}

TEST_F(PageDrawing, ArithmeticErrorOfTheImpedanceCurveIsReportedButADivisionByZeroSkipsItsPoint)
{
    SampleValues huge;
    huge.l1 = 1e306;  // ωL overflows
    c = SampleCircuit(huge);
    EXPECT_FALSE(Draw());
    EXPECT_EQ(outcome.kind, SweepResult::Failed);
    EXPECT_EQ(outcome.description, CalcError(CalcError::Overflow).description());
    EXPECT_TRUE(CurveCalls(kRed, -1e9, 1e9).empty());

    // The smallest capacitance: below about 0.08 Hz ωC underflows to zero and
    // 1 ÷ ωC divides by it, which leaves those points out; above, 1 ÷ ωC
    // overflows, which alone is reported.
    SampleValues tiny;
    tiny.c3 = std::numeric_limits<double>::denorm_min();
    c = SampleCircuit(tiny);
    g.sweepStart = 0.01;
    g.sweepEnd = 1;
    g.frequencySpan = FrequencySpan::TwoDecades;
    EXPECT_FALSE(Draw());
    EXPECT_EQ(outcome.description, CalcError(CalcError::Overflow).description());
}

TEST_F(PageDrawing, SingularMatrixSkipsPointsOrSendsTheUserBack)
{
    // Loop 2 has neither impedance nor coupling: no inverse at any frequency.
    DefineMatrixElement(c, 1, 2, Marks(16, 0));
    DefineMatrixElement(c, 2, 2, Marks(16, 0));
    ASSERT_TRUE(Draw());
    EXPECT_TRUE(CurveCalls(kRed, -1e9, 1e9).empty());

    valid = false;
    g.quantity = PlottedQuantity::BranchCurrent;
    ticked = {2};
    EXPECT_FALSE(Draw());
    EXPECT_EQ(outcome.kind, SweepResult::NoCalculation);
}

}  // namespace
