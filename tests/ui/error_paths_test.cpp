// The failures of the commands: each is reported, and afterwards the circuit
// description is intact, so that a corrected entry calculates.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include "calc/calc_error.h"
#include "tests/support/sample_circuits.h"
#include "graph/graph_page.h"
#include "document/qstring_utf8.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/selector.h"
#include "ui/tab_control.h"
#include "user.h"

namespace {

QString Description(int number) { return QString::fromStdString(CalcError(number).description()); }

void ExpectOneMessage(User& user, const QString& text, MessageIcon icon)
{
    const std::vector<Message> shown = user.TakeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, text);
    EXPECT_EQ(shown[0].icon, icon);
}

// The sample circuit as entered: values, definitions, captions, size, units.
void ExpectSampleDescription(const User& user)
{
    const CircuitDocument& d = user.document();
    const CalcControls& ui = user.ui();
    EXPECT_EQ(d.loops, 2);
    EXPECT_EQ(d.branches, 3);
    for (int b = 1; b <= 3; ++b) EXPECT_EQ(ElementsOf(*d.elements[b - 1]).r, 1) << b;
    EXPECT_EQ(d.matrix[MatrixPosition(1, 1)], sample::MarksOf({{1, 1}, {2, 1}}, sample::kMatrixPlaces));
    EXPECT_EQ(d.matrix[MatrixPosition(1, 2)], sample::MarksOf({{2, -1}}, sample::kMatrixPlaces));
    EXPECT_EQ(d.matrix[MatrixPosition(2, 2)], sample::MarksOf({{2, 1}, {3, 1}}, sample::kMatrixPlaces));
    EXPECT_EQ(d.currents[1], sample::MarksOf({{1, 1}, {2, -1}}, sample::kCurrentPlaces));
    EXPECT_EQ(ui.matrixButtons[1][1]->text(), U8("Z1＋Z2"));
    EXPECT_EQ(ui.matrixButtons[2][1]->text(), U8("－Z2"));
    EXPECT_EQ(ui.currentDefinition[2]->text(), U8("I1－I2="));
    EXPECT_EQ(ui.currentUnit[2]->currentText(), U8("μＡ"));
    EXPECT_EQ(user.document().display->current[1], U8("μＡ"));
}

void ExpectNoResults(const User& user)
{
    const CalcControls& ui = user.ui();
    for (int b = 1; b <= 3; ++b) {
        EXPECT_TRUE(user.ImpedanceReal(b).isEmpty()) << b;
        EXPECT_TRUE(ui.currentMagnitude[b]->text().isEmpty()) << b;
        EXPECT_TRUE(ui.currentPhase[b]->text().isEmpty()) << b;
    }
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(ui.voltageMagnitude->text().isEmpty());
    EXPECT_FALSE(ui.frequencyButton->isEnabled());
}

// What a new E or f made stale stays empty.
void ExpectNoStaleResults(const User& user)
{
    const CalcControls& ui = user.ui();
    for (int b = 1; b <= 3; ++b) {
        EXPECT_TRUE(ui.currentMagnitude[b]->text().isEmpty()) << b;
        EXPECT_TRUE(ui.currentPhase[b]->text().isEmpty()) << b;
    }
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(ui.voltageMagnitude->text().isEmpty());
}

class ErrorPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        user.EnterSampleCircuit();
        user.Choose(user.ui().currentUnit[2], U8("μＡ"));
        user.Calculate();
        ASSERT_TRUE(user.TakeMessages().empty());
        ASSERT_TRUE(user.ui().frequencyButton->isEnabled());
    }

    void ExpectCorrectedRunCalculates()
    {
        user.Calculate();
        EXPECT_TRUE(user.TakeMessages().empty());
        EXPECT_EQ(user.ui().currentMagnitude[2]->text(), "333333.3333");
        EXPECT_EQ(user.ui().inputImpedanceMagnitude->text(), "1.5");
        EXPECT_TRUE(user.ui().frequencyButton->isEnabled());
    }

    User user;
};

// Refused with a message that names the entry; the circuit and the results
// that still hold stay as they are.
TEST_F(ErrorPaths, ZeroEmfKeepsTheCircuit)
{
    user.TypeInto(user.ui().emfField, "-0");
    user.Calculate();
    ExpectOneMessage(user, U8("起電力Ｅを０以外の値にして下さい。"), MessageIcon::None);
    ExpectNoStaleResults(user);
    EXPECT_FALSE(user.ui().frequencyButton->isEnabled());
    EXPECT_EQ(user.ImpedanceReal(2), "1");
    ExpectSampleDescription(user);
    EXPECT_EQ(user.ui().emfField->text(), "-0");

    user.TypeInto(user.ui().emfField, "1");
    ExpectCorrectedRunCalculates();
}

TEST_F(ErrorPaths, RunTimeErrorKeepsTheCircuit)
{
    user.TypeInto(user.ui().emfField, "9E307");
    user.Choose(user.ui().emfUnit, U8("ＫＶ"));
    user.Calculate();
    ExpectOneMessage(user, Description(CalcError::Overflow), MessageIcon::Information);
    ExpectNoResults(user);
    ExpectSampleDescription(user);

    user.TypeInto(user.ui().emfField, "1");
    user.Choose(user.ui().emfUnit, U8("Ｖ"));
    ExpectCorrectedRunCalculates();
}

TEST_F(ErrorPaths, CapacitorAtZeroFrequency)
{
    // Entered while f = 0: the message names the cause, and the branch keeps
    // its values.
    user.TypeInto(user.ui().frequencyField, "0");
    user.TypeInto(user.ui().frequencyField, "0");
    user.EnterElement(2, {"2", ""}, {}, {"1", ""});
    ExpectOneMessage(user, U8("周波数が０の場合、コンデンサも０にして下さい。"), MessageIcon::None);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).c, 0);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).r, 1);

    // A capacitor entered at 100 Hz: calculating at f = 0 is refused with
    // the same message.
    user.TypeInto(user.ui().frequencyField, "100");
    user.EnterElement(2, {"1", ""}, {}, {"1", ""});
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).c, 1e-6);
    user.TypeInto(user.ui().frequencyField, "0");
    user.Calculate();
    ExpectOneMessage(user, U8("周波数が０の場合、コンデンサも０にして下さい。"), MessageIcon::None);
    ExpectNoStaleResults(user);
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    ExpectSampleDescription(user);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).c, 1e-6);

    // At 100 Hz the capacitor is fine; without it the sample's results return.
    user.TypeInto(user.ui().frequencyField, "100");
    user.Calculate();
    EXPECT_TRUE(user.TakeMessages().empty());
    EXPECT_FALSE(user.ui().inputImpedanceMagnitude->text().isEmpty());
    user.EnterElement(2, {"1", ""}, {}, {"", ""});
    ExpectCorrectedRunCalculates();
}

TEST_F(ErrorPaths, SingularMatrixClearsTheImpedanceLabels)
{
    user.DefineMatrix(1, 2, {"Ｚ１", "＋", "Ｚ２"});
    user.DefineMatrix(2, 2, {"Ｚ１", "＋", "Ｚ２"});
    user.Answering("入力どおり計算", [&] { user.Calculate(); });
    ExpectOneMessage(user, U8("計算出来ません"), MessageIcon::None);
    for (int b = 1; b <= 3; ++b) {
        EXPECT_TRUE(user.ImpedanceReal(b).isEmpty());
        EXPECT_TRUE(user.ImpedanceImag(b).isEmpty());
    }

    user.DefineMatrix(1, 2, {"－", "Ｚ２"});
    user.DefineMatrix(2, 2, {"Ｚ２", "＋", "Ｚ３"});
    ExpectCorrectedRunCalculates();
}

TEST(ErrorPath, MissingBranchCurrentIsNamedAndHasNoCurve)
{
    User user;
    const CalcControls& ui = user.ui();
    for (int b = 1; b <= 3; ++b) user.EnterElement(b, {"1", ""});
    user.DefineMatrix(1, 1, {"Ｚ１", "＋", "Ｚ２"});
    user.DefineMatrix(1, 2, {"－", "Ｚ２"});
    user.DefineMatrix(2, 2, {"Ｚ２", "＋", "Ｚ３"});
    user.DefineCurrent(1, {"Ｉ１"});
    user.DefineCurrent(3, {"Ｉ２"});
    user.Calculate();
    ExpectOneMessage(user, U8("枝路電流がセットされていません：I02"), MessageIcon::None);
    EXPECT_EQ(ui.currentMagnitude[1]->text(), "666.6667");
    EXPECT_TRUE(ui.currentMagnitude[2]->text().isEmpty());
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "333.3333");
    EXPECT_EQ(ui.inputImpedanceMagnitude->text(), "1.5");
    EXPECT_TRUE(ui.frequencyButton->isEnabled());

    // The graph page draws no current of it, even with its box ticked.
    user.Click(ui.frequencyButton);
    GraphPage& graph = user.window().Graph();
    graph.BranchCheck(2).setChecked(true);
    user.Click(&graph.QuantityOption(PlottedQuantity::BranchCurrent));
    EXPECT_FALSE(graph.BranchCheck(2).isEnabled());
    EXPECT_EQ(graph.BranchCheck(2).toolTip(), U8("枝路電流がセットされていないため、曲線はありません"));
    EXPECT_EQ(CurvesOf(graph.Plotted()), (std::vector<PlottedCurve>{{PlottedQuantity::BranchCurrent, 1}}));
    ui.pageTabs->SetCurrent(0);

    user.DefineCurrent(2, {"Ｉ１", "－", "Ｉ２"});
    user.Calculate();
    EXPECT_TRUE(user.TakeMessages().empty());
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "333.3333");
}

TEST_F(ErrorPaths, AFailedElementCommandStoresNothing)
{
    user.EnterElement(1, {"1E300", U8("ＭΩ")}, {"2", U8("Ｈ")}, {"3", ""});
    ExpectOneMessage(user, Description(CalcError::Overflow), MessageIcon::Information);
    // The branch keeps its values, its labels and its entry.
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).r, 1);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).l, 0);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).c, 0);
    EXPECT_EQ(user.ImpedanceReal(1), "1");
    EXPECT_EQ(user.ImpedanceImag(1), "0");
    ElementEntry kept;
    kept.values[0].text = "1";
    user.WithDialog([&] { user.Click(user.ui().elementButtons[1]); },
                    [&](QWidget& w) { EXPECT_EQ(static_cast<ElementDialog&>(w).Entry(), kept); });

    // Too large to be shown is a failure too.
    user.EnterElement(1, {"1E308", ""});
    ExpectOneMessage(user, Description(CalcError::Overflow), MessageIcon::Information);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).r, 1);
    ExpectCorrectedRunCalculates();
}

TEST(ErrorPath, OverflowInTheMatrixCommandLeavesTheMatrix)
{
    User user;
    // Impedances this large are shown in ＭΩ, but their sum overflows.
    for (int b = 1; b <= 2; ++b) {
        user.Choose(user.ui().impedanceUnit[b], U8("ＭΩ"));
        user.EnterElement(b, {"9E307", ""});
    }
    EXPECT_TRUE(user.TakeMessages().empty());
    EXPECT_EQ(user.window().results().impedance[2]->re, 9e307);
    user.DefineMatrix(1, 1, {"Ｚ１", "＋", "Ｚ２"});
    ExpectOneMessage(user, Description(CalcError::Overflow), MessageIcon::Information);
    EXPECT_EQ(user.document().matrix[MatrixPosition(1, 1)], sample::MarksOf({{1, 1}, {2, 1}}, sample::kMatrixPlaces));
}

TEST(ErrorPath, GraphTabIsRefusedBeforeACalculation)
{
    User user;
    QTabBar* bar = user.ui().pageTabs->Bar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    // Refused once the click has returned, back on the calculation page, and
    // the calculation asks about every branch never entered.
    EXPECT_TRUE(user.messages().empty());
    EXPECT_EQ(user.Answering("いいえ", [] { QCoreApplication::processEvents(); }),
              U8("Z1、Z2、Z3 の素子値が入力されていません。０Ωとして計算しますか？"));
    ExpectOneMessage(user, U8("回路定数を入力して下さい"), MessageIcon::Error);
    EXPECT_EQ(user.ui().pageTabs->Current(), 0);

    // A branch entered as zeros is not asked about; はい calculates the others
    // as 0 Ω: with nothing defined the matrix cannot be solved.
    user.EnterElement(2, {});
    EXPECT_EQ(user.Answering("はい", [&] { user.Calculate(); }),
              U8("Z1、Z3 の素子値が入力されていません。０Ωとして計算しますか？"));
    ExpectOneMessage(user, U8("計算出来ません"), MessageIcon::None);
}

}  // namespace
