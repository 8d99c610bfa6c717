// The entry dialogs on their own, and the definition commands that open them.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <bit>
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

TEST(ElementDialog, OpensWithTheEntryAndHandsBackWhatItShows)
{
    ElementEntry stored;
    stored.values = {{{"2.2", U("ＫΩ")}, {"-.5", U("μＨ")}, {"", U("ＰＦ")}}};
    Form2 dialog(stored);
    EXPECT_EQ(dialog.windowTitle(), U("ＲＬＣ素子値の入力"));
    EXPECT_EQ(dialog.Text1(0)->selectedText(), "2.2");
    EXPECT_EQ(dialog.Combo1(1)->currentText(), U("μＨ"));
    EXPECT_EQ(dialog.Entry(), stored);

    // A typed text that is no unit leaves the unit; ＰＦ and back is μＦ.
    dialog.Combo1(2)->SetText(U("Ｆ"));
    dialog.Combo1Click(2);
    EXPECT_EQ(dialog.Entry().values[2].unit, U("Ｆ"));
    dialog.Combo1(2)->SetText("pF");
    dialog.Combo1Click(0);
    EXPECT_EQ(dialog.Entry().values[2].unit, U("Ｆ"));
    dialog.Combo1(2)->SetText(U("μＦ"));
    dialog.Combo1Click(2);
    EXPECT_EQ(dialog.Entry().values[2].unit, U("μＦ"));

    // An emptied field hands over what it shows: nothing, so 0.
    dialog.Text1(1)->setText("");
    EXPECT_EQ(dialog.Entry().values[1].text, "");
    EXPECT_EQ(ElementsOf(dialog.Entry()).l, 0);
}

TEST(ElementDialog, EnterMovesThroughTheFieldsAndUnitsAndOnlyOkAccepts)
{
    Form2 dialog{ElementEntry{}};
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(dialog.Text1(0)->hasFocus());
    QTest::keyClick(dialog.Text1(0), Qt::Key_Return);
    EXPECT_TRUE(dialog.Text1(1)->hasFocus());
    QTest::keyClick(dialog.Text1(1), Qt::Key_Return);
    EXPECT_TRUE(dialog.Text1(2)->hasFocus());
    QTest::keyClick(dialog.Text1(2), Qt::Key_Return);
    EXPECT_TRUE(dialog.Command1(0)->hasFocus());

    // Tab from ＯＫ past キャンセル to the L unit: Enter there moves on as in
    // the L field, and so on for each unit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(dialog.Combo1(1)->hasFocus());
    const std::array<QWidget*, 3> next = {dialog.Text1(1), dialog.Text1(2), dialog.Command1(0)};
    for (int i : {1, 2, 0}) {
        dialog.Combo1(i)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(next[i]->hasFocus()) << i;
        EXPECT_TRUE(dialog.isVisible()) << i;
    }

    QTest::keyClick(dialog.Command1(0), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ElementDialog, EscapeAndCloseBoxCancel)
{
    Circuit c = Sized(2, 3);
    {
        Form2 dialog{ElementEntry{}};
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    c.DlgCancel = 1;
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

TEST(DefinitionCommands, TheDialogShowsTheBranchAsEnteredAndOkChangesNothing)
{
    User user;
    const CalcControls& ui = user.ui();
    user.TypeInto(ui.Text1[1], "1");
    user.Choose(ui.Combo1[1], U("ＫＨｚ"));
    user.EnterElement(2, {".1218", U("ＫΩ")}, {"3.3", U("μＨ")}, {"4.7", U("ＰＦ")});
    const Circuit& c = user.circuit();
    const std::array<double, 5> before = {c.BrR[2], c.BrL[2], c.BrC[2], c.BrImp[2].re, c.BrImp[2].im};
    const QString real = user.ImpedanceReal(2), imag = user.ImpedanceImag(2);

    const bool opened = user.WithDialog([&] { user.Click(ui.Command2[1]); }, [&](QWidget& w) {
        auto& dialog = static_cast<Form2&>(w);
        const std::array<const char*, 3> texts = {".1218", "3.3", "4.7"};
        const std::array<const char*, 3> units = {"ＫΩ", "μＨ", "ＰＦ"};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(dialog.Text1(i)->text(), texts[i]) << i;
            EXPECT_EQ(dialog.Combo1(i)->currentText(), U(units[i])) << i;
        }
        user.Click(dialog.Command1(0));
    });
    ASSERT_TRUE(opened);
    const std::array<double, 5> after = {c.BrR[2], c.BrL[2], c.BrC[2], c.BrImp[2].re, c.BrImp[2].im};
    for (size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(std::bit_cast<uint64_t>(after[k]), std::bit_cast<uint64_t>(before[k])) << k;
    EXPECT_EQ(user.ImpedanceReal(2), real);
    EXPECT_EQ(user.ImpedanceImag(2), imag);

    // Emptied: R is 0 and there is no capacitor, and the dialog shows them
    // empty again.
    user.EnterElement(2, {"", ""}, {}, {"", ""});
    EXPECT_EQ(c.BrR[2], 0);
    EXPECT_EQ(c.BrL[2], before[1]);
    EXPECT_EQ(c.BrC[2], 0);
    user.WithDialog([&] { user.Click(ui.Command2[1]); }, [&](QWidget& w) {
        EXPECT_EQ(static_cast<Form2&>(w).Text1(0)->text(), "");
        EXPECT_EQ(static_cast<Form2&>(w).Text1(2)->text(), "");
    });
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
