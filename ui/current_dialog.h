#pragma once
// Form4, the branch-current dialog: one branch current as a signed sum of
// the loop currents, left in CurDefWork and CurDefText; "ＯＫ" ends the text
// with "=". Created anew at every opening.

#include "signed_sum_dialog.h"

class Form4 : public SignedSumDialog {
    Q_OBJECT
public:
    Form4(Circuit& circuit, QWidget* parent = nullptr);

    // 1 … 5 the loop currents "Ｉ１" … "Ｉ５"; there is no element 0.
    QPushButton* Command1(int k) const { return command1_[k]; }
    void Command1Click(int k);

private:
    void BeforeOk() override;

    std::array<QPushButton*, 6> command1_{};
};
