// The plotted quantity, the branch boxes, the position buttons, the cursor
// readout and the kept curve, driven through the widgets with mouse events.

#include <cmath>
#include <complex>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "tests/graph/page_fixture.h"
#include "tests/graph/pixels.h"
#include "tests/support/qstring_printer.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

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

bool Marked(PictureBox& box) { return CountPixels(box, Exactly(kMarker)) > 0; }

bool Drawn(PictureBox& box, const QColor& colour) { return CountPixels(box, Near(colour)) > 30; }

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
    QColor BranchCol(int b) const { return BranchColour(state.BrColor[b]); }
};

class FourBranchTest : public InteractionTest {
protected:
    FourBranchTest() : InteractionTest(FourBranches()) {}
};

TEST_F(FourBranchTest, BranchCurrentsOfferFourBoxesInTheirColoursAndDrawOnlyTheTicked)
{
    Click(page->Option3(1));
    EXPECT_EQ(state.GrfQty, 1);
    for (int b = 1; b <= 4; ++b) {
        EXPECT_TRUE(page->Check1(b).isVisible()) << b;
        EXPECT_EQ(page->Check1(b).text(), QStringLiteral("I0%1").arg(b));
        EXPECT_EQ(page->Check1(b).palette().color(QPalette::Window), BranchCol(b)) << b;
    }
    EXPECT_FALSE(page->Check1(5).isVisible());
    EXPECT_FALSE(page->OldDtDspCmd(0).isVisible());
    EXPECT_FALSE(page->OldDtDspCmd(1).isVisible());

    PictureBox& mag = page->ImpGrf(0);
    PictureBox& ph = page->ImpGrf(1);
    EXPECT_TRUE(Drawn(mag, BranchCol(1)));
    EXPECT_TRUE(Drawn(ph, BranchCol(1)));
    // Branch 2's colour is the red of the impedance curve, which is gone too.
    EXPECT_FALSE(Drawn(mag, BranchCol(2)));
    EXPECT_FALSE(Drawn(mag, BranchCol(3)));

    Click(page->Check1(3));
    EXPECT_TRUE(page->Check1(3).isChecked());
    EXPECT_TRUE(Drawn(mag, BranchCol(1)));
    EXPECT_TRUE(Drawn(mag, BranchCol(3)));
    EXPECT_TRUE(Drawn(ph, BranchCol(3)));
    EXPECT_FALSE(Drawn(mag, BranchCol(4)));
    EXPECT_FALSE(Drawn(ph, BranchCol(2)));

    Click(page->Option3(2));
    EXPECT_EQ(page->Check1(3).text(), "V03");
    EXPECT_TRUE(Drawn(mag, BranchCol(3)));
}

TEST_F(InteractionTest, ChoosingABranchQuantityDropsTheKeptCurve)
{
    Click(page->OldDtDspCmd(0));
    EXPECT_EQ(state.KeptOn, 1);
    EXPECT_GT(CountPixels(page->ImpGrf(0), Whitish), 100);
    EXPECT_TRUE(page->OldDtDspCmd(1).isVisible());

    Click(page->Option3(2));
    EXPECT_EQ(state.KeptOn, 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(0), Whitish), 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(1), Whitish), 0);

    Click(page->Option3(0));
    EXPECT_EQ(CountPixels(page->ImpGrf(0), Whitish), 0);
    EXPECT_GT(CountPixels(page->ImpGrf(0), Reddish), 100);
    EXPECT_TRUE(page->OldDtDspCmd(0).isVisible());
    EXPECT_FALSE(page->Check1(1).isVisible());
}

TEST_F(InteractionTest, BranchBoxesRedrawOnlyWhileABranchQuantityIsPlotted)
{
    const int presses = host.frequencyPresses;
    Mark(page->ImpGrf(0));
    page->Check1(2).click();  // hidden while the impedance is plotted
    EXPECT_TRUE(Marked(page->ImpGrf(0)));
    EXPECT_EQ(host.frequencyPresses, presses);
    EXPECT_EQ(state.GrfQty, 0);

    // The box was ticked all the same.
    Click(page->Option3(1));
    EXPECT_TRUE(Drawn(page->ImpGrf(0), BranchCol(2)));
    Mark(page->ImpGrf(0));
    Click(page->Check1(2));
    EXPECT_FALSE(page->Check1(2).isChecked());
    EXPECT_FALSE(Marked(page->ImpGrf(0)));
    EXPECT_FALSE(Drawn(page->ImpGrf(0), BranchCol(2)));
}

TEST_F(InteractionTest, WithoutAValidCalculationAQuantityChangesControlsOnly)
{
    host.enabled = false;
    page->ResetForInitCircuit();
    const int presses = host.frequencyPresses;
    Click(page->Option3(1));
    EXPECT_EQ(state.GrfQty, 1);
    EXPECT_TRUE(page->Check1(3).isVisible());
    EXPECT_EQ(host.frequencyPresses, presses);
    EXPECT_FALSE(Drawn(page->ImpGrf(0), BranchCol(1)));
    EXPECT_TRUE(messages.empty());
}

TEST_F(InteractionTest, FrequencyPositionStepsADecadeAndStopsAtItsLimits)
{
    Click(page->HPos(1));
    EXPECT_EQ(state.SwpStart, 1000.0);
    EXPECT_EQ(state.SwpEnd, 1e7);
    EXPECT_TRUE(page->Option1(1).isChecked());
    for (int i = 0; i < 4; ++i) Click(page->HPos(1));
    EXPECT_EQ(state.SwpStart, 1e5);
    EXPECT_EQ(state.SwpEnd, 1e9);
    EXPECT_EQ(state.HPosIdx, 8);

    // At the limit a press still redraws.
    Mark(page->ImpGrf(1));
    Click(page->HPos(1));
    EXPECT_EQ(state.SwpStart, 1e5);
    EXPECT_FALSE(Marked(page->ImpGrf(1)));

    for (int i = 0; i < 9; ++i) Click(page->HPos(0));
    EXPECT_EQ(state.SwpStart, 0.01);
    EXPECT_EQ(state.HPosIdx, 1);
}

TEST_F(InteractionTest, MagnitudePositionIsKeptPerQuantity)
{
    for (int i = 0; i < 5; ++i) Click(page->ImpVpos(0));
    EXPECT_EQ(state.ZAxMin, 1e5);
    EXPECT_EQ(state.ZAxMax, 1e11);
    Mark(page->ImpGrf(0));
    Click(page->ImpVpos(0));
    EXPECT_EQ(state.ZAxMin, 1e5);
    EXPECT_FALSE(Marked(page->ImpGrf(0)));
    EXPECT_TRUE(page->Option2(0).isChecked());

    Click(page->Option3(1));
    Click(page->ImpVpos(1));
    EXPECT_EQ(state.IAxMin, 1e-4);
    EXPECT_EQ(state.IPosIdx, 5);
    EXPECT_EQ(state.ZAxMin, 1e5);
    EXPECT_EQ(state.VAxMin, 0.001);

    Click(page->Option3(0));
    EXPECT_EQ(state.ZPosIdx, 8);
    EXPECT_EQ(state.ZAxMax, 1e11);
}

TEST_F(InteractionTest, PhasePositionStopsAtZeroAndMinus360)
{
    for (int i = 0; i < 3; ++i) Click(page->PhVpos(0));
    EXPECT_EQ(state.PhAxMin, 0.0);
    Click(page->PhVpos(0));
    EXPECT_EQ(state.PhAxMin, 0.0);
    EXPECT_EQ(state.PhAxMax, 180.0);
    for (int i = 0; i < 14; ++i) Click(page->PhVpos(1));
    EXPECT_EQ(state.PhAxMin, -360.0);
    EXPECT_EQ(state.PhPosIdx, 1);
}

// log10 |Zi| and the phase of the two-loop sample with Z3's resistance r3.
std::pair<double, double> SamplePoint(double r3, double f)
{
    auto z = [f](double r, double l, double c) {
        const double w = 6.283184 * f;
        return std::complex<double>(r, w * l - (c != 0 ? 1 / (w * c) : 0));
    };
    const auto z2 = z(5, 0, 1e-6), z3 = z(r3, 0.1, 1e-7);
    const auto zi = z(10, 0.01, 0) + z2 * z3 / (z2 + z3);
    return {std::log10(std::abs(zi)), std::arg(zi) * 180 / M_PI};
}

TEST_F(InteractionTest, KeptCurveMovesWithTheLiveCurve)
{
    Click(page->OldDtDspCmd(0));
    circuit.BrR[3] = 1000;
    host.PressFrequencyCommand();
    Click(page->HPos(0));
    EXPECT_EQ(state.SwpStart, 10.0);

    PictureBox& mag = page->ImpGrf(0);
    PictureBox& ph = page->ImpGrf(1);
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
    PictureBox& mag = page->ImpGrf(0);
    QTest::mouseMove(&mag, At(mag, 3.3, 2.0));
    EXPECT_TRUE(page->Freq(0).isVisible());
    EXPECT_EQ(page->Freq(0).text(), " 2KHz");
    EXPECT_TRUE(page->ImpDp(0).text().endsWith(U("Ω")));
    const double shown = page->ImpDp(0).text().chopped(1).toDouble();
    EXPECT_GT(shown, 95);
    EXPECT_LT(shown, 105);
    EXPECT_EQ(mag.cursor().shape(), Qt::CrossCursor);

    PictureBox& ph = page->ImpGrf(1);
    QTest::mouseMove(&ph, At(ph, 3.3, -45));
    EXPECT_EQ(page->Freq(1).text(), " 2KHz");
    EXPECT_TRUE(page->ImpDp(1).text().startsWith("-4"));
    EXPECT_FALSE(page->Freq(0).isVisible());

    Click(page->Option3(1));
    page->OnGraphMouseMove(0, 3.5, std::log10(4e-8));
    EXPECT_EQ(page->ImpDp(0).text(), U(" 0μＡ"));
}

TEST_F(InteractionTest, AClickHoldsTheReadoutAcrossARedrawAndASecondFreesIt)
{
    PictureBox& mag = page->ImpGrf(0);
    const QPoint a = At(mag, 3.3, 2.0), b = At(mag, 4.6, 4.2);
    QTest::mouseMove(&mag, a);
    const QString heldFreq = page->Freq(0).text(), heldValue = page->ImpDp(0).text();
    QTest::mouseClick(&mag, Qt::LeftButton, {}, a);
    EXPECT_EQ(page->lkimpflg(), -1);

    host.PressFrequencyCommand();
    QTest::mouseMove(&mag, b);
    EXPECT_EQ(page->Freq(0).text(), heldFreq);
    EXPECT_EQ(page->ImpDp(0).text(), heldValue);

    QTest::mouseClick(&mag, Qt::LeftButton, {}, b);
    EXPECT_EQ(page->lkimpflg(), 0);
    QTest::mouseMove(&mag, b + QPoint(1, 0));
    EXPECT_TRUE(page->Freq(0).text().startsWith(" 4"));
    EXPECT_TRUE(page->Freq(0).text().endsWith("KHz"));
    EXPECT_NE(page->ImpDp(0).text(), heldValue);
}

TEST_F(InteractionTest, MovingOverThePanelHidesOnlyTheFreeReadouts)
{
    PictureBox& ph = page->ImpGrf(1);
    QTest::mouseMove(&ph, At(ph, 3, 0));
    QTest::mouseClick(&ph, Qt::LeftButton, {}, At(ph, 3, 0));
    PictureBox& mag = page->ImpGrf(0);
    QTest::mouseMove(&mag, At(mag, 3, 3));
    EXPECT_TRUE(page->Freq(0).isVisible());
    EXPECT_TRUE(page->Freq(1).isVisible());

    QTest::mouseMove(page.get(), QPoint(20, page->height() - 20));
    EXPECT_FALSE(page->Freq(0).isVisible());
    EXPECT_FALSE(page->ImpDp(0).isVisible());
    EXPECT_TRUE(page->Freq(1).isVisible());
    EXPECT_TRUE(page->ImpDp(1).isVisible());
    EXPECT_EQ(page->Freq(1).text(), " 1KHz");
}

// A held readout shows only what was held for the quantity plotted, at once
// on a change of quantity, and never a reading of results that are gone.
TEST_F(InteractionTest, HeldReadingsBelongToTheirQuantityAndGoWithTheResults)
{
    PictureBox& mag = page->ImpGrf(0);
    PictureBox& ph = page->ImpGrf(1);
    const auto hold = [this](PictureBox& box, double x, double y) {
        QTest::mouseMove(&box, At(box, x, y));
        QTest::mouseClick(&box, Qt::LeftButton, {}, At(box, x, y));
    };
    hold(mag, 3, 3);
    const QString heldFreq = page->Freq(0).text(), heldValue = page->ImpDp(0).text();
    hold(ph, 3.5, -30);
    const QString heldPhase = page->ImpDp(1).text();

    // Nothing is held for the currents yet.
    Click(page->Option3(1));
    for (int i : {0, 1}) {
        EXPECT_TRUE(page->ImpDp(i).isVisible()) << i;
        EXPECT_EQ(page->Freq(i).text(), "") << i;
        EXPECT_EQ(page->ImpDp(i).text(), "") << i;
    }
    QTest::mouseMove(&mag, At(mag, 4, 1));
    EXPECT_EQ(page->ImpDp(0).text(), "");
    EXPECT_EQ(page->ImpDp(1).text(), "");

    // Released and held again with the currents plotted.
    QTest::mouseClick(&mag, Qt::LeftButton, {}, At(mag, 4, 1));
    hold(mag, 4, -2);
    const QString heldCurrent = page->ImpDp(0).text();
    ASSERT_TRUE(heldCurrent.endsWith(U("Ａ")));

    Click(page->Option3(0));
    EXPECT_EQ(page->Freq(0).text(), heldFreq);
    EXPECT_EQ(page->ImpDp(0).text(), heldValue);
    EXPECT_EQ(page->ImpDp(1).text(), heldPhase);

    page->DropReadoutHolds();
    EXPECT_EQ(page->lkimpflg(), 0);
    EXPECT_EQ(page->lkphflg(), 0);
    EXPECT_FALSE(page->ImpDp(0).isVisible());
    EXPECT_FALSE(page->ImpDp(1).isVisible());

    // The current held before belongs to the earlier results.
    hold(mag, 3.5, 2);
    Click(page->Option3(1));
    EXPECT_EQ(page->ImpDp(0).text(), "");
}

TEST_F(PageTest, KeepingBeforeAnySweepOnlySwitchesState)
{
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    QTest::mouseClick(&page->OldDtDspCmd(0), Qt::LeftButton);
    EXPECT_EQ(state.KeptOn, 1);
    EXPECT_EQ(state.KeptCnt, 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(0), Whitish), 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(1), Whitish), 0);
    EXPECT_FALSE(page->OldDtDspCmd(0).isVisible());
    EXPECT_TRUE(page->OldDtDspCmd(1).isVisible());
}

TEST_F(InteractionTest, DroppingTheKeptCurveClearsItAndRecordingResumes)
{
    Click(page->OldDtDspCmd(0));
    const float keptAt100 = state.KeptLgMag[100];
    circuit.BrR[1] = 300;
    host.PressFrequencyCommand();
    EXPECT_EQ(state.KeptLgMag[100], keptAt100);
    EXPECT_GT(CountPixels(page->ImpGrf(0), Whitish), 100);

    Click(page->OldDtDspCmd(1));
    EXPECT_EQ(state.KeptOn, 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(0), Whitish), 0);
    EXPECT_EQ(CountPixels(page->ImpGrf(1), Whitish), 0);
    EXPECT_TRUE(page->OldDtDspCmd(0).isVisible());
    EXPECT_FALSE(page->OldDtDspCmd(1).isVisible());
    EXPECT_TRUE(page->Option1(1).isChecked());
    EXPECT_TRUE(page->Option2(0).isChecked());
    EXPECT_NE(state.KeptLgMag[100], keptAt100);
    EXPECT_GT(state.KeptLgMag[1], 2.4f);  // above 300 Ω at 100 Hz
}

}  // namespace
