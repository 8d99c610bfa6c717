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

QString& GraphPage::HeldValue()
{
    switch (state_.GrfQty) {
    case 1: return lkcur_;
    case 2: return lkvol_;
    default: return lkimp_;
    }
}

void GraphPage::OnGraphMouseMove(int i, double x, double y)
{
    impGrf_[i]->SetCrossCursor(true);
    const QString frequency = FrequencyReadout(x);
    if (i == 0) {
        ShowReadout(1, lkphflg_ == -1);
        if (lkimpflg_ == 0) {
            ShowReadout(0, true);
            freq_[0]->setText(frequency);
            impDp_[0]->setText(MagnitudeReadout(state_.GrfQty, y));
        } else {
            freq_[0]->setText(lkfreq0_);
            impDp_[0]->setText(HeldValue());
        }
        return;
    }
    ShowReadout(0, lkimpflg_ == -1);
    if (lkphflg_ == 0) {
        ShowReadout(1, true);
        freq_[1]->setText(frequency);
        impDp_[1]->setText(PhaseReadout(y));
    } else {
        freq_[1]->setText(lkfreq1_);
        impDp_[1]->setText(lkph_);
    }
}

void GraphPage::OnGraphClick(int i)
{
    if (i == 0) {
        lkimpflg_ = lkimpflg_ == 0 ? -1 : 0;
        lkfreq0_ = freq_[0]->text();
        HeldValue() = impDp_[0]->text();
        return;
    }
    lkphflg_ = lkphflg_ == 0 ? -1 : 0;
    lkfreq1_ = freq_[1]->text();
    lkph_ = impDp_[1]->text();
}

void GraphPage::OnPanelMouseMove()
{
    ShowReadout(0, lkimpflg_ == -1);
    ShowReadout(1, lkphflg_ == -1);
}
