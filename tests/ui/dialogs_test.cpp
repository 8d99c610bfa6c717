// The entry dialogs on their own, and the definition commands that open them.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/current_dialog.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/matrix_dialog.h"
#include "ui/selector.h"
#include "user.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

Circuit Sized(int loops, int branches)
{
    Circuit c;
    c.LoopCnt = static_cast<int16_t>(loops);
    c.BrCnt = static_cast<int16_t>(branches);
    InitCircuitData(c);
    return c;
}

TEST(ElementDialog, OpensEmptyAndKeepsTheLastNumberAndUnit)
{
    Circuit c = Sized(2, 3);
    c.ElmRVal = 5;
    c.DlgCancel = 1;
    Form2 dialog(c);
    EXPECT_EQ(dialog.windowTitle(), U("ＲＬＣ素子値の入力"));
    EXPECT_EQ(c.DlgCancel, 0);
    EXPECT_EQ(c.ElmRVal, 0);
    EXPECT_EQ(c.ElmLMul, 1e-3);
    EXPECT_EQ(c.ElmCMul, 1e-6);
    EXPECT_EQ(dialog.Text1(0)->selectedText(), "0");

    // A typed text that is no unit leaves the multiplier; ＰＦ and back is μＦ.
    dialog.Combo1(2)->SetText(U("ＰＦ"));
    dialog.Combo1Click(2);
    EXPECT_EQ(c.ElmCMul, 1e-12);
    dialog.Combo1(2)->SetText("pF");
    dialog.Combo1Click(0);
    EXPECT_EQ(c.ElmCMul, 1e-12);
    dialog.Combo1(2)->SetText(U("μＦ"));
    dialog.Combo1Click(2);
    EXPECT_EQ(c.ElmCMul, 1e-6);

    dialog.Text1(1)->setText("10");
    dialog.Text1(1)->setText("");
    EXPECT_EQ(c.ElmLVal, 10);
}

TEST(ElementDialog, EnterMovesThroughTheFieldsAndNeverPresses)
{
    Circuit c = Sized(2, 3);
    Form2 dialog(c);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(dialog.Text1(0)->hasFocus());
    QTest::keyClick(dialog.Text1(0), Qt::Key_Return);
    EXPECT_TRUE(dialog.Text1(1)->hasFocus());
    QTest::keyClick(dialog.Text1(1), Qt::Key_Return);
    EXPECT_TRUE(dialog.Text1(2)->hasFocus());
    QTest::keyClick(dialog.Text1(2), Qt::Key_Return);
    EXPECT_TRUE(dialog.Command1(0)->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ElementDialog, EscapeAndCloseBoxCancel)
{
    Circuit c = Sized(2, 3);
    {
        Form2 dialog(c);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(c.DlgCancel, 1);
    }
    Form3 matrix(c);
    EXPECT_EQ(c.DlgCancel, 1);  // the matrix dialog relies on the opener's reset
    c.DlgCancel = 0;
    matrix.show();
    matrix.close();
    EXPECT_EQ(c.DlgCancel, 1);
}

TEST(MatrixDialog, SignsAreAStateAndTheLastPressWins)
{
    Circuit c = Sized(2, 3);
    Form3 first(c);
    EXPECT_FALSE(first.Command1(4)->isVisibleTo(&first));
    EXPECT_TRUE(first.Command1(3)->isVisibleTo(&first));
    EXPECT_TRUE(first.Command1(0)->isVisibleTo(&first));
    first.Command1Click(1);
    first.Command3Click(1);
    first.Command1Click(2);
    first.Command1Click(3);
    EXPECT_EQ(c.ZDefText, "Z1－Z2Z3");
    EXPECT_EQ(c.ZDefWork, (Marks{0, 1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    Form3 second(c);
    EXPECT_EQ(c.ZDefText, "");
    EXPECT_EQ(c.SignMinus, 0);
    second.Command1Click(2);
    second.Command3Click(1);
    second.Command1Click(2);
    EXPECT_EQ(c.ZDefText, "Z2－Z2");
    EXPECT_EQ(c.ZDefWork[2], -1);

    Form3 zero(c);
    zero.Command1Click(0);
    EXPECT_EQ(c.ZDefText, "0");
    EXPECT_EQ(c.ZDefWork, (Marks{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CurrentDialog, BuildsTheDefinitionEndingInEquals)
{
    Circuit c = Sized(2, 3);
    Form4 dialog(c);
    EXPECT_TRUE(dialog.Command1(2)->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.Command1(3)->isVisibleTo(&dialog));
    EXPECT_EQ(c.CurDefWork.size(), 6u);
    dialog.Command3Click(1);
    dialog.Command1Click(2);
    dialog.Command2Click(0);
    EXPECT_EQ(c.CurDefText, "－I2=");
    EXPECT_EQ(c.CurDefWork, (Marks{0, 0, -1, 0, 0, 0}));
    EXPECT_EQ(c.DlgCancel, 0);
}

TEST(DefinitionCommands, LongDefinitionsShrinkAndMirror)
{
    User user;
    const CalcControls& ui = user.ui();
    user.Choose(ui.Combo3[1], U("１３"));
    user.DefineMatrix(1, {"Ｚ１", "＋", "Ｚ２", "＋", "Ｚ１３"});
    EXPECT_EQ(ui.Command3[1]->text(), U("Z1＋Z2＋Z13"));
    EXPECT_EQ(ui.Command3[1]->font().pointSizeF(), 8);
    EXPECT_EQ(ui.Command3[5]->text(), U("Z1＋Z2＋Z13"));
    EXPECT_EQ(user.circuit().ZDef12[13], 1);

    user.DefineMatrix(1, {"Ｚ１", "＋", "Ｚ２", "＋", "Ｚ３"});
    EXPECT_EQ(ui.Command3[1]->font().pointSizeF(), 10);

    // Confirmed empty: the clicked button shows its name again, the mirror
    // keeps the last definition, the element is zero.
    user.DefineMatrix(1, {});
    EXPECT_EQ(ui.Command3[1]->text(), "Z12");
    EXPECT_EQ(ui.Command3[5]->text(), U("Z1＋Z2＋Z3"));
    EXPECT_EQ(user.circuit().ZDef12, Marks(14, 0));

    // Cancelled: nothing changes.
    user.DefineMatrix(0, {"Ｚ４"}, false);
    EXPECT_EQ(ui.Command3[0]->text(), "Z11");
    EXPECT_EQ(user.circuit().ZDef11, Marks(14, 0));
    EXPECT_EQ(user.circuit().DlgCancel, 0);
}

TEST(DefinitionCommands, ElementValuesAndTheirImpedance)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterElement(1, {"10", ""});
    EXPECT_EQ(user.ImpedanceReal(1), "10");
    EXPECT_EQ(user.ImpedanceImag(1), "0");

    user.EnterElement(2, {"2.2", U("ＫΩ")}, {"10", ""}, {"100", U("ＰＦ")});
    EXPECT_EQ(user.circuit().BrR[2], 2200);
    EXPECT_EQ(user.circuit().BrL[2], 0.01);
    EXPECT_EQ(user.circuit().BrC[2], 100 * 1e-12);

    // Cancelled: the branch keeps its values and its labels.
    user.EnterElement(1, {"99", ""}, {}, {}, false);
    EXPECT_EQ(user.circuit().BrR[1], 10);
    EXPECT_EQ(user.ImpedanceReal(1), "10");

    // 1 μF at 1 kHz.
    user.TypeInto(ui.Text1[1], "1");
    user.Choose(ui.Combo1[1], U("ＫＨｚ"));
    user.EnterElement(3, {}, {}, {"1", ""});
    EXPECT_EQ(user.ImpedanceImag(3), "-159.155");
    user.Choose(ui.Combo2[2], U("ＫΩ"));
    EXPECT_EQ(user.ImpedanceImag(3), "-0.1592");
    EXPECT_TRUE(user.messages().empty());
}

TEST(DefinitionCommands, EachCommandEmptiesTheStaleResults)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.Calculate();
    user.EnterElement(1, {}, {}, {}, false);
    EXPECT_EQ(user.ImpedanceReal(1), "1");
    EXPECT_TRUE(ui.Label8[0]->text().isEmpty());
    EXPECT_TRUE(ui.Label12[1]->text().isEmpty());
    EXPECT_TRUE(ui.Label13[1]->text().isEmpty());

    // A branch current confirmed with nothing pressed is zero, not missing.
    user.DefineCurrent(2, {});
    EXPECT_EQ(ui.Label7[1]->text(), "=");
    user.Calculate();
    EXPECT_TRUE(user.messages().empty());
    EXPECT_EQ(ui.Label8[1]->text(), "0");
    EXPECT_EQ(ui.Label8[2]->text(), "333.3333");
}

}  // namespace
