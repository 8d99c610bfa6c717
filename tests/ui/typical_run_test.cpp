// The run of a typical user: the sample circuit entered through the dialogs,
// calculated, and its results read from the labels.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <bit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "platform/picture_box.h"
#include "print/preview_window.h"

#include "document/qstring_utf8.h"
#include "ui/element_tuning_window.h"
#include "ui/entry_field.h"
#include "ui/result_label.h"
#include "ui/selector.h"
#include "ui/tab_control.h"
#include "user.h"

namespace {

TEST(TypicalRun, SampleCircuitGivesTheWorkedResults)
{
    User user;
    user.EnterSampleCircuit();
    EXPECT_TRUE(user.messages().empty());

    // Each element command showed its impedance at once.
    for (int b = 1; b <= 3; ++b) {
        EXPECT_EQ(user.ImpedanceReal(b), "1") << b;
        EXPECT_EQ(user.ImpedanceImag(b), "0") << b;
    }
    const CalcControls& ui = user.ui();
    EXPECT_EQ(ui.matrixButtons[1][1]->text(), U8("Z1＋Z2"));
    EXPECT_EQ(ui.matrixButtons[1][2]->text(), U8("－Z2"));
    EXPECT_EQ(ui.matrixButtons[2][1]->text(), U8("－Z2"));  // the mirror Z21
    EXPECT_EQ(ui.matrixButtons[2][2]->text(), U8("Z2＋Z3"));
    EXPECT_EQ(ui.currentDefinition[1]->text(), U8("I1="));
    EXPECT_EQ(ui.currentDefinition[2]->text(), U8("I1－I2="));
    EXPECT_EQ(ui.currentDefinition[3]->text(), U8("I2="));
    EXPECT_FALSE(ui.frequencyButton->isEnabled());

    user.Calculate();
    EXPECT_TRUE(user.messages().empty());
    EXPECT_EQ(ui.currentMagnitude[1]->text(), "666.6667");
    EXPECT_EQ(ui.currentMagnitude[2]->text(), "333.3333");
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "333.3333");
    EXPECT_EQ(ui.currentUnit[2]->currentText(), U8("ｍＡ"));
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(ui.currentPhase[b]->text(), "0") << b;
    EXPECT_EQ(ui.inputImpedanceMagnitude->text(), "1.5");
    EXPECT_EQ(ui.inputImpedanceUnit->currentText(), U8("Ω"));
    EXPECT_EQ(ui.inputImpedancePhase->text(), "0");
    // The voltage display shows branch 1: 2/3 A through 1 Ω.
    EXPECT_EQ(ui.voltageBranch->currentText(), U8("Ｖ01"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "0.6667");
    EXPECT_EQ(ui.voltageUnit->currentText(), U8("Ｖ"));
    EXPECT_EQ(ui.voltagePhase->text(), "0");
    EXPECT_TRUE(ui.frequencyButton->isEnabled());
}

// Rows of column x of the image that are drawn in red (the curve may be
// smoothed, so not only pure red counts).
std::vector<int> RedRows(const QImage& image, int x)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 80 && c.blue() < 80) rows.push_back(y);
    }
    return rows;
}

// Whether a red pixel lies within two pixels of the row at fraction
// (top − v) / (top − bottom) of the image's height.
bool RedNear(const QImage& image, double v, double top, double bottom)
{
    const double y = (top - v) / (top - bottom) * (image.height() - 1);
    for (int row : RedRows(image, image.width() / 2))
        if (std::abs(row - y) <= 2) return true;
    return false;
}

TEST(TypicalRun, FrequencyCharacteristicsShowTheCurvesAndReturn)
{
    User user;
    user.EnterSampleCircuit();
    user.Calculate();
    user.Click(user.ui().frequencyButton);
    EXPECT_EQ(user.ui().pageTabs->Current(), 1);
    GraphPage& graph = user.window().Graph();
    EXPECT_TRUE(graph.isVisible());
    EXPECT_TRUE(user.messages().empty());

    // Zi = 1.5 Ω at every frequency: log10 1.5 on the 1 Ω … 1 MΩ scale, and
    // 0° on the −90° … 90° scale.
    const QImage magnitude = graph.GraphBox(Graph::Magnitude).Image();
    const QImage phase = graph.GraphBox(Graph::Phase).Image();
    EXPECT_TRUE(RedNear(magnitude, std::log10(1.5), 6, 0));
    EXPECT_TRUE(RedNear(phase, 0, 90, -90));

    // "グラフ印刷" opens the preview of the page, once made and then kept.
    QWidget* seen = nullptr;
    const auto preview = [&](QWidget& w) {
        seen = &w;
        w.close();
    };
    EXPECT_TRUE(user.WithDialog([&] { user.Click(&graph.PrintButton()); }, preview));
    EXPECT_EQ(seen, static_cast<QWidget*>(user.window().Preview()));
    ASSERT_NE(seen, nullptr);
    EXPECT_TRUE(user.WithDialog([&] { user.Click(&graph.PrintButton()); }, preview));
    EXPECT_EQ(seen, static_cast<QWidget*>(user.window().Preview()));
    EXPECT_TRUE(user.messages().empty());
    // It has the circuit for its second page, which it shows instead of the graphs.
    const auto circuitPage = [](QWidget& w) {
        auto& p = static_cast<PreviewWindow&>(w);
        const QImage graphs = p.PreviewPicture().Image().copy();
        p.PrintCircuitBox().setChecked(true);
        p.CircuitPageBox().setChecked(true);
        EXPECT_NE(p.PreviewPicture().Image(), graphs);
        p.PrintCircuitBox().setChecked(false);
        w.close();
    };
    EXPECT_TRUE(user.WithDialog([&] { user.Click(&graph.PrintButton()); }, circuitPage));

    // A held readout does not outlive the calculation the return runs.
    graph.OnGraphMouseMove(Graph::Magnitude, 3, 1);
    graph.OnGraphClick(Graph::Magnitude);
    ASSERT_TRUE(graph.ReadoutHeld(Graph::Magnitude));
    user.Click(&graph.ReturnButton());
    EXPECT_EQ(user.ui().pageTabs->Current(), 0);
    EXPECT_EQ(user.ui().inputImpedanceMagnitude->text(), "1.5");
    EXPECT_TRUE(user.messages().empty());
    EXPECT_FALSE(graph.ReadoutHeld(Graph::Magnitude));
    EXPECT_FALSE(graph.ValueReadoutLabel(Graph::Magnitude).isVisible());

    // After a branch changes, the graph tab shows the curves drawn before as
    // out of date, holds nothing, and the marker reads their circuit.
    user.Click(user.ui().frequencyButton);
    graph.OnGraphMouseMove(Graph::Magnitude, 3, 1);
    graph.OnGraphClick(Graph::Magnitude);
    user.ui().pageTabs->SetCurrent(0);
    user.EnterElement(2, {"1000", ""});
    EXPECT_FALSE(graph.ReadoutHeld(Graph::Magnitude));
    QTabBar* bar = user.ui().pageTabs->Bar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(user.ui().pageTabs->Current(), 1);
    EXPECT_TRUE(graph.OutOfDateLabel().isVisible());
    EXPECT_EQ(graph.OutOfDateLabel().text(), U8("回路が変更されています。周波数特性で再描画して下さい。"));
    graph.OnGraphMouseMove(Graph::Magnitude, 3, 1);
    ASSERT_TRUE(graph.Marker());
    EXPECT_DOUBLE_EQ(graph.Marker()->point.magnitude, 1.5);
    user.Click(&graph.ReturnButton());
    user.Click(user.ui().frequencyButton);
    EXPECT_FALSE(graph.OutOfDateLabel().isVisible());
    EXPECT_TRUE(user.messages().empty());
}

// The calculation page's results to the last bit, and every result label.
QStringList CalculationPage(User& user)
{
    QStringList shown;
    const auto bits = [&](double v) { shown << QString::number(std::bit_cast<uint64_t>(v), 16); };
    const PageResults& r = user.window().results();
    const CalculatedPage& page = *r.calculation;
    for (int b = 1; b <= 3; ++b) {
        for (const Complex& z : {page.values.branchImpedance[b], page.values.branchCurrent[b],
                                 page.values.branchVoltage[b], r.impedance[b].value_or(Complex{})})
            bits(z.re), bits(z.im);
        for (double v : {page.values.branchCurrentMagnitude[b], page.values.branchVoltageMagnitude[b],
                         page.currentPhase[b], page.voltagePhase[b]})
            bits(v);
    }
    for (double v : {page.values.inputImpedance.re, page.values.inputImpedance.im, page.inputImpedanceMagnitude,
                     page.inputImpedancePhase})
        bits(v);
    shown << QString::number(r.valid);
    for (const ResultLabel* label : user.window().findChildren<ResultLabel*>()) shown << label->text();
    return shown;
}

// Nothing that draws changes the calculation: the graph page, the preview,
// the printout, the clipboard copy and the PDF, SVG and CSV exports leave the
// calculation page's results as they were, bit for bit.
TEST(TypicalRun, DrawingChangesNothing)
{
    User user;
    user.EnterSampleCircuit();
    user.EnterElement(3, {"1", ""}, {"1.59155", ""}, {"4.7", ""});
    user.Calculate();
    const QStringList calculated = CalculationPage(user);
    const auto unchanged = [&](const char* path) { EXPECT_EQ(CalculationPage(user), calculated) << path; };
    QTemporaryDir dir;
    GraphPage& graph = user.window().Graph();
    user.Click(user.ui().frequencyButton);
    unchanged("graph page");
    graph.BranchCheck(3).setChecked(true);
    user.Click(&graph.QuantityOption(PlottedQuantity::BranchVoltage));
    unchanged("branch voltages");

    // Tuning and stepping draw copies of the circuit: nothing changes before
    // 確定, and the exports below carry the family.
    user.window().SetFileChoosers({}, [&](QWidget*, const QString&) { return dir.filePath("circuit.brivel"); });
    ASSERT_TRUE(user.window().OnSaveAs());
    const CircuitDocument entered = user.document();
    const ElementSlot c3{3, ElementKind::Capacitance};
    user.Command(graph_text::kMenuTune);
    ElementTuningWindow& tuning = *user.window().Tuning();
    ASSERT_TRUE(tuning.isVisible());
    user.Choose(&tuning.BranchSelector(), "Z3");
    user.Click(&tuning.KindOption(ElementKind::Capacitance));
    EXPECT_EQ(tuning.ValueField().text(), "4.7");
    QTest::keyClick(&tuning.Slider(), Qt::Key_Right);
    EXPECT_GT(*tuning.ValueInUse(), 4.7e-6);
    EXPECT_EQ(ElementValueIn(graph.Plotted().circuit, c3), *tuning.ValueInUse());
    unchanged("tuning");
    user.TypeInto(&tuning.StepsField(), "1u 2.2x");
    user.Click(&tuning.DrawButton());
    ASSERT_EQ(user.TakeMessages().size(), 1u);
    EXPECT_EQ(tuning.StepsField().selectedText(), "2.2x");
    user.TypeInto(&tuning.StepsField(), "1u 2u 3u 4u 5u 6u 7u 8u 9u 10u 11u 12u 13u");
    user.Click(&tuning.DrawButton());
    const std::vector<Message> tooMany = user.TakeMessages();
    ASSERT_EQ(tooMany.size(), 1u);
    EXPECT_TRUE(tooMany[0].text.contains("12")) << tooMany[0].text.toStdString();
    EXPECT_TRUE(graph.Plotted().family.empty());
    user.TypeInto(&tuning.StepEndField(0), "1u");
    user.TypeInto(&tuning.StepEndField(1), "4.7u");
    user.Click(&tuning.GenerateButton());
    EXPECT_EQ(tuning.StepsField().text(), "1u, 2.17u, 4.7u");
    user.Click(&tuning.DrawButton());
    EXPECT_EQ(graph.Plotted().family.size(), 3u);
    unchanged("stepping");
    EXPECT_EQ(user.document(), entered);
    EXPECT_FALSE(user.window().isWindowModified());
    graph.SetSaveFileChooser([&](QWidget*, const SaveQuestion&) { return dir.filePath("graph.csv"); });
    graph.OnSaveCsv();
    unchanged("graph CSV");

    ASSERT_TRUE(user.WithDialog(
        [&] { user.Click(&graph.PrintButton()); },
        [&](QWidget& w) {
            auto& preview = static_cast<PreviewWindow&>(w);
            unchanged("preview");
            preview.SetPdfFileChooser([&](QWidget*, const QString&) { return dir.filePath("printed.pdf"); });
            preview.PrintPage();
            unchanged("print");
            preview.CopyToClipboard();
            unchanged("clipboard");
            for (const char* file : {"page.pdf", "page.svg", "sweep.csv"}) {
                preview.SetSaveFileChooser([&](QWidget*, const SaveQuestion&) { return dir.filePath(file); });
                QString(file).endsWith(".csv") ? preview.SaveCsv() : preview.SaveVector();
                unchanged(file);
            }
            preview.close();
        }));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 6);
    EXPECT_TRUE(user.messages().empty());
    QFile csv(dir.filePath("sweep.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().contains("Z3.C=2.17u |V03|[V]"));

    // 確定 stores what the field shows as the element dialog does, and the
    // circuit is calculated and drawn anew.
    QTest::keyClick(&tuning.Slider(), Qt::Key_Right);
    const ValueEntry shown{tuning.ValueField().text(), tuning.UnitSelector().currentText()};
    const double confirmed = *tuning.ValueInUse();
    user.Click(&tuning.ConfirmButton());
    EXPECT_EQ(user.document().elements[2]->values[kCapacitanceEntry], shown);
    EXPECT_TRUE(user.window().isWindowModified());
    EXPECT_TRUE(user.window().results().valid);
    EXPECT_NE(CalculationPage(user), calculated);
    EXPECT_FALSE(graph.Variation());
    EXPECT_EQ(ElementValueIn(graph.Plotted().circuit, c3), confirmed);

    // No capacitor: a range is typed first. Closing draws the circuit's own
    // curves again.
    user.Choose(&tuning.BranchSelector(), "Z1");
    EXPECT_FALSE(tuning.Slider().isEnabled());
    user.TypeInto(&tuning.RangeField(0), "10n");
    user.TypeInto(&tuning.RangeField(1), "1u");
    QTest::keyClick(&tuning.RangeField(1), Qt::Key_Return);
    QTest::keyClick(&tuning.Slider(), Qt::Key_End);
    EXPECT_EQ(ElementValueIn(graph.Plotted().circuit, {1, ElementKind::Capacitance}), 1e-6);
    tuning.close();
    EXPECT_EQ(ElementValueIn(graph.Plotted().circuit, {1, ElementKind::Capacitance}), 0);
    EXPECT_TRUE(user.messages().empty());
}

TEST(TypicalRun, ReactiveBranchesShowTheirPhases)
{
    User user;
    user.EnterSampleCircuit();
    // Z3 becomes 1 Ω + j1 Ω at 100 Hz: L = 1 / 628.3184 H, typed in mH.
    user.EnterElement(3, {"1", ""}, {"1.59155", ""});
    user.Calculate();
    ASSERT_TRUE(user.messages().empty());
    const CalcControls& ui = user.ui();
    EXPECT_EQ(user.ImpedanceImag(3), "1");
    // Z = 1 + (1 ∥ (1 + j)) = 1.6 + j0.2: Zi = 1.6125 at 7.125°.
    EXPECT_EQ(ui.inputImpedanceMagnitude->text(), "1.6125");
    EXPECT_EQ(ui.inputImpedancePhase->text(), "7.125");
    // I3 = I1 × 1 / (2 + j) lags I1 by 26.5651°; I1 lags E by 7.125°.
    EXPECT_EQ(ui.currentPhase[3]->text(), "-33.6901");
    EXPECT_EQ(ui.currentPhase[1]->text(), "-7.125");
}

}  // namespace
