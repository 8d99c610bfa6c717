// The entry fields E and f and the unit selectors of the main window. Typing
// never recalculates: it only empties the results it makes stale. The display
// unit selectors show the stored results again with the new multiplier.

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "entry_field.h"
#include "form1.h"
#include "platform/message_box.h"
#include "platform/qstring_utf8.h"
#include "selector.h"
#include "units.h"

namespace {

// Stores the multiplier of the chosen unit; a text that names no unit of
// the list leaves it as it is.
void Choose(double& multiplier, UnitList list, const Selector* selector)
{
    if (const auto m = MultiplierOf(list, Std(selector->currentText()))) multiplier = *m;
}

}  // namespace

void Form1::SetText(QLabel* label, const std::string& text) { label->setText(U8(text)); }

void Form1::Text1Change(int i)
{
    ui_.Label12[1]->clear();
    ui_.Label12[2]->clear();
    // Empty or an unfinished number: the value waits for a number.
    const std::string text = Std(ui_.Text1[i]->text());
    if (!IsNumeric(text)) return;
    if (i == 1) {
        ClearFreqResults();
        c_.FrqVal = NumericValue(text);
    } else {
        ClearEmfResults();
        c_.EmfVal = NumericValue(text);
    }
    usedText_[i] = ui_.Text1[i]->text();
}

void Form1::Text1Enter(int i)
{
    if (i == 0)
        ui_.Text1[1]->setFocus();
    else
        ui_.Command2[0]->setFocus();
}

void Form1::Combo1Click(int i)
{
    ui_.Label12[1]->clear();
    ui_.Label12[2]->clear();
    if (i == 1) {
        ClearFreqResults();
        Choose(c_.FrqMul, units::kFrequency, ui_.Combo1[1]);
    } else {
        ClearEmfResults();
        Choose(c_.EmfMul, units::kEmf, ui_.Combo1[0]);
    }
    ui_.Text1[i]->setFocus();
    ui_.Text1[i]->selectAll();
}

void Form1::Combo2Click(int i)
{
    const int b = i + 1;
    if (b > c_.BrCnt) return;
    Choose(c_.ImpDspMul[b], units::kImpedanceDisplay, ui_.Combo2[i]);
    Guarded([&] { ShowBranchImpedance(b); });
}

void Form1::Combo4Click(int i)
{
    const int b = i + 1;
    if (b > c_.BrCnt) return;
    Choose(c_.CurDspMul[b], units::kCurrentDisplay, ui_.Combo4[i]);
    Guarded([&] { SetText(ui_.Label8[i], DisplayValue(c_.BrCurAbs[b], c_.CurDspMul[b])); });
}

void Form1::Combo5Click()
{
    Choose(c_.ImpDspMul[0], units::kImpedanceDisplay, ui_.Combo5);
    Guarded([&] { SetText(ui_.Label12[1], DisplayValue(c_.ZiAbs, c_.ImpDspMul[0])); });
}

void Form1::Combo6Click(int i)
{
    // The branch is read from the last two characters of the branch
    // selector; a typed text that names no branch of the circuit is ignored.
    const double read = std::nearbyint(NumericValue(Std(ui_.Combo6[1]->currentText().right(2))));
    if (!(read >= 1 && read <= c_.BrCnt)) return;
    const int b = static_cast<int>(read);
    Guarded([&] {
        if (i == 1) {
            SetText(ui_.Label13[1], DisplayValue(c_.BrVolAbs[b], c_.VolDspMul[b]));
            ui_.Combo6[2]->SetText(U8(c_.VolUnitTxt[b]));
            SetText(ui_.Label13[2], GeneralText(c_.BrVolPh[b]));
        } else if (i == 2) {
            Choose(c_.VolDspMul[b], units::kVoltageDisplay, ui_.Combo6[2]);
            SetText(ui_.Label13[1], DisplayValue(c_.BrVolAbs[b], c_.VolDspMul[b]));
            c_.VolUnitTxt[b] = Std(ui_.Combo6[2]->currentText());
        }
    });
}

void Form1::ClearFreqResults()
{
    for (int b = 1; b <= c_.BrCnt; ++b) {
        ClearBranchImpedance(b);
        ui_.Label8[b - 1]->clear();
        ui_.Label10[b - 1]->clear();
    }
    ui_.Label13[1]->clear();
    ui_.Label13[2]->clear();
}

void Form1::ClearEmfResults()
{
    for (int b = 1; b <= c_.BrCnt; ++b) {
        ui_.Label8[b - 1]->clear();
        ui_.Label10[b - 1]->clear();
    }
    ui_.Label13[1]->clear();
    ui_.Label13[2]->clear();
}

void Form1::ShowBranchImpedance(int b)
{
    SetText(ui_.Label3[RealLabel(b)], DisplayValue(c_.BrImp[b].re, c_.ImpDspMul[b]));
    SetText(ui_.Label3[ImagLabel(b)], DisplayValue(c_.BrImp[b].im, c_.ImpDspMul[b]));
}

void Form1::Guarded(const std::function<void()>& display)
{
    try {
        display();
    } catch (const CalcError& e) {
        ShowMessage(U8(e.description()), MessageIcon::Information, this);
    }
}
