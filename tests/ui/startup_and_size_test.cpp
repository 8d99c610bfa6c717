// The start-up state and the circuit-size selectors.

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "platform/qstring_utf8.h"
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

// Matrix button i as the user can see it: shown on its page or not.
bool Shown(const QWidget* w) { return !w->isHidden(); }

void ExpectMatrixOf(const CalcControls& ui, int loops)
{
    for (int i = 0; i < 25; ++i) {
        const int j = i / 5 + 1, k = i % 5 + 1;
        EXPECT_EQ(Shown(ui.Command3[i]), j <= loops && k <= loops) << "button " << i;
        EXPECT_EQ(ui.Command3[i]->isEnabled(), j <= k) << "button " << i;
        EXPECT_EQ(ui.Command3[i]->text(), QStringLiteral("Z%1%2").arg(j).arg(k));
        EXPECT_EQ(ui.Command3[i]->font().pointSizeF(), 10);
    }
}

void ExpectRowsOf(const CalcControls& ui, int branches)
{
    for (int b = 1; b <= 15; ++b) {
        const bool on = b <= branches;
        EXPECT_EQ(Shown(ui.Command2[b - 1]), on) << "Z" << b;
        EXPECT_EQ(Shown(ui.Label3[Form1::RealLabel(b)]), on) << b;
        EXPECT_EQ(Shown(ui.Label3[Form1::ImagLabel(b)]), on) << b;
        EXPECT_EQ(Shown(ui.Label4[b - 1]), on) << b;
        EXPECT_EQ(Shown(ui.Combo2[b - 1]), on) << b;
        EXPECT_EQ(Shown(ui.Command4[b - 1]), on) << "I" << b;
        for (const QLabel* l : {ui.Label7[b - 1], ui.Label8[b - 1], ui.Label9[b - 1], ui.Label10[b - 1],
                                ui.Label11[b - 1]})
            EXPECT_EQ(Shown(l), on) << b;
        EXPECT_EQ(Shown(ui.Combo4[b - 1]), on) << b;
    }
    QStringList voltages;
    for (int b = 1; b <= branches; ++b) voltages << U8("Ｖ") + QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(Items(ui.Combo6[1]), voltages);
    EXPECT_EQ(ui.Combo6[1]->currentText(), U8("Ｖ01"));
}

TEST(StartUp, ShowsTheDefaultCircuit)
{
    User user;
    const CalcControls& ui = user.ui();
    EXPECT_EQ(user.form().windowTitle(), U8("Wexlar　Ｖｅｒ．１．０"));
    EXPECT_EQ(user.form().size(), QSize(1018, 736));
    EXPECT_EQ(ui.SSTab1->Current(), 0);
    EXPECT_EQ(ui.Combo3[0]->currentText(), U8("２"));
    EXPECT_EQ(ui.Combo3[1]->currentText(), U8("３"));
    EXPECT_EQ(ui.Text1[0]->text(), "1");
    EXPECT_EQ(ui.Combo1[0]->currentText(), U8("Ｖ"));
    EXPECT_EQ(ui.Text1[1]->text(), "100");
    EXPECT_EQ(ui.Combo1[1]->currentText(), U8("Ｈｚ"));
    ExpectMatrixOf(ui, 2);
    ExpectRowsOf(ui, 3);
    for (int b = 1; b <= 3; ++b) {
        EXPECT_TRUE(user.ImpedanceReal(b).isEmpty());
        EXPECT_TRUE(user.ImpedanceImag(b).isEmpty());
        EXPECT_TRUE(ui.Label7[b - 1]->text().isEmpty());
        EXPECT_EQ(ui.Command2[b - 1]->text(), QStringLiteral("Z%1=").arg(b));
        EXPECT_EQ(ui.Command4[b - 1]->text(), QStringLiteral("I0%1=").arg(b));
        EXPECT_EQ(ui.Combo2[b - 1]->currentText(), U8("Ω"));
        EXPECT_EQ(ui.Combo4[b - 1]->currentText(), U8("ｍＡ"));
    }
    EXPECT_FALSE(ui.Command1[1]->isEnabled());
    EXPECT_TRUE(ui.Command1[0]->isEnabled());

    // The lists, in their order.
    EXPECT_EQ(Items(ui.Combo1[0]), (QStringList{U8("ｍＶ"), U8("Ｖ"), U8("ＫＶ")}));
    EXPECT_EQ(Items(ui.Combo1[1]), (QStringList{U8("Ｈｚ"), U8("ＫＨｚ"), U8("ＭＨｚ")}));
    EXPECT_EQ(Items(ui.Combo3[0]), (QStringList{U8("２"), U8("３"), U8("４"), U8("５")}));
    EXPECT_EQ(Items(ui.Combo3[1]).size(), 14);
    EXPECT_EQ(Items(ui.Combo3[1]).last(), U8("１５"));
    EXPECT_EQ(Items(ui.Combo2[14]), (QStringList{U8("Ω"), U8("ＫΩ"), U8("ＭΩ")}));
    EXPECT_EQ(Items(ui.Combo4[14]), (QStringList{U8("μＡ"), U8("ｍＡ"), U8("Ａ")}));
    EXPECT_EQ(Items(ui.Combo5), (QStringList{U8("Ω"), U8("ＫΩ"), U8("ＭΩ")}));
    EXPECT_EQ(Items(ui.Combo6[2]), (QStringList{U8("μＶ"), U8("ｍＶ"), U8("Ｖ"), U8("ＫＶ")}));

    const Circuit& c = user.circuit();
    EXPECT_EQ(c.LoopCnt, 2);
    EXPECT_EQ(c.BrCnt, 3);
    EXPECT_EQ(c.EmfVal * c.EmfMul, 1);
    EXPECT_EQ(c.FrqVal * c.FrqMul, 100);
}

TEST(CircuitSize, FourLoopsFifteenBranchesAndBackToTwo)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.Calculate();
    ASSERT_TRUE(ui.Command1[1]->isEnabled());

    EXPECT_EQ(user.Answering("はい", [&] { user.Choose(ui.Combo3[0], U8("４")); }),
              U8("回路の入力内容が消去されます。よろしいですか？"));
    EXPECT_EQ(user.circuit().LoopCnt, 4);
    ExpectMatrixOf(ui, 4);
    ExpectRowsOf(ui, 3);
    // Everything entered before is gone.
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    EXPECT_TRUE(ui.Label7[1]->text().isEmpty());
    EXPECT_TRUE(ui.Label12[1]->text().isEmpty());
    EXPECT_FALSE(ui.Command1[1]->isEnabled());
    EXPECT_EQ(user.circuit().BrR[1], 0);
    EXPECT_EQ(user.circuit().ZDef11[1], 0);
    EXPECT_TRUE(ui.Text1[0]->hasFocus());

    // Nothing entered since: no question.
    EXPECT_TRUE(user.Answering("はい", [&] { user.Choose(ui.Combo3[1], U8("１５")); }).isEmpty());
    EXPECT_EQ(user.circuit().BrCnt, 15);
    ExpectMatrixOf(ui, 4);
    ExpectRowsOf(ui, 15);
    EXPECT_EQ(user.circuit().LoopMat.Rows(), 4);
    // All fifteen branch voltages are in sight without scrolling.
    ui.Combo6[1]->showPopup();
    const QAbstractItemView* list = ui.Combo6[1]->view();
    for (int row = 0; row < 15; ++row)
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0)))) << row;
    ui.Combo6[1]->hidePopup();

    user.Choose(ui.Combo3[0], U8("２"));
    user.Choose(ui.Combo3[1], U8("２"));
    ExpectMatrixOf(ui, 2);
    ExpectRowsOf(ui, 2);
    EXPECT_EQ(user.circuit().BrCnt, 2);
    EXPECT_EQ(user.circuit().LoopCnt, 2);
}

// A circuit is discarded only when the count really changes and the user
// agrees; the wheel over a closed count selector changes nothing.
TEST(CircuitSize, CountSelectorsNeverDiscardUnasked)
{
    User user;
    const CalcControls& ui = user.ui();
    const auto expectSample = [&](const char* step) {
        EXPECT_EQ(user.circuit().BrCnt, 3) << step;
        EXPECT_EQ(ui.Combo3[1]->currentText(), U8("３")) << step;
        EXPECT_EQ(user.ImpedanceReal(1), "1") << step;
        EXPECT_EQ(ui.Command3[0]->text(), U8("Z1＋Z2")) << step;
        EXPECT_EQ(ui.Label7[1]->text(), U8("I1－I2=")) << step;
    };
    user.EnterSampleCircuit();

    const auto wheelNotch = [](Selector* selector) {
        QWheelEvent notch(QPointF(5, 5), selector->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(selector, &notch);
    };
    EXPECT_TRUE(user.Answering("はい", [&] { wheelNotch(ui.Combo3[1]); }).isEmpty());
    expectSample("a wheel notch");
    // The same notch steps a unit selector.
    wheelNotch(ui.Combo2[2]);
    EXPECT_EQ(ui.Combo2[2]->currentText(), U8("ＫΩ"));

    EXPECT_TRUE(user.Answering("はい", [&] { user.Choose(ui.Combo3[1], U8("３")); }).isEmpty());
    expectSample("the same count");

    ui.Combo3[1]->setFocus();
    EXPECT_EQ(user.Answering("いいえ", [&] { QTest::keyClick(ui.Combo3[1], Qt::Key_Down); }),
              U8("回路の入力内容が消去されます。よろしいですか？"));
    expectSample("an arrow key answered いいえ");

    user.Answering("はい", [&] { QTest::keyClick(ui.Combo3[1], Qt::Key_Down); });
    EXPECT_EQ(user.circuit().BrCnt, 4);
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    EXPECT_EQ(ui.Command3[0]->text(), "Z11");
    EXPECT_TRUE(ui.Label7[1]->text().isEmpty());

    // E alone is an entry too.
    user.TypeInto(ui.Text1[0], "5");
    user.Answering("いいえ", [&] { user.Choose(ui.Combo3[0], U8("３")); });
    EXPECT_EQ(user.circuit().LoopCnt, 2);
    EXPECT_EQ(user.circuit().EmfVal, 5);
}

TEST(MainCommands, ClearKeepsTheSizeAndEmptiesEverything)
{
    User user;
    const CalcControls& ui = user.ui();
    user.Choose(ui.Combo3[1], U8("４"));
    user.EnterSampleCircuit();
    user.TypeInto(ui.Text1[0], "5");
    user.Choose(ui.Combo2[0], U8("ＫΩ"));
    user.Calculate();
    user.TakeMessages();

    // From the graph page, whose reset must not redraw it again.
    user.Click(ui.Command1[1]);
    ASSERT_EQ(ui.SSTab1->Current(), 1);
    ui.SSTab1->SetCurrent(0);
    user.Click(ui.Command1[2]);
    EXPECT_EQ(ui.SSTab1->Current(), 0);
    EXPECT_EQ(user.circuit().LoopCnt, 2);
    EXPECT_EQ(user.circuit().BrCnt, 4);
    ExpectMatrixOf(ui, 2);
    ExpectRowsOf(ui, 4);
    EXPECT_EQ(ui.Text1[0]->text(), "1");
    EXPECT_EQ(user.circuit().EmfVal, 1);
    EXPECT_EQ(ui.Combo2[0]->currentText(), U8("Ω"));
    EXPECT_EQ(user.circuit().ImpDspMul[1], 1);
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    EXPECT_TRUE(ui.Label7[0]->text().isEmpty());
    EXPECT_TRUE(ui.Label8[0]->text().isEmpty());
    EXPECT_FALSE(ui.Command1[1]->isEnabled());
}

TEST(MainCommands, EndAsksTheProgramToStop)
{
    User user;
    user.EnterSampleCircuit();
    user.Calculate();
    bool asked = false;
    QObject::connect(&user.form(), &Form1::endRequested, [&] { asked = true; });
    user.Click(user.ui().Command1[3]);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(user.messages().empty());
}

}  // namespace
