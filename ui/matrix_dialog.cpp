#include "matrix_dialog.h"

#include <QPushButton>

#include "look.h"
#include "texts.h"

namespace {

constexpr twips::Box kClient{0, 0, 7710, 4635};
constexpr std::array<int, 5> kColumns = {563, 1973, 3383, 4793, 6203};
constexpr std::array<int, 3> kRows = {180, 930, 1680};
constexpr int kButtonWidth = 945, kButtonHeight = 540;
constexpr twips::Box kZero{6203, 2475, kButtonWidth, kButtonHeight};
constexpr std::array<twips::Box, 2> kSigns = {
    {{2468, 2475, kButtonWidth, kButtonHeight}, {4298, 2475, kButtonWidth, kButtonHeight}}};
constexpr std::array<twips::Box, 2> kClosing = {{{1898, 3255, 1470, 540}, {4343, 3255, 1470, 540}}};
constexpr twips::Box kDefinitionLine{563, 3975, 6585, 420};
constexpr double kTermPoints = 12;

twips::Box BranchBox(int b) { return {kColumns[(b - 1) % 5], kRows[(b - 1) / 5], kButtonWidth, kButtonHeight}; }

}  // namespace

MatrixElementDialog::MatrixElementDialog(int j, int k, int branchCount, const SumPresses& shown, QWidget* parent)
    : SignedSumDialog(SumKind::MatrixElement, branchCount, QStringLiteral("Z%1%2").arg(j).arg(k), shown, parent)
{
    SetUpFixedDialog(*this, texts::kMatrixCaption, Element(), kClient);
    zeroButton_ = GothicButton(this, texts::kZeroButton, kZero, kTermPoints);
    connect(zeroButton_, &QPushButton::clicked, this, &MatrixElementDialog::OnZero);
    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        branchButtons_[b] = GothicButton(this, texts::kBranchButtons[b - 1], BranchBox(b), kTermPoints);
        connect(branchButtons_[b], &QPushButton::clicked, this, [this, b] { OnBranchButton(b); });
    }
    BuildCommonButtons(kSigns, kClosing, kDefinitionLine);

    for (int b = 1; b <= Circuit::MaxBranches; ++b) branchButtons_[b]->setVisible(b <= branchCount);
}

void MatrixElementDialog::OnZero() { Press({SumPress::Kind::Zero}); }

void MatrixElementDialog::OnBranchButton(int b) { PressTerm(b); }
