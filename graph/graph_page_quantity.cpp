// The plotted quantity and the branch boxes.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "graph/page_widgets.h"

void GraphPage::OnOption3Click(int k)
{
    for (int j = 0; j < 3; ++j) option3_[j]->setChecked(j == k);
    state_.GrfQty = static_cast<int16_t>(k);
    ShowHeldReadouts();
    if (k == 0) {
        // Both stay shown, "グラフ保存" on top.
        oldDtDsp_[0]->show();
        oldDtDsp_[1]->show();
        for (int b = 1; b <= Circuit::MaxBranches; ++b) check1_[b]->hide();
    } else {
        if (host_.FrequencyCommandEnabled()) OnOldDtDsp(1);
        oldDtDsp_[0]->hide();
        oldDtDsp_[1]->hide();
        const QChar letter = k == 1 ? QLatin1Char('I') : QLatin1Char('V');
        for (int b = 1; b <= circuit_.BrCnt; ++b) {
            check1_[b]->setText(BranchCaption(letter, b));
            check1_[b]->show();
            Paint(check1_[b], BranchColour(state_.BrColor[b]));
        }
    }
    if (host_.FrequencyCommandEnabled()) host_.PressFrequencyCommand();
}

void GraphPage::OnCheck1Click(int)
{
    if (state_.GrfQty == 1 || state_.GrfQty == 2) OnOption3Click(state_.GrfQty);
}
