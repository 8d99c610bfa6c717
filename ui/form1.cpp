// The main window's start-up, the circuit initialisation, the circuit-size
// selectors and the navigation between the pages.

#include "form1.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "entry_field.h"
#include "form1_layout.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "platform/message_box.h"
#include "platform/qstring_utf8.h"
#include "print/graph_page_host.h"
#include "print/preview_window.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"

namespace {

// "Ｖ01" … "Ｖ09", "Ｖ10" … "Ｖ15".
QString VoltageItem(int b) { return U8(texts::kVoltagePrefix) + (b <= 9 ? QStringLiteral("0") : QString()) + QString::number(b); }

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    Build();
    Load();
}

Form1::~Form1() = default;

QString Form1::DefaultMatrixCaption(int i) { return QStringLiteral("Z%1%2").arg(i / 5 + 1).arg(i % 5 + 1); }

int Form1::RealLabel(int b) { return 10 * ((b - 1) / 5) + (b - 1) % 5; }

int Form1::ImagLabel(int b) { return RealLabel(b) + 5; }

void Form1::ClearBranchImpedance(int b)
{
    ui_.Label3[RealLabel(b)]->clear();
    ui_.Label3[ImagLabel(b)]->clear();
}

void Form1::Load()
{
    setWindowTitle(U8(texts::kWindowCaption));
    c_.LoopCnt = 2;
    c_.BrCnt = 3;
    FillLists();
    ui_.Combo3[0]->SetText(U8(texts::kCounts[0]));
    ui_.Combo3[1]->SetText(U8(texts::kCounts[1]));
    FillBranchColours(g_);
    InitCircuit();
}

void Form1::InitCircuit()
{
    InitCircuitData(c_);
    elementEntries_.fill(ElementEntry{});
    for (int i = 0; i < c_.BrCnt; ++i) ui_.Combo2[i]->SetText(U8(texts::kOhm));
    ui_.Text1[0]->setText(QStringLiteral("1"));
    ui_.Combo1[0]->SetText(U8(texts::kVolt));
    ui_.Text1[1]->setText(QStringLiteral("100"));
    ui_.Combo1[1]->SetText(U8(texts::kHertz));

    for (int i = 0; i < 25; ++i) {
        QFont font = ui_.Command3[i]->font();
        font.setPointSizeF(layout::kMatrixPoints);
        ui_.Command3[i]->setFont(font);
        ui_.Command3[i]->setText(DefaultMatrixCaption(i));
    }
    switch (c_.LoopCnt) {
    case 2:
        SetMatrixButtons(1);
        for (int i : {0, 1, 5, 6}) ui_.Command3[i]->setVisible(true);
        break;
    case 3:
        SetMatrixButtons(1);
        for (int i : {0, 1, 2, 5, 6, 7, 10, 11, 12}) ui_.Command3[i]->setVisible(true);
        break;
    case 4:
        SetMatrixButtons(0);
        for (int i : {4, 9, 14, 19, 20, 21, 22, 23, 24}) ui_.Command3[i]->setVisible(false);
        break;
    case 5:
        SetMatrixButtons(0);
        break;
    }

    HideBranchRows();
    for (int i = 0; i < c_.BrCnt; ++i) {
        for (QWidget* w : BranchRow(i)) w->setVisible(true);
        ClearBranchImpedance(i + 1);
    }
    HideCurrentRows();
    for (int i = 0; i < c_.BrCnt; ++i) {
        for (QWidget* w : CurrentRow(i)) w->setVisible(true);
        ui_.Label7[i]->clear();
        ui_.Label8[i]->clear();
        ui_.Combo4[i]->SetText(U8(texts::kMilliAmpere));
        ui_.Label10[i]->clear();
    }

    ui_.Label12[1]->clear();
    ui_.Label12[2]->clear();
    ui_.Combo5->SetText(U8(texts::kOhm));
    ui_.Combo6[1]->clear();
    for (int b = 1; b <= c_.BrCnt; ++b) ui_.Combo6[1]->addItem(VoltageItem(b));
    ui_.Combo6[1]->SetText(VoltageItem(1));
    ui_.Combo6[2]->SetText(U8(texts::kVolt));
    ui_.Label13[1]->clear();
    ui_.Label13[2]->clear();

    // The graph page's own reset ends by choosing the input impedance, which
    // would redraw while "周波数特性" is still enabled.
    ui_.SSTab1->SetCurrent(0);
    ui_.Command1[1]->setEnabled(false);
    graph_->ResetForNewCircuit();
}

std::array<QWidget*, 5> Form1::BranchRow(int i) const
{
    return {ui_.Command2[i], ui_.Label3[RealLabel(i + 1)], ui_.Label4[i], ui_.Label3[ImagLabel(i + 1)], ui_.Combo2[i]};
}

std::array<QWidget*, 7> Form1::CurrentRow(int i) const
{
    return {ui_.Command4[i], ui_.Label7[i], ui_.Label8[i], ui_.Combo4[i], ui_.Label9[i], ui_.Label10[i], ui_.Label11[i]};
}

void Form1::SetMatrixButtons(int hide)
{
    if (hide != 0 && hide != 1) return;
    for (QPushButton* b : ui_.Command3) b->setVisible(hide == 0);
}

void Form1::HideBranchRows()
{
    for (int i = 0; i < 15; ++i) {
        ui_.Command2[i]->setVisible(false);
        ui_.Label4[i]->setVisible(false);
        ui_.Combo2[i]->setVisible(false);
    }
    for (QLabel* l : ui_.Label3) l->setVisible(false);
}

void Form1::HideCurrentRows()
{
    for (int i = 0; i < 15; ++i)
        for (QWidget* w : CurrentRow(i)) w->setVisible(false);
}

void Form1::Combo3Click(int i)
{
    const QString text = ui_.Combo3[i]->currentText();
    const int choices = i == 0 ? 4 : static_cast<int>(texts::kCounts.size());
    int16_t& count = i == 0 ? c_.LoopCnt : c_.BrCnt;
    int16_t chosen = count;
    for (int k = 0; k < choices; ++k)
        if (text == U8(texts::kCounts[k])) chosen = static_cast<int16_t>(k + 2);
    if (chosen == count || !MayDiscardEntries()) {
        ui_.Combo3[i]->SetText(U8(texts::kCounts[count - 2]));
        return;
    }
    count = chosen;
    ui_.Text1[0]->setFocus();
    InitCircuit();
}

bool Form1::MayDiscardEntries()
{
    return !HoldsEntry() || Ask(U8(texts::kDiscardEntries), U8(texts::kYes), U8(texts::kNo), this) == Answer::Yes;
}

bool Form1::HoldsEntry() const
{
    for (int b = 1; b <= c_.BrCnt; ++b)
        if (c_.BrR[b] != 0 || c_.BrL[b] != 0 || c_.BrC[b] != 0 || !ui_.Label7[b - 1]->text().isEmpty()) return true;
    for (int i = 0; i < 25; ++i)
        if (ui_.Command3[i]->text() != DefaultMatrixCaption(i)) return true;
    Circuit start;
    start.LoopCnt = c_.LoopCnt;
    start.BrCnt = c_.BrCnt;
    InitCircuitData(start);
    return c_.EmfVal != start.EmfVal || c_.EmfMul != start.EmfMul || c_.FrqVal != start.FrqVal ||
           c_.FrqMul != start.FrqMul;
}

void Form1::SSTab1GotFocus()
{
    if (ui_.SSTab1->Current() != 1) return;
    if (!ui_.Command1[1]->isEnabled()) {
        ShowMessage(U8(texts::kEnterCircuitFirst), MessageIcon::Error, this);
        RetCmdClick();
        return;
    }
    // Every command of the graph page calculates with E.
    ShowUsedValue(0);
}

void Form1::RetCmdClick() { graph_->OnReturn(); }
