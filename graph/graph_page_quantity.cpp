// The plotted quantity and the branch boxes.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "graph/page_widgets.h"

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
        for (int b = 1; b <= Circuit::MaxBranches; ++b) branchChecks_[b]->hide();
    } else {
        if (host_.FrequencyCommandEnabled()) OnDropKeptCurve();
        keepCurveButton_->hide();
        dropKeptCurveButton_->hide();
        const QChar letter = quantity == PlottedQuantity::BranchCurrent ? QLatin1Char('I') : QLatin1Char('V');
        for (int b = 1; b <= circuit_.BrCnt; ++b) {
            branchChecks_[b]->setText(BranchCaption(letter, b));
            branchChecks_[b]->show();
            Paint(branchChecks_[b], BranchColour(state_.branchColours[b]));
        }
    }
    if (host_.FrequencyCommandEnabled()) host_.PressFrequencyCommand();
}

void GraphPage::OnBranchCheckClicked(int)
{
    if (state_.quantity == PlottedQuantity::BranchCurrent || state_.quantity == PlottedQuantity::BranchVoltage)
        OnQuantityChosen(state_.quantity);
}
