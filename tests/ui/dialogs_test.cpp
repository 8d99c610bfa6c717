// The entry dialogs on their own, and the definition commands that open them.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <bit>
#include <gtest/gtest.h>

#include "document/qstring_utf8.h"
#include "ui/current_dialog.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/matrix_dialog.h"
#include "ui/selector.h"
#include "user.h"

namespace {

TEST(ElementDialog, OpensWithTheEntryAndHandsBackWhatItShows)
{
    // Values from a file may be longer than the keyboard may type.
    ElementEntry stored;
    stored.values = {{{"12345678", U8("ＫΩ")}, {"-.5", U8("μＨ")}, {"0.0000047", U8("ＰＦ")}}};
    ElementDialog dialog(QStringLiteral("Z1"), stored);
    EXPECT_EQ(dialog.windowTitle(), U8("ＲＬＣ素子値の入力　Z1"));
    EXPECT_EQ(dialog.ValueField(kResistanceEntry)->selectedText(), "12345678");
    EXPECT_EQ(dialog.UnitSelector(kInductanceEntry)->currentText(), U8("μＨ"));
    dialog.OnOk();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Entry(), stored);

    // A typed text that is no unit leaves the unit; ＰＦ and back is μＦ.
    dialog.UnitSelector(kCapacitanceEntry)->SetText(U8("Ｆ"));
    dialog.OnUnitChosen(kCapacitanceEntry);
    EXPECT_EQ(dialog.Entry().values[2].unit, U8("Ｆ"));
    dialog.UnitSelector(kCapacitanceEntry)->SetText("pF");
    dialog.OnUnitChosen(kResistanceEntry);
    EXPECT_EQ(dialog.Entry().values[2].unit, U8("Ｆ"));
    dialog.UnitSelector(kCapacitanceEntry)->SetText(U8("μＦ"));
    dialog.OnUnitChosen(kCapacitanceEntry);
    EXPECT_EQ(dialog.Entry().values[2].unit, U8("μＦ"));

    // An emptied field hands over what it shows: nothing, so 0.
    dialog.ValueField(kInductanceEntry)->setText("");
    EXPECT_EQ(dialog.Entry().values[1].text, "");
    EXPECT_EQ(ElementsOf(dialog.Entry()).l, 0);
}

TEST(ElementDialog, EnterMovesThroughTheFieldsAndUnitsAndOnlyOkAccepts)
{
    ElementDialog dialog(QStringLiteral("Z1"), ElementEntry{});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(dialog.ValueField(kResistanceEntry)->hasFocus());
    // The wheel passing over a unit leaves it.
    WheelNotch(dialog.UnitSelector(kResistanceEntry));
    EXPECT_EQ(dialog.Entry().values[kResistanceEntry].unit, U8("Ω"));
    EXPECT_EQ(dialog.UnitSelector(kResistanceEntry)->currentText(), U8("Ω"));
    QTest::keyClick(dialog.ValueField(kResistanceEntry), Qt::Key_Return);
    EXPECT_TRUE(dialog.ValueField(kInductanceEntry)->hasFocus());
    QTest::keyClick(dialog.ValueField(kInductanceEntry), Qt::Key_Return);
    EXPECT_TRUE(dialog.ValueField(kCapacitanceEntry)->hasFocus());
    QTest::keyClick(dialog.ValueField(kCapacitanceEntry), Qt::Key_Return);
    EXPECT_TRUE(dialog.OkButton()->hasFocus());

    // Tab from ＯＫ past キャンセル to the L unit: Enter there moves on as in
    // the L field, and so on for each unit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(dialog.UnitSelector(kInductanceEntry)->hasFocus());
    const std::array<QWidget*, 3> next = {dialog.ValueField(kInductanceEntry), dialog.ValueField(kCapacitanceEntry),
                                          dialog.OkButton()};
    for (int i : {1, 2, 0}) {
        dialog.UnitSelector(i)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(next[i]->hasFocus()) << i;
        EXPECT_TRUE(dialog.isVisible()) << i;
    }

    QTest::keyClick(dialog.OkButton(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ElementDialog, EscapeAndCloseBoxCancel)
{
    {
        ElementDialog dialog(QStringLiteral("Z1"), ElementEntry{});
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    // What was pressed stays readable after the close box.
    MatrixElementDialog matrix(1, 2, 3);
    matrix.OnBranchButton(1);
    QTimer::singleShot(0, &matrix, [&] { matrix.close(); });
    EXPECT_EQ(matrix.exec(), QDialog::Rejected);
    EXPECT_EQ(matrix.Entry().text, "Z1");
}

TEST(MatrixDialog, SignsAreAStateAndTheLastPressWins)
{
    MatrixElementDialog first(1, 2, 3);
    EXPECT_FALSE(first.BranchButton(4)->isVisibleTo(&first));
    EXPECT_TRUE(first.BranchButton(3)->isVisibleTo(&first));
    EXPECT_TRUE(first.ZeroButton()->isVisibleTo(&first));
    // The dialog names its element and shows the sum as it grows.
    EXPECT_EQ(first.windowTitle(), U8("マトリクスの要素の入力　Z12"));
    first.OnBranchButton(1);
    EXPECT_EQ(first.NextSign()->text(), U8("次の項：＋"));
    first.OnMinus();
    EXPECT_EQ(first.DefinitionLine()->text(), U8("Z12＝Z1－"));
    EXPECT_EQ(first.NextSign()->text(), U8("次の項：－"));
    first.OnBranchButton(2);
    first.OnBranchButton(3);
    EXPECT_EQ(first.DefinitionLine()->text(), U8("Z12＝Z1－Z2Z3"));
    EXPECT_EQ(first.Entry().text, U8("Z1－Z2Z3"));
    EXPECT_EQ(first.Entry().marks, (Marks{0, 1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    MatrixElementDialog second(1, 2, 3);
    EXPECT_EQ(second.Entry().text, "");
    second.OnBranchButton(2);
    EXPECT_EQ(second.Entry().marks[2], 1);
    second.OnMinus();
    second.OnBranchButton(2);
    EXPECT_EQ(second.Entry().text, U8("Z2－Z2"));
    EXPECT_EQ(second.Entry().marks[2], -1);

    MatrixElementDialog zero(1, 2, 3);
    zero.OnZero();
    EXPECT_EQ(zero.Entry().text, "0");
    EXPECT_EQ(zero.Entry().marks, (Marks{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // The keyboard, sent where the focus is: a second digit joins the first
    // within a second and before a sign, "0" first in a term is "０", 16 is
    // no branch; Backspace takes back a term with its sign, Enter is ＯＫ even
    // on a branch button.
    MatrixElementDialog typed(1, 2, 15);
    typed.show();
    QApplication::setActiveWindow(&typed);
    QTest::keyClicks(QApplication::focusWidget(), "12-1+0516");
    EXPECT_EQ(typed.Entry().text, U8("Z12－Z1＋0Z5Z1"));
    QTest::qWait(1100);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    EXPECT_EQ(typed.Entry().text, U8("Z12－Z1＋0Z5Z1Z2"));
    for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(typed.DefinitionLine()->text(), U8("Z12＝Z12－Z1"));
    typed.BranchButton(3)->setFocus();
    QTest::keyClick(typed.BranchButton(3), Qt::Key_Return);
    EXPECT_EQ(typed.result(), QDialog::Accepted);
    EXPECT_EQ(typed.Entry().marks, (Marks{0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST(CurrentDialog, BuildsTheDefinitionEndingInEquals)
{
    BranchCurrentDialog dialog(3, 2);
    EXPECT_EQ(dialog.windowTitle(), U8("ループ電流から枝路電流を求める　I03"));
    EXPECT_TRUE(dialog.LoopButton(2)->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.LoopButton(3)->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.Entry().marks.size(), 6u);
    dialog.OnMinus();
    dialog.OnLoopButton(2);
    dialog.OnOk();
    EXPECT_EQ(dialog.Entry().text, U8("－I2="));
    EXPECT_EQ(dialog.Entry().marks, (Marks{0, 0, -1, 0, 0, 0}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // There is no zero and no loop 3 to type.
    BranchCurrentDialog typed(3, 2);
    typed.show();
    QTest::keyClicks(&typed, "1-032");
    EXPECT_EQ(typed.Entry().text, U8("I1－I2"));
    QTest::keyClick(&typed, Qt::Key_Escape);
    EXPECT_EQ(typed.result(), QDialog::Rejected);
}

TEST(DefinitionCommands, LongDefinitionsShrinkAndMirror)
{
    User user;
    const CalcControls& ui = user.ui();
    user.Choose(ui.branchCount, U8("１３"));
    user.DefineMatrix(1, 2, {"Ｚ１", "＋", "Ｚ２", "＋", "Ｚ１３"});
    EXPECT_EQ(ui.matrixButtons[1][2]->text(), U8("Z1＋Z2＋Z13"));
    EXPECT_EQ(ui.matrixButtons[1][2]->font().pointSizeF(), 8);
    EXPECT_EQ(ui.matrixButtons[2][1]->text(), U8("Z1＋Z2＋Z13"));
    EXPECT_EQ((*user.document().matrix[MatrixPosition(1, 2)])[13], 1);

    // Opened again, the dialog shows the definition; ＯＫ keeps it.
    user.WithDialog([&] { user.Click(ui.matrixButtons[1][2]); },
                    [&](QWidget& w) {
                        auto& dialog = static_cast<MatrixElementDialog&>(w);
                        EXPECT_EQ(dialog.DefinitionLine()->text(), U8("Z12＝Z1＋Z2＋Z13"));
                        user.Click(dialog.OkButton());
                    });
    EXPECT_EQ(ui.matrixButtons[2][1]->text(), U8("Z1＋Z2＋Z13"));

    user.DefineMatrix(1, 2, {"Ｚ１", "＋", "Ｚ２", "＋", "Ｚ３"});
    EXPECT_EQ(ui.matrixButtons[1][2]->font().pointSizeF(), 10);

    // Confirmed empty: the clicked button shows its name again, the mirror
    // keeps the last definition, the element is zero.
    user.DefineMatrix(1, 2, {});
    EXPECT_EQ(ui.matrixButtons[1][2]->text(), "Z12");
    EXPECT_EQ(ui.matrixButtons[2][1]->text(), U8("Z1＋Z2＋Z3"));
    EXPECT_FALSE(user.document().matrix[MatrixPosition(1, 2)]);

    // Cancelled: nothing changes.
    user.DefineMatrix(1, 1, {"Ｚ４"}, false);
    EXPECT_EQ(ui.matrixButtons[1][1]->text(), "Z11");
    EXPECT_FALSE(user.document().matrix[MatrixPosition(1, 1)]);
}

TEST(DefinitionCommands, ElementValuesAndTheirImpedance)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterElement(1, {"10", ""});
    EXPECT_EQ(user.ImpedanceReal(1), "10");
    EXPECT_EQ(user.ImpedanceImag(1), "0");

    user.EnterElement(2, {"2.2", U8("ＫΩ")}, {"10", ""}, {"100", U8("ＰＦ")});
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).r, 2200);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).l, 0.01);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).c, 100 * 1e-12);

    // Cancelled: the branch keeps its values and its labels.
    user.EnterElement(1, {"99", ""}, {}, {}, false);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).r, 10);
    EXPECT_EQ(user.ImpedanceReal(1), "10");

    // 1 μF at 1 kHz.
    user.TypeInto(ui.frequencyField, "1");
    user.Choose(ui.frequencyUnit, U8("ＫＨｚ"));
    user.EnterElement(3, {}, {}, {"1", ""});
    EXPECT_EQ(user.ImpedanceImag(3), "-159.155");
    user.Choose(ui.impedanceUnit[3], U8("ＫΩ"));
    EXPECT_EQ(user.ImpedanceImag(3), "-0.1592");
    EXPECT_TRUE(user.messages().empty());
}

TEST(DefinitionCommands, TheDialogShowsTheBranchAsEnteredAndOkChangesNothing)
{
    User user;
    const CalcControls& ui = user.ui();
    user.TypeInto(ui.frequencyField, "1");
    user.Choose(ui.frequencyUnit, U8("ＫＨｚ"));
    user.EnterElement(2, {".1218", U8("ＫΩ")}, {"3.3", U8("μＨ")}, {"4.7", U8("ＰＦ")});
    const auto branch2 = [&] {
        const BranchElements e = ElementsOfBranch(user.circuit(), 2);
        const Complex z = *user.window().results().impedance[2];
        return std::array<double, 5>{e.r, e.l, e.c, z.re, z.im};
    };
    const std::array<double, 5> before = branch2();
    const QString real = user.ImpedanceReal(2), imag = user.ImpedanceImag(2);

    const bool opened = user.WithDialog([&] { user.Click(ui.elementButtons[2]); },
                                        [&](QWidget& w) {
                                            auto& dialog = static_cast<ElementDialog&>(w);
                                            const std::array<const char*, 3> texts = {".1218", "3.3", "4.7"};
                                            const std::array<const char*, 3> units = {"ＫΩ", "μＨ", "ＰＦ"};
                                            for (int i = 0; i < 3; ++i) {
                                                EXPECT_EQ(dialog.ValueField(i)->text(), texts[i]) << i;
                                                EXPECT_EQ(dialog.UnitSelector(i)->currentText(), U8(units[i])) << i;
                                            }
                                            user.Click(dialog.OkButton());
                                        });
    ASSERT_TRUE(opened);
    const std::array<double, 5> after = branch2();
    for (size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(std::bit_cast<uint64_t>(after[k]), std::bit_cast<uint64_t>(before[k])) << k;
    EXPECT_EQ(user.ImpedanceReal(2), real);
    EXPECT_EQ(user.ImpedanceImag(2), imag);

    // Emptied: R is 0 and there is no capacitor, and the dialog shows them
    // empty again.
    user.EnterElement(2, {"", ""}, {}, {"", ""});
    EXPECT_EQ(branch2()[0], 0);
    EXPECT_EQ(branch2()[1], before[1]);
    EXPECT_EQ(branch2()[2], 0);
    user.WithDialog([&] { user.Click(ui.elementButtons[2]); },
                    [&](QWidget& w) {
                        EXPECT_EQ(static_cast<ElementDialog&>(w).ValueField(kResistanceEntry)->text(), "");
                        EXPECT_EQ(static_cast<ElementDialog&>(w).ValueField(kCapacitanceEntry)->text(), "");
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
    EXPECT_TRUE(ui.currentMagnitude[1]->text().isEmpty());
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(ui.voltageMagnitude->text().isEmpty());

    // A branch current confirmed with nothing pressed is zero, not missing.
    user.DefineCurrent(2, {});
    EXPECT_EQ(ui.currentDefinition[2]->text(), "=");
    user.Answering("入力どおり計算", [&] { user.Calculate(); });
    EXPECT_TRUE(user.messages().empty());
    EXPECT_EQ(ui.currentMagnitude[2]->text(), "0");
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "333.3333");
}

}  // namespace
