// The plotted quantity and the branch boxes.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "document/language.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "graph/page_widgets.h"
#include "document/qstring_utf8.h"

void GraphPage::OnQuantityChosen(PlottedQuantity quantity)
{
    for (int j = 0; j < 3; ++j) quantityOptions_[j]->setChecked(j == static_cast<int>(quantity));
    // A marker stays only on a curve that is still plotted.
    if (marker_ && (marker_->curve.quantity != quantity ||
                    (marker_->curve.branch > 0 && !branchChecks_[marker_->curve.branch]->isChecked())))
        DropMarker();
    state_.quantity = quantity;
    ShowHeldReadouts();
    if (quantity == PlottedQuantity::InputImpedance) {
        // Both stay shown, "グラフ保存" on top.
        keepCurveButton_->show();
        dropKeptCurveButton_->show();
    } else {
        if (CanRedraw()) OnDropKeptCurve();
        keepCurveButton_->hide();
        dropKeptCurveButton_->hide();
    }
    ShowBranchChecks();
    // Curves drawn before a change of the circuit follow the quantity too,
    // from the circuit they were drawn from.
    if (host_.Results())
        host_.PressFrequencyCommand();
    else if (drawnFrom_)
        RedrawCurrentRange();
}

void GraphPage::ShowBranchChecks()
{
    const bool branches = state_.quantity != PlottedQuantity::InputImpedance;
    const QChar letter = state_.quantity == PlottedQuantity::BranchCurrent ? QLatin1Char('I') : QLatin1Char('V');
    const BranchChecks withCurrents = drawnFrom_ ? drawnFrom_->withCurrents : host_.BranchesWithCurrents();
    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        QCheckBox* box = branchChecks_[b];
        box->setVisible(branches && b <= (drawnFrom_ ? BranchCount(drawnFrom_->circuit) : host_.CircuitBranches()));
        if (box->isHidden()) continue;
        box->setText(BranchCaption(letter, b));
        Paint(box, BranchColour(state_.branchColours[b]));
        box->setEnabled(withCurrents[b]);
        box->setToolTip(withCurrents[b] ? QString() : Tr(graph_text::kNoCurrentCurve));
    }
}

void GraphPage::OnBranchCheckClicked(int)
{
    if (state_.quantity == PlottedQuantity::BranchCurrent || state_.quantity == PlottedQuantity::BranchVoltage)
        OnQuantityChosen(state_.quantity);
}
