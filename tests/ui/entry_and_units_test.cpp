// The entry fields E and f and the display-unit selectors.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <cmath>
#include <gtest/gtest.h>

#include "calc/number_text.h"
#include "graph/graph_page.h"
#include "document/qstring_utf8.h"
#include "ui/element_dialog.h"
#include "ui/entry_field.h"
#include "ui/result_label.h"
#include "ui/selector.h"
#include "ui/tab_control.h"
#include "user.h"

namespace {

// Text as a Japanese input method commits it.
void Commit(QWidget* field, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

TEST(NumericEntry, TypingKeepsWhatCanStillBecomeANumber)
{
    User user;
    EntryField* f = user.ui().frequencyField;

    // Unfinished: kept, and the value waits for a number.
    user.TypeInto(f, "-.");
    EXPECT_EQ(f->text(), "-.");
    EXPECT_EQ(Frequency(user.circuit()), 100);
    for (const char* unfinished : {"-", ".", "1E", "1E-"}) {
        user.TypeInto(f, unfinished);
        EXPECT_EQ(f->text(), unfinished);
    }
    user.TypeInto(f, "-5");
    EXPECT_EQ(Frequency(user.circuit()), -5);
    user.TypeInto(f, "1E3");
    EXPECT_EQ(Frequency(user.circuit()), 1000);
    user.TypeInto(f, ".1218");
    EXPECT_EQ(Frequency(user.circuit()), 0.1218);

    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    Commit(f, U8("－１２．５"));
    EXPECT_EQ(f->text(), "-12.5");
    EXPECT_EQ(Frequency(user.circuit()), -12.5);

    user.TypeInto(f, "7");
    QTest::keyClick(f, Qt::Key_Backspace);
    EXPECT_EQ(f->text(), "");
    EXPECT_EQ(Frequency(user.circuit()), 7);

    // Text that can never become a number is kept and marked; the value
    // waits for a number.
    user.TypeInto(f, "12x");
    EXPECT_EQ(f->text(), "12x");
    EXPECT_TRUE(f->IsMarked());
    EXPECT_EQ(f->toolTip(), U8("数値ではありません"));
    EXPECT_EQ(Frequency(user.circuit()), 12);

    user.TypeInto(f, "123456789");
    EXPECT_EQ(f->text(), "1234567");
    EXPECT_FALSE(f->IsMarked());

    // Left unfinished or marked when the value is needed: named, focused,
    // nothing calculated (an empty circuit would report "計算出来ません").
    for (const char* refused : {"2E-", "0,47", "1.2p"}) {
        user.TypeInto(f, refused);
        user.Click(user.ui().emfField);
        user.Calculate();
        ASSERT_EQ(user.messages().size(), 1u);
        EXPECT_EQ(user.TakeMessages()[0].text, U8("数値を入力して下さい。"));
        EXPECT_TRUE(f->hasFocus());
        EXPECT_EQ(f->text(), refused);
    }
    // Nor is it saved as the last number it held.
    bool asked = false;
    user.window().SetFileChoosers({}, [&](QWidget*, const QString&) {
        asked = true;
        return QString();
    });
    EXPECT_FALSE(user.window().OnSave());
    EXPECT_FALSE(asked);
    EXPECT_EQ(user.TakeMessages().size(), 1u);

    // A prefixed value becomes the number and unit that show it shortest
    // when its field is left, or when F5 needs it.
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    Commit(f, U8("２ｋ２"));
    user.Click(user.ui().emfField);
    EXPECT_EQ(f->text(), "2.2");
    EXPECT_EQ(user.ui().frequencyUnit->currentText(), U8("ＫＨｚ"));
    user.TypeInto(user.ui().emfField, "47m");
    user.Answering("いいえ", [&] { QTest::keyClick(user.ui().emfField, Qt::Key_F5); });
    EXPECT_EQ(user.document().emf, (ValueEntry{"47", U8("ｍＶ")}));
    EXPECT_EQ(SourceVoltage(user.circuit()), 1e-3 * 47);

    // The element dialog's fields alike; ＯＫ is refused while one is
    // unfinished.
    user.WithDialog([&] { user.Click(user.ui().elementButtons[1]); },
                    [&](QWidget& w) {
                        auto& dialog = static_cast<ElementDialog&>(w);
                        user.TypeInto(dialog.ValueField(kResistanceEntry), "-5");
                        user.TypeInto(dialog.ValueField(kInductanceEntry), "1E3");
                        user.Click(dialog.ValueField(kCapacitanceEntry));
                        Commit(dialog.ValueField(kCapacitanceEntry), U8("１２"));
                        user.Click(dialog.OkButton());
                    });
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).r, -5);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).l, 1000 * 1e-3);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).c, 12 * 1e-6);
    user.WithDialog([&] { user.Click(user.ui().elementButtons[1]); },
                    [&](QWidget& w) {
                        auto& dialog = static_cast<ElementDialog&>(w);
                        user.TypeInto(dialog.ValueField(kCapacitanceEntry), "-.");
                        user.Click(dialog.OkButton());
                        EXPECT_TRUE(dialog.isVisible());
                        EXPECT_TRUE(dialog.ValueField(kCapacitanceEntry)->hasFocus());
                        user.TypeInto(dialog.ValueField(kCapacitanceEntry), ".5");
                        user.Click(dialog.OkButton());
                        EXPECT_FALSE(dialog.isVisible());
                    });
    EXPECT_EQ(user.TakeMessages().size(), 1u);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 1).c, 0.5 * 1e-6);

    // 1p of an inductance needs more than 7 characters in every unit.
    user.WithDialog([&] { user.Click(user.ui().elementButtons[2]); },
                    [&](QWidget& w) {
                        auto& dialog = static_cast<ElementDialog&>(w);
                        user.TypeInto(dialog.ValueField(kResistanceEntry), "4.7k");
                        user.TypeInto(dialog.ValueField(kInductanceEntry), "1p");
                        user.TypeInto(dialog.ValueField(kCapacitanceEntry), "47n");
                        user.Click(dialog.OkButton());
                        EXPECT_TRUE(dialog.ValueField(kInductanceEntry)->hasFocus());
                        EXPECT_TRUE(dialog.ValueField(kInductanceEntry)->IsMarked());
                        QTest::keyClick(dialog.ValueField(kInductanceEntry), Qt::Key_A, Qt::ControlModifier);
                        Commit(dialog.ValueField(kInductanceEntry), U8("2.2μ"));
                        user.Click(dialog.OkButton());
                    });
    EXPECT_EQ(user.TakeMessages().size(), 1u);
    const std::array<ValueEntry, 3> shown = {{{"4.7", U8("ＫΩ")}, {"2.2", U8("μＨ")}, {"0.047", U8("μＦ")}}};
    EXPECT_EQ(user.document().elements[1]->values, shown);
    EXPECT_EQ(ElementsOfBranch(user.circuit(), 2).c, 0.047 * 1e-6);
}

// A value in use is never hidden by an emptied field: 計算実行 uses E and f,
// the element command f, the graph page E.
TEST(NumericEntry, AnEmptiedFieldShowsTheValueInUseWhenCalculating)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.TypeInto(ui.emfField, "2");
    user.TypeInto(ui.frequencyField, "50");
    const auto empty = [&](EntryField* field) {
        user.TypeInto(field, "");
        QTest::keyClick(field, Qt::Key_Backspace);
        ASSERT_TRUE(field->text().isEmpty());
    };

    empty(ui.emfField);
    empty(ui.frequencyField);
    user.Calculate();
    EXPECT_EQ(ui.emfField->text(), "2");
    EXPECT_EQ(ui.frequencyField->text(), "50");
    EXPECT_EQ(ui.currentMagnitude[1]->text(), "1333.3333");

    empty(ui.frequencyField);
    user.EnterElement(1, {"1", ""});
    EXPECT_EQ(ui.frequencyField->text(), "50");
    EXPECT_EQ(user.ImpedanceReal(1), "1");

    empty(ui.emfField);
    user.Click(ui.frequencyButton);
    EXPECT_EQ(ui.emfField->text(), "2");
    EXPECT_TRUE(user.messages().empty());
}

TEST(NumericEntry, PastedExponentFormIsAccepted)
{
    User user;
    EntryField* f = user.ui().emfField;
    QApplication::clipboard()->setText("2E3");
    user.Click(f);
    QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->text(), "2E3");
    EXPECT_EQ(SourceVoltage(user.circuit()), 2000);
}

TEST(NumericEntry, FocusSelectsAndEnterMovesOn)
{
    User user;
    const CalcControls& ui = user.ui();
    user.Click(ui.emfField);
    EXPECT_EQ(ui.emfField->selectedText(), "1");

    QTest::keyClick(ui.emfField, Qt::Key_Return);
    EXPECT_TRUE(ui.frequencyField->hasFocus());
    EXPECT_EQ(ui.emfField->text(), "1");
    EXPECT_FALSE(ui.emfField->hasSelectedText());
    EXPECT_EQ(ui.emfField->cursorPosition(), 1);
    EXPECT_EQ(ui.frequencyField->selectedText(), "100");

    QTest::keyClick(ui.frequencyField, Qt::Key_Enter);
    EXPECT_TRUE(ui.elementButtons[1]->hasFocus());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Frequency(user.circuit()), 100);
}

TEST(NumericEntry, TypingEmptiesOnlyTheResultsItMakesStale)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.Calculate();

    user.TypeInto(ui.emfField, "2");
    EXPECT_EQ(user.ImpedanceReal(1), "1");
    EXPECT_TRUE(ui.currentMagnitude[1]->text().isEmpty());
    EXPECT_TRUE(ui.currentPhase[1]->text().isEmpty());
    EXPECT_TRUE(ui.inputImpedanceMagnitude->text().isEmpty());
    EXPECT_TRUE(ui.voltageMagnitude->text().isEmpty());
    EXPECT_EQ(ui.currentDefinition[1]->text(), "I1=");

    user.Calculate();
    EXPECT_EQ(ui.currentMagnitude[2]->text(), "666.6667");
    user.Choose(ui.frequencyUnit, U8("ＫＨｚ"));
    EXPECT_TRUE(user.ImpedanceReal(1).isEmpty());
    EXPECT_TRUE(ui.currentMagnitude[2]->text().isEmpty());
    EXPECT_TRUE(ui.frequencyField->hasFocus());
    EXPECT_EQ(ui.frequencyField->selectedText(), "100");
    user.Calculate();
    EXPECT_EQ(Frequency(user.circuit()), 100000);
}

TEST(DisplayUnits, ImpedanceIsShownAgainWithoutRecalculating)
{
    User user;
    const CalcControls& ui = user.ui();
    // ω L = 196.162 × 6.283184 × 1.00166 = 1234.56793 Ω.
    user.TypeInto(ui.frequencyField, "196.162");
    user.EnterElement(1, {}, {"1.00166", U8("Ｈ")});
    EXPECT_EQ(user.ImpedanceImag(1), "1234.5679");

    user.Choose(ui.impedanceUnit[1], U8("ＫΩ"));
    EXPECT_EQ(user.ImpedanceImag(1), "1.2346");
    EXPECT_EQ(user.ImpedanceReal(1), "0");
    user.Choose(ui.impedanceUnit[1], U8("ＭΩ"));
    EXPECT_EQ(user.ImpedanceImag(1), "0.0012");

    // An impedance of another frequency, or never calculated, is not shown.
    user.TypeInto(ui.frequencyField, "1");
    user.Choose(ui.impedanceUnit[1], U8("Ω"));
    EXPECT_TRUE(user.ImpedanceImag(1).isEmpty());
    user.Choose(ui.impedanceUnit[2], U8("ＫΩ"));
    EXPECT_TRUE(user.ImpedanceReal(2).isEmpty());
}

TEST(DisplayUnits, CurrentsInputImpedanceAndVoltagesKeepTheirUnits)
{
    User user;
    const CalcControls& ui = user.ui();
    user.EnterSampleCircuit();
    user.TypeInto(ui.emfField, "37.5");
    user.Choose(ui.emfUnit, U8("ｍＶ"));
    user.Calculate();
    ASSERT_EQ(ui.currentMagnitude[3]->text(), "12.5");

    user.Choose(ui.currentUnit[3], U8("μＡ"));
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "12500");
    user.Choose(ui.currentUnit[3], U8("Ａ"));
    EXPECT_EQ(ui.currentMagnitude[3]->text(), "0.0125");
    EXPECT_EQ(ui.currentPhase[3]->text(), "0");

    user.Choose(ui.inputImpedanceUnit, U8("ＫΩ"));
    EXPECT_EQ(ui.inputImpedanceMagnitude->text(), "0.0015");

    // Branch 2 carries 12.5 mA through 1 Ω.
    user.Choose(ui.voltageBranch, U8("Ｖ02"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "0.0125");
    user.Choose(ui.voltageUnit, U8("ｍＶ"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "12.5");
    user.Choose(ui.voltageBranch, U8("Ｖ01"));
    EXPECT_EQ(ui.voltageUnit->currentText(), U8("Ｖ"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "0.025");
    user.Choose(ui.voltageBranch, U8("Ｖ02"));
    EXPECT_EQ(ui.voltageUnit->currentText(), U8("ｍＶ"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "12.5");
    EXPECT_EQ(ui.voltagePhase->text(), "0");

    // A typed branch that does not exist changes nothing.
    ui.voltageBranch->setEditText(U8("Ｖ99"));
    user.Choose(ui.voltageUnit, U8("μＶ"));
    EXPECT_EQ(ui.voltageMagnitude->text(), "12.5");
    EXPECT_TRUE(user.messages().empty());

    // The graph page's sweep and the printed page leave the calculated
    // results as they were, however the page is left.
    user.EnterElement(3, {}, {"10", U8("ｍＨ")});
    user.Calculate();
    user.Choose(ui.currentUnit[3], U8("μＡ"));
    const QString calculated = ui.currentMagnitude[3]->text();
    user.Click(ui.frequencyButton);
    ASSERT_EQ(ui.pageTabs->Current(), 1);
    EXPECT_TRUE(
        user.WithDialog([&] { user.Click(&user.window().Graph().PrintButton()); }, [](QWidget& w) { w.close(); }));
    ui.pageTabs->SetCurrent(0);
    user.Choose(ui.currentUnit[3], U8("ｍＡ"));
    user.Choose(ui.currentUnit[3], U8("μＡ"));
    EXPECT_EQ(ui.currentMagnitude[3]->text(), calculated);

    // A result of another E is not shown again, nor is 周波数特性 offered.
    user.TypeInto(ui.emfField, "2");
    user.Choose(ui.currentUnit[1], U8("Ａ"));
    EXPECT_TRUE(ui.currentMagnitude[1]->text().isEmpty());
    EXPECT_FALSE(ui.frequencyButton->isEnabled());
}

// Every result label shows its value whole: in a face of 8 points or more,
// or else in exponent form, the same number to the digits shown; the tool
// tip holds the full text. Run at pixel ratio 1 and again at 2.
TEST(ResultLabels, LongestTextsOfEveryFormAreReadable)
{
    User user;
    const CalcControls& ui = user.ui();
    const double ratio =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    struct Case {
        const char* text;
        bool whole;  // whether it must fit without exponent form
    };
    const Case cases[] = {
        {"-1591.5498", true},  // C = 1 μF at 100 Hz
        {"84673.3066", true},
        {"-179.9999", true},               // the longest phase
        {"9999999000000", false},          // R = 9999999 ＭΩ
        {"999999999999999", false},        // 15 digits, the largest without exponent
        {"-12345678901.2345", false},      // 17 characters, the longest without exponent
        {"-1.23456789012345E+15", false},  // 21 characters
        {"1.23456789012345E+304", false},
    };
    // An impedance part, a current, a phase, Zi and its phase, a branch
    // voltage and its phase.
    for (QLabel* label : {ui.impedanceRe[1], ui.impedanceIm[1], ui.currentMagnitude[1], ui.currentPhase[1],
                          ui.inputImpedanceMagnitude, ui.inputImpedancePhase, ui.voltageMagnitude, ui.voltagePhase}) {
        auto* result = qobject_cast<ResultLabel*>(label);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(label->devicePixelRatioF(), ratio);
        for (const Case& c : cases) {
            const QString full = QString::fromLatin1(c.text);
            label->setText(full);
            const ResultLabel::Shown shown = result->Fitted();
            SCOPED_TRACE(c.text);
            EXPECT_LE(QFontMetricsF(shown.font, label).horizontalAdvance(shown.text), result->TextRect().width());
            EXPECT_GE(shown.font.pointSizeF(), ResultLabel::kSmallestPoints);
            if (c.whole) {
                EXPECT_EQ(shown.text, full);
            }
            if (shown.text != full) {
                // d.ddd…E±x rounded, not cut, with as many digits as fit at
                // 8 points (one more leaves less than a pixel to spare).
                const QString mantissa = shown.text.section('E', 0, 0).remove('-').remove('.');
                const int digits = static_cast<int>(mantissa.size());
                const int exponent = shown.text.section('E', 1).toInt();
                EXPECT_GE(digits, 5);
                EXPECT_LE(std::fabs(shown.text.toDouble() - full.toDouble()),
                          0.5 * std::pow(10.0, exponent - digits + 1) * (1 + 1e-12));
                QFont smallest = shown.font;
                smallest.setPointSizeF(ResultLabel::kSmallestPoints);
                const QString longer = QString::fromStdString(ExponentText(full.toDouble(), digits + 1));
                EXPECT_GT(QFontMetricsF(smallest, label).horizontalAdvance(longer), result->TextRect().width() - 1);
            }
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(label, &hover);
            EXPECT_EQ(QToolTip::text(), full);
        }
        label->clear();
    }
}

}  // namespace
