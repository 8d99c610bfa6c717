#pragma once
// The matrix element dialog: one element of the loop impedance matrix as a
// signed sum of branch impedances. "０" declares the element zero: it marks
// place 0. Created anew at every opening, with the definition it is given.

#include "signed_sum_dialog.h"

class MatrixElementDialog : public SignedSumDialog {
    Q_OBJECT
public:
    // Element Zjk; buttons are offered for the branches 1 … branchCount. It
    // opens with what the presses built.
    MatrixElementDialog(int j, int k, int branchCount, const SumPresses& shown = {}, QWidget* parent = nullptr);

    QPushButton* ZeroButton() const { return zeroButton_; }
    // "Ｚ１" … "Ｚ１５" by branch number b = 1 … 15.
    QPushButton* BranchButton(int b) const { return branchButtons_[b]; }

    void OnZero();
    void OnBranchButton(int b);

private:
    QPushButton* zeroButton_ = nullptr;
    // Element 0 is null.
    std::array<QPushButton*, Circuit::MaxBranches + 1> branchButtons_{};
};
