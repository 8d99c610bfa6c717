// The cursor readout beside each graph, and its hold.

#include <QLabel>

#include "graph/graph_page.h"
#include "graph/readout_text.h"
#include "platform/picture_box.h"

void GraphPage::ShowReadout(int i, bool visible)
{
    freq_[i]->setVisible(visible);
    impDp_[i]->setVisible(visible);
}

GraphPage::HeldTexts& GraphPage::Held(int i)
{
    const int quantity = state_.GrfQty == 1 || state_.GrfQty == 2 ? state_.GrfQty : 0;
    return held_[i][quantity];
}

void GraphPage::OnGraphMouseMove(int i, double x, double y)
{
    impGrf_[i]->SetCrossCursor(true);
    const int other = 1 - i;
    ShowReadout(other, HoldFlag(other) == -1);
    if (HoldFlag(i) == -1) {
        freq_[i]->setText(Held(i).frequency);
        impDp_[i]->setText(Held(i).value);
        return;
    }
    ShowReadout(i, true);
    freq_[i]->setText(FrequencyReadout(x));
    impDp_[i]->setText(i == 0 ? MagnitudeReadout(state_.GrfQty, y) : PhaseReadout(y));
}

void GraphPage::OnGraphClick(int i)
{
    HoldFlag(i) = HoldFlag(i) == 0 ? -1 : 0;
    Held(i) = {freq_[i]->text(), impDp_[i]->text()};
}

void GraphPage::OnPanelMouseMove()
{
    ShowReadout(0, lkimpflg_ == -1);
    ShowReadout(1, lkphflg_ == -1);
}

// After a change of the plotted quantity a held readout shows what was held
// for the new one; a free one shows a reading of the old one and goes.
void GraphPage::ShowHeldReadouts()
{
    for (int i = 0; i < 2; ++i) {
        ShowReadout(i, HoldFlag(i) == -1);
        freq_[i]->setText(HoldFlag(i) == -1 ? Held(i).frequency : QString());
        impDp_[i]->setText(HoldFlag(i) == -1 ? Held(i).value : QString());
    }
}

void GraphPage::DropReadoutHolds()
{
    lkimpflg_ = 0;
    lkphflg_ = 0;
    held_ = {};
    ShowHeldReadouts();
}
