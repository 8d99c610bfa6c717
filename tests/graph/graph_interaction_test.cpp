// The plotted quantity, the branch boxes, the position buttons, the cursor
// readout and the kept curve, driven through the widgets with mouse events.

#include <cmath>
#include <complex>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "calc/analysis.h"
#include "graph/curve_legend.h"
#include "graph/marker_overlay.h"
#include "graph/readout_text.h"
#include "document/qstring_utf8.h"
#include "document/whole_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/graph/page_fixture.h"
#include "tests/support/pixels.h"
#include "tests/support/qstring_printer.h"

namespace {

// Two loops, four branches: Z4 in series with Z3 in the right mesh.
Circuit FourBranches()
{
    Circuit c = sample::Empty(2, 4);
    sample::SetBranch(c, 1, {10, 0.01, 0});
    sample::SetBranch(c, 2, {5, 0, 1e-6});
    sample::SetBranch(c, 3, {100, 0.1, 0});
    sample::SetBranch(c, 4, {20, 0, 1e-7});
    sample::DefineZ(c, 11, {{1, 1}, {2, 1}});
    sample::DefineZ(c, 12, {{2, -1}});
    sample::DefineZ(c, 22, {{2, 1}, {3, 1}, {4, 1}});
    sample::DefineCurrent(c, 1, {{1, 1}});
    sample::DefineCurrent(c, 2, {{1, 1}, {2, -1}});
    sample::DefineCurrent(c, 3, {{2, 1}});
    sample::DefineCurrent(c, 4, {{2, 1}});
    return c;
}

const QColor kMarker(1, 128, 64);

// A short line in a colour the graphs never use; a redraw clears it.
void Mark(PictureBox& box)
{
    const QPointF a = box.ToUser({10, 10}), b = box.ToUser({60, 10});
    box.Line(a.x(), a.y(), b.x(), b.y(), kMarker);
}

bool Marked(PictureBox& box) { return CountPixels(box.Image(), Exactly(kMarker)) > 0; }

bool Drawn(PictureBox& box, const QColor& colour) { return CountPixels(box.Image(), Near(colour)) > 30; }

// The graph page on screen after a successful calculation, showing the
// input impedance as the frequency-characteristics command draws it.
class InteractionTest : public PageTest {
protected:
    explicit InteractionTest(Circuit c = sample::TwoLoopRlc()) : PageTest(std::move(c))
    {
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        Calculated();
        host.PressFrequencyCommand();
    }
    void Click(QWidget& w) { QTest::mouseClick(&w, Qt::LeftButton); }
    QPoint At(PictureBox& box, double x, double y) { return box.ToPainter(x, y).toPoint(); }
    QColor BranchCol(int b) const { return BranchColour(state.branchColours[b]); }
};

class FourBranchTest : public InteractionTest {
protected:
    FourBranchTest() : InteractionTest(FourBranches()) {}
};

TEST_F(FourBranchTest, BranchCurrentsOfferFourBoxesInTheirColoursAndDrawOnlyTheTicked)
{
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    EXPECT_EQ(state.quantity, PlottedQuantity::BranchCurrent);
    for (int b = 1; b <= 4; ++b) {
        EXPECT_TRUE(page->BranchCheck(b).isVisible()) << b;
        EXPECT_EQ(page->BranchCheck(b).text(), QStringLiteral("I0%1").arg(b));
        EXPECT_EQ(page->BranchCheck(b).palette().color(QPalette::Window), BranchCol(b)) << b;
    }
    EXPECT_FALSE(page->BranchCheck(5).isVisible());
    EXPECT_FALSE(page->KeepCurveButton().isVisible());
    EXPECT_FALSE(page->DropKeptCurveButton().isVisible());

    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    EXPECT_TRUE(Drawn(mag, BranchCol(1)));
    EXPECT_TRUE(Drawn(ph, BranchCol(1)));
    // Branch 2's colour is the red of the impedance curve, which is gone too.
    EXPECT_FALSE(Drawn(mag, BranchCol(2)));
    EXPECT_FALSE(Drawn(mag, BranchCol(3)));

    Click(page->BranchCheck(3));
    EXPECT_TRUE(page->BranchCheck(3).isChecked());
    EXPECT_TRUE(Drawn(mag, BranchCol(1)));
    EXPECT_TRUE(Drawn(mag, BranchCol(3)));
    EXPECT_TRUE(Drawn(ph, BranchCol(3)));
    EXPECT_FALSE(Drawn(mag, BranchCol(4)));
    EXPECT_FALSE(Drawn(ph, BranchCol(2)));

    Click(page->QuantityOption(PlottedQuantity::BranchVoltage));
    EXPECT_EQ(page->BranchCheck(3).text(), "V03");
    EXPECT_TRUE(Drawn(mag, BranchCol(3)));
}

TEST_F(InteractionTest, ChoosingABranchQuantityDropsTheKeptCurve)
{
    Click(page->KeepCurveButton());
    EXPECT_TRUE(state.keptCurve.on);
    EXPECT_GT(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 100);
    EXPECT_TRUE(page->DropKeptCurveButton().isVisible());

    Click(page->QuantityOption(PlottedQuantity::BranchVoltage));
    EXPECT_FALSE(state.keptCurve.on);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 0);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Phase).Image(), Whitish), 0);

    Click(page->QuantityOption(PlottedQuantity::InputImpedance));
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 0);
    EXPECT_GT(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Reddish), 100);
    EXPECT_TRUE(page->KeepCurveButton().isVisible());
    EXPECT_FALSE(page->BranchCheck(1).isVisible());
}

TEST_F(InteractionTest, BranchBoxesRedrawOnlyWhileABranchQuantityIsPlotted)
{
    const int presses = host.frequencyPresses;
    Mark(page->GraphBox(Graph::Magnitude));
    page->BranchCheck(2).click();  // hidden while the impedance is plotted
    EXPECT_TRUE(Marked(page->GraphBox(Graph::Magnitude)));
    EXPECT_EQ(host.frequencyPresses, presses);
    EXPECT_EQ(state.quantity, PlottedQuantity::InputImpedance);

    // The box was ticked all the same.
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    EXPECT_TRUE(Drawn(page->GraphBox(Graph::Magnitude), BranchCol(2)));
    Mark(page->GraphBox(Graph::Magnitude));
    Click(page->BranchCheck(2));
    EXPECT_FALSE(page->BranchCheck(2).isChecked());
    EXPECT_FALSE(Marked(page->GraphBox(Graph::Magnitude)));
    EXPECT_FALSE(Drawn(page->GraphBox(Graph::Magnitude), BranchCol(2)));
}

TEST_F(InteractionTest, WithoutAValidCalculationAQuantityChangesControlsOnly)
{
    host.enabled = false;
    page->ResetForNewCircuit();
    const int presses = host.frequencyPresses;
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    EXPECT_EQ(state.quantity, PlottedQuantity::BranchCurrent);
    EXPECT_TRUE(page->BranchCheck(3).isVisible());
    EXPECT_EQ(host.frequencyPresses, presses);
    EXPECT_FALSE(Drawn(page->GraphBox(Graph::Magnitude), BranchCol(1)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(InteractionTest, FrequencyPositionStepsADecadeAndStopsAtItsLimits)
{
    Click(page->FrequencyRightButton());
    EXPECT_EQ(state.sweepStart, 1000.0);
    EXPECT_EQ(state.sweepEnd, 1e7);
    EXPECT_TRUE(page->FrequencySpanOption(FrequencySpan::FourDecades).isChecked());
    for (int i = 0; i < 4; ++i) Click(page->FrequencyRightButton());
    EXPECT_EQ(state.sweepStart, 1e5);
    EXPECT_EQ(state.sweepEnd, 1e9);
    EXPECT_EQ(state.frequencyPosition, 8);

    // At the limit a press still redraws.
    Mark(page->GraphBox(Graph::Phase));
    Click(page->FrequencyRightButton());
    EXPECT_EQ(state.sweepStart, 1e5);
    EXPECT_FALSE(Marked(page->GraphBox(Graph::Phase)));

    for (int i = 0; i < 9; ++i) Click(page->FrequencyLeftButton());
    EXPECT_EQ(state.sweepStart, 0.01);
    EXPECT_EQ(state.frequencyPosition, 1);
}

TEST_F(InteractionTest, MagnitudePositionIsKeptPerQuantity)
{
    for (int i = 0; i < 5; ++i) Click(page->MagnitudeUpButton());
    EXPECT_EQ(state.impedanceAxisMin, 1e5);
    EXPECT_EQ(state.impedanceAxisMax, 1e11);
    Mark(page->GraphBox(Graph::Magnitude));
    Click(page->MagnitudeUpButton());
    EXPECT_EQ(state.impedanceAxisMin, 1e5);
    EXPECT_FALSE(Marked(page->GraphBox(Graph::Magnitude)));
    EXPECT_TRUE(page->LevelSpanOption(LevelSpan::SixDecades).isChecked());

    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    Click(page->MagnitudeDownButton());
    EXPECT_EQ(state.currentAxisMin, 1e-4);
    EXPECT_EQ(state.currentPosition, 5);
    EXPECT_EQ(state.impedanceAxisMin, 1e5);
    EXPECT_EQ(state.voltageAxisMin, 0.001);

    Click(page->QuantityOption(PlottedQuantity::InputImpedance));
    EXPECT_EQ(state.impedancePosition, 8);
    EXPECT_EQ(state.impedanceAxisMax, 1e11);
}

TEST_F(InteractionTest, PhasePositionStopsAtZeroAndMinus360)
{
    for (int i = 0; i < 3; ++i) Click(page->PhaseUpButton());
    EXPECT_EQ(state.phaseAxisMin, 0.0);
    Click(page->PhaseUpButton());
    EXPECT_EQ(state.phaseAxisMin, 0.0);
    EXPECT_EQ(state.phaseAxisMax, 180.0);
    for (int i = 0; i < 14; ++i) Click(page->PhaseDownButton());
    EXPECT_EQ(state.phaseAxisMin, -360.0);
    EXPECT_EQ(state.phasePosition, 1);
}

// log10 |Zi| and the phase of the two-loop sample with Z3's resistance r3.
std::pair<double, double> SamplePoint(double r3, double f)
{
    const auto zi = sample::TwoLoopZi({10, 0.01, 0}, {5, 0, 1e-6}, {r3, 0.1, 1e-7}, f);
    return {std::log10(std::abs(zi)), std::arg(zi) * 180 / M_PI};
}

TEST_F(InteractionTest, KeptCurveMovesWithTheLiveCurve)
{
    Click(page->KeepCurveButton());
    sample::SetBranch(circuit, 3, {1000, 0.1, 1e-7});
    host.PressFrequencyCommand();
    Click(page->FrequencyLeftButton());
    EXPECT_EQ(state.sweepStart, 10.0);

    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    auto apart = [](PictureBox& box, double x, double y1, double y2) {
        return std::abs(box.ToPainter(x, y1).y() - box.ToPainter(x, y2).y()) > 4;
    };
    int distinct = 0;
    for (double f : {300.0, 1000.0, 1300.0, 1600.0, 2000.0, 2500.0, 50000.0}) {
        const auto [keptMag, keptPh] = SamplePoint(100, f);
        const auto [liveMag, livePh] = SamplePoint(1000, f);
        const double x = std::log10(f);
        EXPECT_TRUE(FoundNear(mag, x, keptMag, 2, Whitish)) << f;
        EXPECT_TRUE(FoundNear(ph, x, keptPh, 2, Whitish)) << f;
        // Where the curves coincide the white one covers the red.
        if (apart(mag, x, keptMag, liveMag)) {
            EXPECT_TRUE(FoundNear(mag, x, liveMag, 2, Reddish)) << f;
            ++distinct;
        }
        if (apart(ph, x, keptPh, livePh)) {
            EXPECT_TRUE(FoundNear(ph, x, livePh, 2, Reddish)) << f;
            ++distinct;
        }
    }
    EXPECT_GE(distinct, 4);
}

TEST_F(InteractionTest, ReadoutTextsFollowTheCursor)
{
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    QTest::mouseMove(&mag, At(mag, 3.3, 2.0));
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Magnitude).isVisible());
    EXPECT_EQ(page->FrequencyReadoutLabel(Graph::Magnitude).text(), " 2KHz");
    EXPECT_TRUE(page->ValueReadoutLabel(Graph::Magnitude).text().endsWith(U8("Ω")));
    const double shown = page->ValueReadoutLabel(Graph::Magnitude).text().chopped(1).toDouble();
    EXPECT_GT(shown, 95);
    EXPECT_LT(shown, 105);
    EXPECT_EQ(mag.cursor().shape(), Qt::CrossCursor);

    PictureBox& ph = page->GraphBox(Graph::Phase);
    QTest::mouseMove(&ph, At(ph, 3.3, -45));
    EXPECT_EQ(page->FrequencyReadoutLabel(Graph::Phase).text(), " 2KHz");
    EXPECT_TRUE(page->ValueReadoutLabel(Graph::Phase).text().startsWith("-4"));
    EXPECT_FALSE(page->FrequencyReadoutLabel(Graph::Magnitude).isVisible());

    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    page->OnGraphMouseMove(Graph::Magnitude, 3.5, std::log10(4e-8));
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Magnitude).text(), U8(" 0μＡ"));
}

TEST_F(InteractionTest, AClickHoldsTheReadoutAcrossARedrawAndASecondFreesIt)
{
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    const QPoint a = At(mag, 3.3, 2.0), b = At(mag, 4.6, 4.2);
    QTest::mouseMove(&mag, a);
    const QString heldFreq = page->FrequencyReadoutLabel(Graph::Magnitude).text(),
                  heldValue = page->ValueReadoutLabel(Graph::Magnitude).text();
    QTest::mouseClick(&mag, Qt::LeftButton, {}, a);
    EXPECT_TRUE(page->ReadoutHeld(Graph::Magnitude));

    host.PressFrequencyCommand();
    QTest::mouseMove(&mag, b);
    EXPECT_EQ(page->FrequencyReadoutLabel(Graph::Magnitude).text(), heldFreq);
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Magnitude).text(), heldValue);

    QTest::mouseClick(&mag, Qt::LeftButton, {}, b);
    EXPECT_FALSE(page->ReadoutHeld(Graph::Magnitude));
    QTest::mouseMove(&mag, b + QPoint(1, 0));
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Magnitude).text().startsWith(" 4"));
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Magnitude).text().endsWith("KHz"));
    EXPECT_NE(page->ValueReadoutLabel(Graph::Magnitude).text(), heldValue);
}

TEST_F(InteractionTest, MovingOverThePanelHidesOnlyTheFreeReadouts)
{
    PictureBox& ph = page->GraphBox(Graph::Phase);
    QTest::mouseMove(&ph, At(ph, 3, 0));
    QTest::mouseClick(&ph, Qt::LeftButton, {}, At(ph, 3, 0));
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    QTest::mouseMove(&mag, At(mag, 3, 3));
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Magnitude).isVisible());
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Phase).isVisible());

    QTest::mouseMove(page.get(), QPoint(20, page->height() - 20));
    EXPECT_FALSE(page->FrequencyReadoutLabel(Graph::Magnitude).isVisible());
    EXPECT_FALSE(page->ValueReadoutLabel(Graph::Magnitude).isVisible());
    EXPECT_TRUE(page->FrequencyReadoutLabel(Graph::Phase).isVisible());
    EXPECT_TRUE(page->ValueReadoutLabel(Graph::Phase).isVisible());
    EXPECT_EQ(page->FrequencyReadoutLabel(Graph::Phase).text(), " 1KHz");
}

// A held readout shows only what was held for the quantity plotted, at once
// on a change of quantity, and never a reading of results that are gone.
TEST_F(InteractionTest, HeldReadingsBelongToTheirQuantityAndGoWithTheResults)
{
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    const auto hold = [this](PictureBox& box, double x, double y) {
        QTest::mouseMove(&box, At(box, x, y));
        QTest::mouseClick(&box, Qt::LeftButton, {}, At(box, x, y));
    };
    hold(mag, 3, 3);
    const QString heldFreq = page->FrequencyReadoutLabel(Graph::Magnitude).text(),
                  heldValue = page->ValueReadoutLabel(Graph::Magnitude).text();
    hold(ph, 3.5, -30);
    const QString heldPhase = page->ValueReadoutLabel(Graph::Phase).text();

    // Nothing is held for the currents yet.
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    for (Graph graph : kGraphs) {
        EXPECT_TRUE(page->ValueReadoutLabel(graph).isVisible()) << IndexOf(graph);
        EXPECT_EQ(page->FrequencyReadoutLabel(graph).text(), "") << IndexOf(graph);
        EXPECT_EQ(page->ValueReadoutLabel(graph).text(), "") << IndexOf(graph);
    }
    QTest::mouseMove(&mag, At(mag, 4, 1));
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Magnitude).text(), "");
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Phase).text(), "");

    // Released and held again with the currents plotted.
    QTest::mouseClick(&mag, Qt::LeftButton, {}, At(mag, 4, 1));
    hold(mag, 4, -2);
    const QString heldCurrent = page->ValueReadoutLabel(Graph::Magnitude).text();
    ASSERT_TRUE(heldCurrent.endsWith(U8("Ａ")));

    Click(page->QuantityOption(PlottedQuantity::InputImpedance));
    EXPECT_EQ(page->FrequencyReadoutLabel(Graph::Magnitude).text(), heldFreq);
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Magnitude).text(), heldValue);
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Phase).text(), heldPhase);

    page->DropReadoutHolds();
    EXPECT_FALSE(page->ReadoutHeld(Graph::Magnitude));
    EXPECT_FALSE(page->ReadoutHeld(Graph::Phase));
    EXPECT_FALSE(page->ValueReadoutLabel(Graph::Magnitude).isVisible());
    EXPECT_FALSE(page->ValueReadoutLabel(Graph::Phase).isVisible());

    // The current held before belongs to the earlier results.
    hold(mag, 3.5, 2);
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Magnitude).text(), "");
}

// Tuning and stepping draw copies of the circuit with Z3's capacitor varied:
// the curves, the marker and the searches are theirs; the circuit stays.
TEST_F(InteractionTest, TunedAndSteppedCurvesAreThoseOfCopiesOfTheCircuit)
{
    const ElementSlot c3{3, ElementKind::Capacitance};
    const PlottedCurve zi{PlottedQuantity::InputImpedance, 0};
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    const QPoint middle(mag.width() / 2, mag.height() / 2);
    ChooseFromGraphMenu(*page, Graph::Magnitude, middle, GraphMenuItem::Tune);
    EXPECT_EQ(host.tunings, 1);

    page->VaryElement({c3, {22e-9}, false});
    const Circuit tuned = WithElementValue(circuit, {c3, 22e-9});
    SweepResult outcome;
    const PlottedSweep expected = PlotSweep(&tuned, state, page->CheckedBranches(), true, outcome);
    EXPECT_EQ(ValueAt(page->Plotted(), zi, 300)->magnitude, ValueAt(expected, zi, 300)->magnitude);
    EXPECT_EQ(ElementValueIn(circuit, c3), 1e-7);
    ChooseFromGraphMenu(*page, Graph::Magnitude, middle, GraphMenuItem::Minimum);
    EXPECT_EQ(page->Marker()->point.frequency,
              SearchCurve(tuned, expected, zi, CurveSearch::Minimum, std::nullopt).points[0].frequency);
    EXPECT_TRUE(page->MarkerValuesLabel().text().endsWith(U8("Z3: C = 22 nF　最小値")));
    page->EndVariation();
    EXPECT_EQ(ElementValueIn(page->Plotted().circuit, c3), 1e-7);
    EXPECT_FALSE(page->MarkerValuesLabel().text().contains("Z3:"));

    // A family: a curve per value in its colour, named in the legend; the
    // marker takes the curve nearest the pointer, the searches the marker's.
    page->VaryElement({c3, {22e-9, 47e-9, 100e-9}, true});
    ASSERT_EQ(CurvesOf(page->Plotted()).size(), 3u);
    for (int m = 0; m < 3; ++m) EXPECT_TRUE(Drawn(mag, FamilyColour(m))) << m;
    EXPECT_TRUE(page->Legend().isVisible());
    EXPECT_EQ(page->Legend().Legend().entries[1].text, U8("47 nF"));
    const PlottedCurve second{PlottedQuantity::InputImpedance, 0, 1};
    const CurvePoint dip = SearchCurve(AnalysedCircuit(page->Plotted(), second), page->Plotted(), second,
                                       CurveSearch::Minimum, std::nullopt)
                               .points[0];
    const QPoint atDip = At(mag, std::log10(dip.frequency), std::log10(dip.magnitude));
    QTest::mouseMove(&mag, atDip);
    EXPECT_EQ(page->Marker()->curve, second);
    EXPECT_TRUE(page->MarkerValuesLabel().text().endsWith(U8("Z3: C = 47 nF")));
    QTest::mouseClick(&mag, Qt::LeftButton, {}, atDip);
    ChooseFromGraphMenu(*page, Graph::Magnitude, QPoint(5, 5), GraphMenuItem::Minimum);
    EXPECT_EQ(page->Marker()->point.frequency, dip.frequency);
    Click(page->KeepCurveButton());
    EXPECT_GT(CountPixels(mag.Image(), Whitish), 100);

    // For a branch quantity, the element's own branch alone.
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    for (const PlottedCurve& curve : CurvesOf(page->Plotted())) EXPECT_EQ(curve.branch, 3);
    EXPECT_EQ(page->Legend().Legend().title, U8("I03　Z3: C"));
}

TEST_F(PageTest, KeepingBeforeAnySweepOnlySwitchesState)
{
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    QTest::mouseClick(&page->KeepCurveButton(), Qt::LeftButton);
    EXPECT_TRUE(state.keptCurve.on);
    EXPECT_EQ(state.keptCurve.count, 0);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 0);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Phase).Image(), Whitish), 0);
    EXPECT_FALSE(page->KeepCurveButton().isVisible());
    EXPECT_TRUE(page->DropKeptCurveButton().isVisible());
}

TEST_F(InteractionTest, DroppingTheKeptCurveClearsItAndRecordingResumes)
{
    Click(page->KeepCurveButton());
    const float keptAt100 = state.keptCurve.logMagnitude[100];
    sample::SetBranch(circuit, 1, {300, 0.01, 0});
    host.PressFrequencyCommand();
    EXPECT_EQ(state.keptCurve.logMagnitude[100], keptAt100);
    EXPECT_GT(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 100);

    Click(page->DropKeptCurveButton());
    EXPECT_FALSE(state.keptCurve.on);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Magnitude).Image(), Whitish), 0);
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Phase).Image(), Whitish), 0);
    EXPECT_TRUE(page->KeepCurveButton().isVisible());
    EXPECT_FALSE(page->DropKeptCurveButton().isVisible());
    EXPECT_TRUE(page->FrequencySpanOption(FrequencySpan::FourDecades).isChecked());
    EXPECT_TRUE(page->LevelSpanOption(LevelSpan::SixDecades).isChecked());
    EXPECT_NE(state.keptCurve.logMagnitude[100], keptAt100);
    EXPECT_GT(state.keptCurve.logMagnitude[1], 2.4f);  // above 300 Ω at 100 Hz
}

}  // namespace

namespace {

// The numbers of the readout line, each with the factor of its unit.
struct LineReading {
    double frequency, magnitude, phase;
};

double UnitFactor(const QString& unit)
{
    const std::pair<const char*, double> units[] = {
        {"Ｈｚ", 1},   {"ＫＨｚ", 1e3}, {"ＭＨｚ", 1e6}, {"Ω", 1},      {"ＫΩ", 1e3},   {"ＭΩ", 1e6},
        {"μＡ", 1e-6}, {"ｍＡ", 1e-3},  {"Ａ", 1},       {"μＶ", 1e-6}, {"ｍＶ", 1e-3}, {"Ｖ", 1},
    };
    for (const auto& [text, factor] : units)
        if (unit == U8(text)) return factor;
    ADD_FAILURE() << "unit " << unit.toStdString();
    return 0;
}

std::optional<LineReading> ReadLine(const QString& line, const QString& name)
{
    const QRegularExpression form(
        QStringLiteral("^f = ([-0-9.]+)(\\S+)　\\|%1\\| = ([-0-9.]+(?:E-[0-9]+)?)(\\S+)　∠%1 = ([-0-9.]+)°$")
            .arg(name));
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch()) return std::nullopt;
    return LineReading{m.captured(1).toDouble() * UnitFactor(m.captured(2)),
                       m.captured(3).toDouble() * UnitFactor(m.captured(4)), m.captured(5).toDouble()};
}

// The analysis of a circuit of its own at the frequency.
Complex Analysed(const Circuit& c, const PlottedCurve& curve, double frequency)
{
    const std::optional<LoopResults> r = AnalyseAt(c, frequency);
    EXPECT_TRUE(r);
    if (curve.quantity == PlottedQuantity::BranchCurrent) return r->branchCurrent[curve.branch];
    if (curve.quantity == PlottedQuantity::BranchVoltage) return r->branchVoltage[curve.branch];
    return r->inputImpedance;
}

// Whether the marker over the graph lies on the plotted curve: at the
// analysis' magnitude, or at its phase moved by the whole turns the sweep's
// continuation added, between the plotted values of the points either side;
// or, where those lie beyond the top or bottom edge, inside it at that edge.
bool OnPlottedCurve(GraphPage& page, Graph graph, const TraceMarker& m)
{
    const PlottedSweep& sweep = page.Plotted();
    const std::vector<float>& xs = sweep.frequencies.logFrequency;
    const double x = std::log10(m.point.frequency);
    const size_t k = std::lower_bound(xs.begin(), xs.end(), x) - xs.begin();
    if (k == 0 || k >= xs.size()) return false;
    const SweepValue before = *ValueAt(sweep, m.curve, k - 1), after = *ValueAt(sweep, m.curve, k);
    PictureBox& box = page.GraphBox(graph);
    const QPointF centre = box.ToUser(*page.MarkerLayer(graph).Centre());
    if (std::abs(centre.x() - x) > 1e-9) return false;
    if (const int down = page.MarkerLayer(graph).Beyond().y()) {
        const auto pixel = [&](const SweepValue& v) {
            return box.ToPainter(x, graph == Graph::Phase ? v.phase : v.logMagnitude.value_or(-INFINITY)).y();
        };
        const double edge = down > 0 ? box.height() : 0;
        return (pixel(before) - edge) * down > 0 && (pixel(after) - edge) * down > 0 &&
               box.rect().contains(page.MarkerLayer(graph).Centre()->toPoint());
    }
    if (graph == Graph::Magnitude)
        return std::abs(centre.y() - std::log10(m.point.magnitude)) < 1e-9 &&
               centre.y() >= std::min(*before.logMagnitude, *after.logMagnitude) - 1e-3 &&
               centre.y() <= std::max(*before.logMagnitude, *after.logMagnitude) + 1e-3;
    return std::abs(std::remainder(centre.y() - m.point.phase, 360)) < 1e-9 &&
           centre.y() >= std::min(before.phase, after.phase) - 0.1 &&
           centre.y() <= std::max(before.phase, after.phase) + 0.1;
}

TEST(TraceMarker, ShowsTheAnalysisAtItsFrequencyOnTheCurveAndHoldsWithTheReadout)
{
    struct Case {
        const char* name;
        Circuit (*circuit)();
        PlottedQuantity quantity;
        int branch;
        Graph graph;
        double x;
        bool belowScale;  // the magnitude, 10^-12 A and less
    };
    // The load voltage's phase is continued below −180° at 3 kHz.
    const Case cases[] = {
        {"Zi", sample::TwoLoopRlc, PlottedQuantity::InputImpedance, 0, Graph::Magnitude, 3.2, false},
        {"I03", sample::TwoLoopRlc, PlottedQuantity::BranchCurrent, 3, Graph::Phase, 2.7, false},
        {"V06", sample::LadderFilter, PlottedQuantity::BranchVoltage, 6, Graph::Phase, 3.5, false},
        {"I06", sample::LadderFilter, PlottedQuantity::BranchCurrent, 6, Graph::Magnitude, 5.5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownPage shown(c.circuit(), c.quantity, c.branch);
        GraphPage& page = *shown.page;
        PictureBox& box = page.GraphBox(c.graph);
        const auto at = [&box](double x) { return QPoint(box.ToPainter(x, 0).toPoint().x(), box.height() / 2); };
        QTest::mouseMove(&box, at(c.x));
        ASSERT_TRUE(page.Marker().has_value());
        const TraceMarker m = *page.Marker();
        const PlottedCurve curve{c.quantity, c.branch};
        EXPECT_EQ(m.curve, curve);
        EXPECT_NEAR(std::log10(m.point.frequency), c.x, 0.01);
        const Complex exact = Analysed(c.circuit(), curve, m.point.frequency);
        EXPECT_EQ(m.point.value.re, exact.re);
        EXPECT_EQ(m.point.value.im, exact.im);

        // The line shows those values, five digits and the phase to 0.01°.
        EXPECT_TRUE(page.MarkerValuesLabel().isVisible());
        EXPECT_EQ(page.MarkerNameLabel().text(), c.name);
        EXPECT_EQ(page.MarkerNameLabel().palette().color(QPalette::WindowText), CurveColour(curve, shown.state));
        const std::optional<LineReading> line = ReadLine(page.MarkerValuesLabel().text(), c.name);
        ASSERT_TRUE(line.has_value()) << page.MarkerValuesLabel().text().toStdString();
        EXPECT_NEAR(line->frequency / m.point.frequency, 1, 5e-5);
        EXPECT_NEAR(line->magnitude / std::hypot(exact.re, exact.im), 1, 5e-5);
        EXPECT_NEAR(line->phase, std::atan2(exact.im, exact.re) * 180 / M_PI, 0.005);
        // It covers nothing of the page.
        for (QWidget* w : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w == &page.MarkerNameLabel() || w == &page.MarkerValuesLabel() || !w->isVisible()) continue;
            EXPECT_FALSE(w->geometry().intersects(page.MarkerValuesLabel().geometry()) ||
                         w->geometry().intersects(page.MarkerNameLabel().geometry()))
                << w->metaObject()->className();
        }

        // On the curve as plotted, in both graphs.
        for (Graph graph : kGraphs) EXPECT_TRUE(OnPlottedCurve(page, graph, m)) << IndexOf(graph);
        if (c.belowScale) {
            // At the bottom edge; the value with an exponent.
            EXPECT_EQ(page.MarkerLayer(Graph::Magnitude).Beyond(), QPoint(0, 1));
            EXPECT_TRUE(page.MarkerValuesLabel().text().contains(U8("E-06μＡ")));
            continue;
        }

        // Held by a click, it stays while the pointer moves and follows a
        // move of the frequency window; a change of quantity takes it away.
        QTest::mouseClick(&box, Qt::LeftButton, {}, at(c.x));
        EXPECT_TRUE(page.MarkerHeld());
        QTest::mouseMove(&box, at(c.x + 0.5));
        EXPECT_EQ(page.Marker()->point.frequency, m.point.frequency);
        QTest::mouseClick(&page.FrequencyLeftButton(), Qt::LeftButton);
        ASSERT_TRUE(page.Marker().has_value());
        EXPECT_EQ(page.Marker()->point.frequency, m.point.frequency);
        for (Graph graph : kGraphs) EXPECT_TRUE(OnPlottedCurve(page, graph, *page.Marker())) << IndexOf(graph);
        const PlottedQuantity other = c.quantity == PlottedQuantity::BranchVoltage ? PlottedQuantity::BranchCurrent
                                                                                   : PlottedQuantity::BranchVoltage;
        QTest::mouseClick(&page.QuantityOption(other), Qt::LeftButton);
        EXPECT_FALSE(page.Marker().has_value());
        EXPECT_FALSE(page.MarkerValuesLabel().isVisible());
        EXPECT_FALSE(page.MarkerLayer(Graph::Phase).Centre().has_value());
    }
}

}  // namespace

namespace {

// Every plotted point of the sweep lies inside the graph box.
bool AllInside(GraphPage& page, Graph graph)
{
    PictureBox& box = page.GraphBox(graph);
    const PlottedSweep& sweep = page.Plotted();
    for (const PlottedCurve& curve : CurvesOf(sweep))
        for (size_t k = 0; k < sweep.frequencies.logFrequency.size(); ++k) {
            const std::optional<SweepValue> v = ValueAt(sweep, curve, k);
            if (!v) continue;
            const double y = graph == Graph::Phase ? v->phase : *v->logMagnitude;
            const QPointF p = box.ToPainter(sweep.frequencies.logFrequency[k], y);
            if (p.y() < 0 || p.y() > box.height()) return false;
        }
    return true;
}

TEST_F(InteractionTest, FittingBringsCurvesFromOutsideBothGraphsInside)
{
    for (int i = 0; i < 5; ++i) Click(page->MagnitudeUpButton());
    for (int i = 0; i < 9; ++i) Click(page->PhaseDownButton());
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    ASSERT_EQ(CountPixels(mag.Image(), Reddish), 0);
    ASSERT_EQ(CountPixels(ph.Image(), Reddish), 0);

    const QPoint pointer(mag.width() / 2, 20);
    QTest::mouseMove(&ph, pointer);
    ChooseFromGraphMenu(*page, Graph::Phase, pointer, GraphMenuItem::Fit);
    EXPECT_TRUE(page->LevelSpanOption(LevelSpan::SixDecades).isChecked());
    for (Graph graph : kGraphs) EXPECT_TRUE(AllInside(*page, graph)) << IndexOf(graph);
    // The readout under the pointer reads the new scale at once.
    EXPECT_EQ(page->ValueReadoutLabel(Graph::Phase).text(), PhaseReadout(ph.ToUser(pointer).y()));
    // No empty decade above the curve: 10^4.8 Ω in the top one.
    EXPECT_EQ(state.impedanceAxisMax, 1e5);
    for (double f : {150.0, 1000.0, 1600.0, 5000.0, 200000.0}) {
        const auto [logZ, phase] = SamplePoint(100, f);
        EXPECT_TRUE(FoundNear(mag, std::log10(f), logZ, 2, Reddish)) << f;
        EXPECT_TRUE(FoundNear(ph, std::log10(f), phase, 2, Reddish)) << f;
    }

    // A low-pass current whose phase falls to −270° within the first decade
    // and stays there over the other three: the phase graph shows it there.
    circuit = sample::LadderFilter();
    page->BranchCheck(4).setChecked(true);
    page->BranchCheck(1).setChecked(false);
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    ChooseFromGraphMenu(*page, Graph::Phase, pointer, GraphMenuItem::Fit);
    EXPECT_LT(state.phaseAxisMin, -280);
    EXPECT_GT(state.phaseAxisMax, -260);
}

std::vector<QStringList> CsvRows(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        rows.push_back(line.split(','));
    return rows;
}

// The plotted curves only, with the kept curve beside them; a failed write
// leaves the file that was there.
TEST_F(InteractionTest, CsvHoldsThePlottedSweepRowForRow)
{
    QTemporaryDir dir;
    QString answer;
    page->SetSaveFileChooser([&answer](QWidget*, const SaveQuestion& q) {
        EXPECT_TRUE(q.suggested.endsWith(".csv"));
        return answer;
    });
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    const QPoint somewhere(mag.width() / 2, mag.height() / 2);
    Click(page->KeepCurveButton());
    sample::SetBranch(circuit, 3, {1000, 0.1, 1e-7});
    host.PressFrequencyCommand();

    answer = dir.filePath("zi.csv");
    ChooseFromGraphMenu(*page, Graph::Magnitude, somewhere, GraphMenuItem::SaveCsv);
    std::vector<QStringList> rows = CsvRows(answer);
    ASSERT_EQ(rows.size(), 502u);
    EXPECT_EQ(rows[0].join(','), "f[Hz],|Zi|[ohm],phase(Zi)[deg],f(Zi kept)[Hz],|Zi kept|[ohm],phase(Zi kept)[deg]");
    const PlottedSweep& sweep = page->Plotted();
    const PlottedCurve zi{PlottedQuantity::InputImpedance, 0};
    for (size_t k = 0; k < 501; ++k) {
        const QStringList& row = rows[k + 1];
        ASSERT_EQ(row.size(), 6);
        EXPECT_EQ(row[0].toDouble(), sweep.frequencies.frequency[k]);
        EXPECT_EQ(row[1].toDouble(), ValueAt(sweep, zi, k)->magnitude);
        EXPECT_EQ(row[2].toFloat(), ValueAt(sweep, zi, k)->phase);
        EXPECT_FLOAT_EQ(std::log10(row[4].toFloat()), state.keptCurve.logMagnitude[k + 1]);
        EXPECT_EQ(row[5].toFloat(), state.keptCurve.phase[k + 1]);
    }

    page->BranchCheck(3).setChecked(true);
    Click(page->QuantityOption(PlottedQuantity::BranchCurrent));
    answer = dir.filePath("currents.csv");
    ChooseFromGraphMenu(*page, Graph::Magnitude, somewhere, GraphMenuItem::SaveCsv);
    rows = CsvRows(answer);
    ASSERT_EQ(rows.size(), 502u);
    EXPECT_EQ(rows[0].join(','), "f[Hz],|I01|[A],phase(I01)[deg],|I03|[A],phase(I03)[deg]");

    const QByteArray before = [&] {
        QFile f(answer);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    {
        const FileSizeLimit full(1024);
        ChooseFromGraphMenu(*page, Graph::Magnitude, somewhere, GraphMenuItem::SaveCsv);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(U8(kCannotSaveFile)));
    QFile after(answer);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"currents.csv", "zi.csv"}));
}

}  // namespace
