// The start-up state and the circuit-size selectors.

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "document/qstring_utf8.h"
#include "document/circuit_document.h"
#include "ui/entry_field.h"
#include "ui/selector.h"
#include "ui/tab_control.h"
#include "user.h"

namespace {

QStringList Items(const Selector* s)
{
    QStringList items;
    for (int i = 0; i < s->count(); ++i) items << s->itemText(i);
    return items;
}

// A control as the user can see it: shown on its page or not.
bool Shown(const QWidget* w) { return !w->isHidden(); }

// Elements without a definition show their names.
void ExpectMatrixOf(const User& user, int loops)
{
    for (int j = 1; j <= 5; ++j) {
        for (int k = 1; k <= 5; ++k) {
            const QPushButton* button = user.ui().matrixButtons[j][k];
            EXPECT_EQ(Shown(button), j <= loops && k <= loops) << "Z" << j << k;
            EXPECT_EQ(button->isEnabled(), j <= k) << "Z" << j << k;
            if (!user.document().matrix[MatrixPosition(std::min(j, k), std::max(j, k))]) {
                EXPECT_EQ(button->text(), QStringLiteral("Z%1%2").arg(j).arg(k));
            }
            EXPECT_EQ(button->font().pointSizeF(), 10);
        }
    }
}

void ExpectRowsOf(const CalcControls& ui, int branches)
{
    for (int b = 1; b <= 15; ++b) {
        const bool on = b <= branches;
        EXPECT_EQ(Shown(ui.elementButtons[b]), on) << "Z" << b;
        EXPECT_EQ(Shown(ui.impedanceRe[b]), on) << b;
        EXPECT_EQ(Shown(ui.impedanceIm[b]), on) << b;
        EXPECT_EQ(Shown(ui.plusJ[b]), on) << b;
        EXPECT_EQ(Shown(ui.impedanceUnit[b]), on) << b;
        EXPECT_EQ(Shown(ui.currentButtons[b]), on) << "I" << b;
        for (const QLabel* l :
             std::initializer_list<const QLabel*>{ui.currentDefinition[b], ui.currentMagnitude[b],
                                                  ui.currentPhaseCaption[b], ui.currentPhase[b], ui.currentDegrees[b]})
            EXPECT_EQ(Shown(l), on) << b;
        EXPECT_EQ(Shown(ui.currentUnit[b]), on) << b;
    }
    QStringList voltages;
    for (int b = 1; b <= branches; ++b) voltages << U8("Ｖ") + QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(Items(ui.voltageBranch), voltages);
    EXPECT_EQ(ui.voltageBranch->currentText(), U8("Ｖ01"));
}

TEST(StartUp, ShowsTheDefaultCircuit)
{
    User user;
    const CalcControls& ui = user.ui();
    EXPECT_EQ(user.window().windowTitle(), U8("Wexlar　Ｖｅｒ．１．０[*]"));  // no marker shown yet
    EXPECT_FALSE(user.window().isWindowModified());
    // The client area keeps its size below the menu bar.
    const auto* menuBar = user.window().findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_EQ(user.window().size(), QSize(1018, 736 + menuBar->height()));
    EXPECT_EQ(ui.pageTabs->geometry(), QRect(0, menuBar->height() - 2, 1016, 732));
    EXPECT_EQ(ui.pageTabs->Current(), 0);
    EXPECT_EQ(ui.loopCount->currentText(), U8("２"));
    EXPECT_EQ(ui.branchCount->currentText(), U8("３"));
    EXPECT_EQ(ui.emfField->text(), "1");
    EXPECT_EQ(ui.emfUnit->currentText(), U8("Ｖ"));
    EXPECT_EQ(ui.frequencyField->text(), "100");
    EXPECT_EQ(ui.frequencyUnit->currentText(), U8("Ｈｚ"));
    ExpectMatrixOf(user, 2);
    ExpectRowsOf(ui, 3);
    for (int b = 1; b <= 3; ++b) {
        EXPECT_TRUE(user.ImpedanceReal(b).isEmpty());
        EXPECT_TRUE(user.ImpedanceImag(b).isEmpty());
        EXPECT_TRUE(ui.currentDefinition[b]->text().isEmpty());
        EXPECT_EQ(ui.elementButtons[b]->text(), QStringLiteral("Z%1=").arg(b));
        EXPECT_EQ(ui.currentButtons[b]->text(), QStringLiteral("I0%1=").arg(b));
        EXPECT_EQ(ui.impedanceUnit[b]->currentText(), U8("Ω"));
        EXPECT_EQ(ui.currentUnit[b]->currentText(), U8("ｍＡ"));
    }
    EXPECT_FALSE(ui.frequencyButton->isEnabled());
    EXPECT_TRUE(ui.calculateButton->isEnabled());

    // The lists, in their order.
    EXPECT_EQ(Items(ui.emfUnit), (QStringList{U8("ｍＶ"), U8("Ｖ"), U8("ＫＶ")}));
    EXPECT_EQ(Items(ui.frequencyUnit), (QStringList{U8("Ｈｚ"), U8("ＫＨｚ"), U8("ＭＨｚ")}));
    EXPECT_EQ(Items(ui.loopCount), (QStringList{U8("２"), U8("３"), U8("４"), U8("５")}));
    EXPECT_EQ(Items(ui.branchCount).size(), 14);
    EXPECT_EQ(Items(ui.branchCount).last(), U8("１５"));
    EXPECT_EQ(Items(ui.impedanceUnit[15]), (QStringList{U8("Ω"), U8("ＫΩ"), U8("ＭΩ")}));
    EXPECT_EQ(Items(ui.currentUnit[15]), (QStringList{U8("μＡ"), U8("ｍＡ"), U8("Ａ")}));
    EXPECT_EQ(Items(ui.inputImpedanceUnit), (QStringList{U8("Ω"), U8("ＫΩ"), U8("ＭΩ")}));
    EXPECT_EQ(Items(ui.voltageUnit), (QStringList{U8("μＶ"), U8("ｍＶ"), U8("Ｖ"), U8("ＫＶ")}));

    const Circuit c = user.circuit();
    EXPECT_EQ(LoopCount(c), 2);
    EXPECT_EQ(BranchCount(c), 3);
    EXPECT_EQ(SourceVoltage(c), 1);
    EXPECT_EQ(Frequency(c), 100);
}

// A larger size keeps everything entered and asks nothing; a smaller one
// asks, naming what goes, and removes only that.
TEST(CircuitSize, FourLoopsFifteenBranchesAndBackToTwo)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.Calculate();
    ASSERT_TRUE(ui.frequencyButton->isEnabled());
    const auto expectKept = [&](const char* step) {
        EXPECT_EQ(user.ImpedanceReal(2), "1") << step;
        EXPECT_EQ(ui.matrixButtons[1][2]->text(), U8("－Z2")) << step;
        EXPECT_EQ(ui.currentDefinition[2]->text(), U8("I1－I2=")) << step;
        EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).r, 1) << step;
        EXPECT_EQ((*user.document().currents[1])[2], -1) << step;
    };

    EXPECT_TRUE(user.Answering("いいえ", [&] { user.Choose(ui.loopCount, U8("４")); }).isEmpty());
    EXPECT_EQ(user.document().loops, 4);
    ExpectMatrixOf(user, 4);
    ExpectRowsOf(ui, 3);
    expectKept("four loops");
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_FALSE(ui.frequencyButton->isEnabled());
    EXPECT_TRUE(ui.emfField->hasFocus());

    EXPECT_TRUE(user.Answering("いいえ", [&] { user.Choose(ui.branchCount, U8("１５")); }).isEmpty());
    EXPECT_EQ(user.document().branches, 15);
    ExpectMatrixOf(user, 4);
    ExpectRowsOf(ui, 15);
    expectKept("fifteen branches");
    // All fifteen branch voltages are in sight without scrolling.
    ui.voltageBranch->showPopup();
    const QAbstractItemView* list = ui.voltageBranch->view();
    for (int row = 0; row < 15; ++row)
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0)))) << row;
    ui.voltageBranch->hidePopup();

    user.DefineMatrix(3, 4, {"－", "Ｚ３"});
    const QString loopsGo = U8("I3、I4 を含む定義と、Z13～Z33、Z14～Z44 が消去されます。よろしいですか？");
    EXPECT_EQ(user.Answering("いいえ", [&] { user.Choose(ui.loopCount, U8("２")); }), loopsGo);
    EXPECT_EQ(user.document().loops, 4);
    EXPECT_EQ(ui.loopCount->currentText(), U8("４"));
    EXPECT_EQ(ui.matrixButtons[4][3]->text(), U8("－Z3"));
    EXPECT_EQ(user.Answering("はい", [&] { user.Choose(ui.loopCount, U8("２")); }), loopsGo);
    ExpectMatrixOf(user, 2);
    EXPECT_EQ(ui.matrixButtons[4][3]->text(), "Z43");
    expectKept("two loops");

    EXPECT_EQ(user.Answering("はい", [&] { user.Choose(ui.branchCount, U8("２")); }),
              U8("Z3～Z15 の素子値と、Z3～Z15 を含む定義が消去されます。よろしいですか？"));
    ExpectMatrixOf(user, 2);
    ExpectRowsOf(ui, 2);
    EXPECT_EQ(user.document().branches, 2);
    EXPECT_EQ(ui.matrixButtons[2][2]->text(), "Z22");
    EXPECT_EQ(ui.matrixButtons[1][1]->text(), U8("Z1＋Z2"));
    expectKept("two branches");

    // Grown again, the branch comes back empty.
    user.Choose(ui.branchCount, U8("３"));
    EXPECT_TRUE(user.ImpedanceReal(3).isEmpty());
    EXPECT_TRUE(ui.currentDefinition[3]->text().isEmpty());
    EXPECT_FALSE(user.document().elements[2].has_value());
}

// A count is changed only when it really changes, and entries go only when
// the user agrees; the wheel over a closed count selector changes nothing.
TEST(CircuitSize, CountSelectorsNeverDiscardUnasked)
{
    User user;
    const CalcControls& ui = user.ui();
    const auto expectSample = [&](const char* step) {
        EXPECT_EQ(user.document().branches, 3) << step;
        EXPECT_EQ(ui.branchCount->currentText(), U8("３")) << step;
        EXPECT_EQ(user.ImpedanceReal(1), "1") << step;
        EXPECT_EQ(ui.matrixButtons[1][1]->text(), U8("Z1＋Z2")) << step;
        EXPECT_EQ(ui.currentDefinition[2]->text(), U8("I1－I2=")) << step;
    };
    user.EnterSampleCircuit();

    EXPECT_TRUE(user.Answering("はい", [&] { WheelNotch(ui.branchCount); }).isEmpty());
    expectSample("a wheel notch");
    // Nor an entry unit; the same notch steps a display unit.
    WheelNotch(ui.emfUnit);
    WheelNotch(ui.frequencyUnit);
    EXPECT_EQ(user.document().emf.unit + user.document().frequency.unit, U8("ＶＨｚ"));
    WheelNotch(ui.impedanceUnit[3]);
    EXPECT_EQ(ui.impedanceUnit[3]->currentText(), U8("ＫΩ"));

    EXPECT_TRUE(user.Answering("はい", [&] { user.Choose(ui.branchCount, U8("３")); }).isEmpty());
    expectSample("the same count");

    ui.branchCount->setFocus();
    const QString branchGoes = U8("Z3 の素子値と、Z3 を含む定義が消去されます。よろしいですか？");
    EXPECT_EQ(user.Answering("いいえ", [&] { QTest::keyClick(ui.branchCount, Qt::Key_Up); }), branchGoes);
    expectSample("an arrow key answered いいえ");

    EXPECT_EQ(user.Answering("はい", [&] { QTest::keyClick(ui.branchCount, Qt::Key_Up); }), branchGoes);
    EXPECT_EQ(user.document().branches, 2);
    EXPECT_EQ(user.ImpedanceReal(1), "1");
    EXPECT_EQ(ui.matrixButtons[1][1]->text(), U8("Z1＋Z2"));
    EXPECT_EQ(ui.matrixButtons[2][2]->text(), "Z22");
    EXPECT_EQ(ui.currentDefinition[2]->text(), U8("I1－I2="));

    // E stays as typed.
    user.TypeInto(ui.emfField, "5");
    EXPECT_TRUE(user.Answering("いいえ", [&] { user.Choose(ui.loopCount, U8("３")); }).isEmpty());
    EXPECT_EQ(user.document().loops, 3);
    EXPECT_EQ(SourceVoltage(user.circuit()), 5);
}

TEST(MainCommands, ClearKeepsTheSizeAndEmptiesEverything)
{
    User user;
    const CalcControls& ui = user.ui();
    user.Choose(ui.branchCount, U8("４"));
    user.EnterSampleCircuit();
    user.TypeInto(ui.emfField, "5");
    user.Choose(ui.impedanceUnit[1], U8("ＫΩ"));
    user.Answering("はい", [&] { user.Calculate(); });
    user.TakeMessages();

    // From the graph page, whose reset must not redraw it again.
    user.Click(ui.frequencyButton);
    ASSERT_EQ(ui.pageTabs->Current(), 1);
    ui.pageTabs->SetCurrent(0);
    user.Answering("保存しない", [&] { user.Click(ui.clearButton); });
    EXPECT_EQ(ui.pageTabs->Current(), 0);
    EXPECT_EQ(user.document().loops, 2);
    EXPECT_EQ(user.document().branches, 4);
    ExpectMatrixOf(user, 2);
    ExpectRowsOf(ui, 4);
    EXPECT_EQ(ui.emfField->text(), "1");
    EXPECT_EQ(SourceVoltage(user.circuit()), 1);
    EXPECT_EQ(ui.impedanceUnit[1]->currentText(), U8("Ω"));
    EXPECT_EQ(user.document().display->impedance[0], U8("Ω"));
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    EXPECT_TRUE(ui.currentDefinition[1]->text().isEmpty());
    EXPECT_TRUE(ui.currentMagnitude[1]->text().isEmpty());
    EXPECT_FALSE(ui.frequencyButton->isEnabled());
}

TEST(MainCommands, EndAsksTheProgramToStop)
{
    User user;
    user.EnterSampleCircuit();
    user.Calculate();
    bool asked = false;
    QObject::connect(&user.window(), &MainWindow::endRequested, [&] { asked = true; });
    user.Answering("保存しない", [&] { user.Click(user.ui().quitButton); });
    EXPECT_TRUE(asked);
    EXPECT_TRUE(user.messages().empty());
}

}  // namespace
