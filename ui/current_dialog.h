#pragma once
// The branch-current dialog: one branch current as a signed sum of the loop
// currents; "ＯＫ" ends the text with "=". Created anew at every opening.

#include "signed_sum_dialog.h"

class BranchCurrentDialog : public SignedSumDialog {
    Q_OBJECT
public:
    // Branch b's current; buttons are offered for the loops 1 … loopCount.
    BranchCurrentDialog(int b, int loopCount, QWidget* parent = nullptr);

    // "Ｉ１" … "Ｉ５" by loop number k = 1 … 5.
    QPushButton* LoopButton(int k) const { return loopButtons_[k]; }

    void OnLoopButton(int k);

private:
    void BeforeOk() override;

    // Element 0 is null.
    std::array<QPushButton*, Circuit::MaxLoops + 1> loopButtons_{};
};
