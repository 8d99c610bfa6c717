#include <cmath>
#include <complex>
#include <vector>

#include <QCheckBox>
#include <QFontMetricsF>
#include <QImage>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "calc/calc_error.h"
#include "graph/axes.h"
#include "graph/graph_texts.h"
#include "tests/graph/page_fixture.h"
#include "tests/support/in_language.h"
#include "tests/support/pixels.h"

namespace {

const QColor kYellow(255, 255, 0);
const QColor kGraphBlue(50, 50, 170);

TEST_F(PageTest, InitialisedPageShowsTheEmptyFourByDecadeGrid)
{
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    const double midMag = 2.5, midPh = 3.5;  // between two rows
    for (int k : {1, 2, 5, 9, 10, 30, 100, 700, 1000, 4000}) {
        const double x = std::log10(k);
        EXPECT_EQ(PixelAt(mag, DevicePixel(mag, x, midMag)), kYellow) << "column of " << k;
        EXPECT_EQ(PixelAt(ph, DevicePixel(ph, x, midPh)), kYellow) << "column of " << k;
    }
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(PixelAt(mag, DevicePixel(mag, 0.15, row)), kYellow) << "row " << row;
        EXPECT_EQ(PixelAt(ph, DevicePixel(ph, 0.15, row)), kYellow) << "row " << row;
    }
    // Between lines the ground is the graph blue, and nothing else is drawn.
    EXPECT_EQ(PixelAt(mag, DevicePixel(mag, std::log10(1.5), 2.5)), kGraphBlue);
    EXPECT_EQ(CountPixels(mag.Image(), Reddish), 0);
    EXPECT_EQ(state.frequencySpan, FrequencySpan::FourDecades);
    EXPECT_EQ(state.sweepEnd, 1e6);
    EXPECT_TRUE(page->BranchCheck(1).isChecked());
    EXPECT_TRUE(page->QuantityOption(PlottedQuantity::InputImpedance).isChecked());
    EXPECT_EQ(host.frequencyPresses, 0);
}

// A point of the sample circuit by the analysis itself.
struct Expected {
    double x, mag, phase;
};

Expected Analyse(const Circuit& circuit, double f)
{
    const Complex z = AnalyseAt(circuit, f)->inputImpedance;
    const std::complex<double> zi(z.re, z.im);
    return {std::log10(f), std::log10(std::abs(zi)), std::arg(zi) * 180 / M_PI};
}

TEST_F(PageTest, RedCurvesPassThroughTheComputedImpedance)
{
    Calculated();
    page->RedrawCurrentRange();
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    for (double f : {150.0, 900.0, 1300.0, 2000.0, 7000.0, 60000.0, 5e5}) {
        const Expected e = Analyse(circuit, f);
        EXPECT_TRUE(FoundNear(mag, e.x, e.mag, 2, Reddish)) << f << " Hz, magnitude";
        EXPECT_TRUE(FoundNear(ph, e.x, e.phase, 2, Reddish)) << f << " Hz, phase";
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(PageTest, BranchVoltagesDrawOnlyTheCheckedBranchesInTheirColours)
{
    Calculated();
    page->BranchCheck(3).setChecked(true);
    page->OnQuantityChosen(PlottedQuantity::BranchVoltage);
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    PictureBox& ph = page->GraphBox(Graph::Phase);
    for (int b : {1, 3}) {
        const QColor colour = BranchColour(state.branchColours[b]);
        EXPECT_GT(CountPixels(mag.Image(), Near(colour)), 50) << "branch " << b;
        EXPECT_GT(CountPixels(ph.Image(), Near(colour)), 50) << "branch " << b;
    }
    EXPECT_EQ(CountPixels(mag.Image(), Near(BranchColour(state.branchColours[2]))), 0);
    EXPECT_EQ(CountPixels(ph.Image(), Near(BranchColour(state.branchColours[2]))), 0);
    EXPECT_EQ(page->BranchCheck(2).text(), "V02");
}

TEST_F(PageTest, SweepBeforeAnyCalculationAsksForTheCircuitAndReturns)
{
    circuit = sample::Empty(2, 3);
    page->RedrawCurrentRange();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromUtf8(graph_text::kNoCircuit));
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(host.returns, 1);
    EXPECT_FALSE(page->FrequencySpanOption(FrequencySpan::FourDecades).isChecked());
    EXPECT_FALSE(page->LevelSpanOption(LevelSpan::SixDecades).isChecked());
    EXPECT_EQ(CountPixels(page->GraphBox(Graph::Phase).Image(), Reddish), 0);
}

TEST_F(PageTest, OverflowShowsItsDescriptionAndDrawsTheWideAxesOverTheBoxes)
{
    circuit = sample::TwoLoop({0, 1e306, 0}, {1, 0, 0}, {1, 0, 0});
    Calculated();
    page->OnFrequencySpanChosen(FrequencySpan::TwoDecades);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QString::fromStdString(CalcError(CalcError::Overflow).description()));
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(state.frequencySpan, FrequencySpan::FourDecades);
    EXPECT_EQ(state.levelSpan, LevelSpan::SixDecades);
    EXPECT_EQ(state.frequencyDecades, 4.0f);
    EXPECT_TRUE(page->FrequencySpanOption(FrequencySpan::TwoDecades).isChecked());
    EXPECT_EQ(host.returns, 0);

    // The four-decade column at 1000 × sweepStart is drawn over the two-decade
    // grid, whose column at 30 × sweepStart is still there.
    PictureBox& mag = page->GraphBox(Graph::Magnitude);
    const int width = mag.width();
    const int row = mag.height() / 2 + 3;
    EXPECT_EQ(mag.Image().pixelColor(static_cast<int>(0.75 * width), row), kYellow);
    EXPECT_EQ(mag.Image().pixelColor(static_cast<int>(std::log10(30.0) / 2 * width), row), kYellow);
}

// Keeps where each label is printed, in painter units.
class LabelSpy : public PictureBox {
public:
    using PictureBox::PictureBox;
    void Print(const QString& text) override
    {
        printed.push_back({ToPainter(Position().x(), Position().y()).x(), text});
        PictureBox::Print(text);
    }
    struct Printed {
        double left;
        QString text;
    };
    std::vector<Printed> printed;
};

// Every frequency label lies whole inside its strip by the metrics of its
// font at the screen's pixel ratio: none loses its first characters at the
// left end ("00Ｈｚ") or its last ones at the right end (a lone "1" of 10K),
// in Japanese nor in English.
TEST_F(PageTest, FrequencyLabelsLieWholeInsideTheirStrip)
{
    LabelSpy strip(page.get());
    strip.setGeometry(page->FrequencyScale().geometry());
    strip.SetFontName(page->FrequencyScale().FontName());
    strip.SetFontSize(page->FrequencyScale().FontSize());
    GraphBoxes boxes{page->GraphBox(Graph::Magnitude), page->GraphBox(Graph::Phase), strip,
                     page->LevelScale(Graph::Magnitude), page->LevelScale(Graph::Phase)};

    const qreal ratio = strip.devicePixelRatioF();
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(96 * ratio / 0.0254));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(strip.Font(), &device);

    for (const Language language : {Language::Japanese, Language::English}) {
        const InLanguage speaking(language);
        for (double start : {0.01, 100.0, 1e5}) {
            for (FrequencySpan span : {FrequencySpan::TwoDecades, FrequencySpan::FourDecades}) {
                state.sweepStart = start;
                strip.printed.clear();
                DrawFrequencyAxis(state, boxes, span);
                ASSERT_FALSE(strip.printed.empty());
                double previousEnd = 0;  // none runs into the next
                for (const LabelSpy::Printed& p : strip.printed) {
                    EXPECT_GE(p.left + 0.5, previousEnd) << p.text.toStdString() << " from " << start << " Hz";
                    previousEnd = p.left + metrics.horizontalAdvance(p.text) / ratio;
                    const QRectF ink = metrics.boundingRect(p.text);
                    const double first = p.left + std::min(0.0, ink.left() / ratio);
                    const double last = p.left + std::max(metrics.horizontalAdvance(p.text), ink.right()) / ratio;
                    EXPECT_GE(first, 0) << p.text.toStdString() << " from " << start << " Hz";
                    EXPECT_LE(last, strip.width()) << p.text.toStdString() << " from " << start << " Hz";
                }
            }
        }
    }
}

}  // namespace
