#pragma once
// Form3, the matrix element dialog: one element of the loop impedance matrix
// as a signed sum of branch impedances, left in ZDefWork and ZDefText.
// "０" declares the element zero. Created anew at every opening.

#include "signed_sum_dialog.h"

class Form3 : public SignedSumDialog {
    Q_OBJECT
public:
    Form3(Circuit& circuit, QWidget* parent = nullptr);

    // 0 "０", 1 … 15 the branches "Ｚ１" … "Ｚ１５".
    QPushButton* Command1(int i) const { return command1_[i]; }
    void Command1Click(int i);

private:
    std::array<QPushButton*, 16> command1_{};
};
