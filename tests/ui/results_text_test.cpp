// The command line's results are the window's labels: the same circuit
// entered through the window and read from its file gives the same texts.

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "document/qstring_utf8.h"
#include "documents.h"
#include "tests/support/qstring_printer.h"
#include "document/circuit_file.h"
#include "ui/entry_field.h"
#include "document/results_text.h"
#include "ui/selector.h"
#include "user.h"

namespace {

using namespace documents;

QString Line(const QString& name, const QString& first, const QString& second, const QString& unit)
{
    return name + '\t' + first + '\t' + second + '\t' + unit + '\n';
}

// The sample with reactive branches, E and f off their start values and
// display units other than the start ones.
CircuitDocument Entered()
{
    CircuitDocument d = Sample();
    d.emf = {"2.5", U8("Ｖ")};
    d.frequency = {"1.5", U8("ＫＨｚ")};
    d.elements[0] = Entry("4.7", "ＫΩ", "22", "ｍＨ", "0.1", "μＦ");
    d.elements[1] = Entry("33", "Ω", "1.5", "Ｈ", "", "μＦ");
    d.elements[2] = Entry("1", "ＭΩ", "0", "ｍＨ", "470", "ＰＦ");
    d.display = DisplayUnitsOf(d);
    d.display->impedance[1] = U8("ＫΩ");
    d.display->current[0] = U8("μＡ");
    d.display->current[2] = U8("Ａ");
    d.display->inputImpedance = U8("ＫΩ");
    d.display->voltage[2] = U8("ｍＶ");
    return d;
}

void EnterIntoWindow(User& u, const CircuitDocument& d)
{
    for (int b = 1; b <= 3; ++b) {
        const auto& v = d.elements[b - 1]->values;
        u.EnterElement(b, {v[0].text, v[0].unit}, {v[1].text, v[1].unit}, {v[2].text, v[2].unit});
    }
    u.DefineMatrix(1, 1, {"Ｚ１", "＋", "Ｚ２"});
    u.DefineMatrix(1, 2, {"－", "Ｚ２"});
    u.DefineMatrix(2, 2, {"Ｚ２", "＋", "Ｚ３"});
    u.DefineCurrent(1, {"Ｉ１"});
    u.DefineCurrent(2, {"Ｉ１", "－", "Ｉ２"});
    u.DefineCurrent(3, {"Ｉ２"});
    u.TypeInto(u.ui().emfField, d.emf.text);
    u.TypeInto(u.ui().frequencyField, d.frequency.text);
    u.Choose(u.ui().frequencyUnit, d.frequency.unit);
    for (int b = 1; b <= 3; ++b) {
        u.Choose(u.ui().impedanceUnit[b], d.display->impedance[b - 1]);
        u.Choose(u.ui().currentUnit[b], d.display->current[b - 1]);
        u.Choose(u.ui().voltageBranch, u.ui().voltageBranch->itemText(b - 1));
        u.Choose(u.ui().voltageUnit, d.display->voltage[b - 1]);
    }
    u.Choose(u.ui().inputImpedanceUnit, d.display->inputImpedance);
}

QString WindowLines(User& u)
{
    const CalcControls& ui = u.ui();
    QString lines;
    for (int b = 1; b <= 3; ++b)
        lines += Line(QStringLiteral("Z%1").arg(b), u.ImpedanceReal(b), u.ImpedanceImag(b),
                      ui.impedanceUnit[b]->currentText());
    for (int b = 1; b <= 3; ++b)
        lines += Line(QStringLiteral("I0%1").arg(b), ui.currentMagnitude[b]->text(), ui.currentPhase[b]->text(),
                      ui.currentUnit[b]->currentText());
    for (int b = 1; b <= 3; ++b) {
        u.Choose(ui.voltageBranch, ui.voltageBranch->itemText(b - 1));
        lines += Line(QStringLiteral("V0%1").arg(b), ui.voltageMagnitude->text(), ui.voltagePhase->text(),
                      ui.voltageUnit->currentText());
    }
    return lines + Line("Zi", ui.inputImpedanceMagnitude->text(), ui.inputImpedancePhase->text(),
                        ui.inputImpedanceUnit->currentText());
}

TEST(ResultsText, LinesAreTheWindowsLabelsForTheSameCircuit)
{
    const CircuitDocument entered = Entered();
    User u;
    EnterIntoWindow(u, entered);
    u.Calculate();
    ASSERT_TRUE(u.TakeMessages().empty());

    QTemporaryDir dir;
    const CircuitFileRead read = ReadCircuitFile(Saved(dir.path(), "entered.brivel", entered));
    ASSERT_TRUE(read.document);
    const ResultsText results = ResultsOf(*read.document, ResultsForm::Shown);
    ASSERT_FALSE(results.failure);
    EXPECT_EQ(results.lines, WindowLines(u));
}

}  // namespace
