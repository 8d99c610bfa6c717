#include "current_dialog.h"

#include <QPushButton>

#include "look.h"
#include "texts.h"

namespace {

constexpr twips::Box kClient{0, 0, 7680, 4185};
constexpr std::array<int, 5> kColumns = {548, 1958, 3368, 4778, 6188};
constexpr int kRow = 555;
constexpr int kButtonWidth = 945, kButtonHeight = 540;
constexpr std::array<twips::Box, 2> kSigns = {
    {{2453, 1695, kButtonWidth, kButtonHeight}, {4283, 1695, kButtonWidth, kButtonHeight}}};
constexpr std::array<twips::Box, 2> kClosing = {{{1883, 2955, 1470, 540}, {4328, 2955, 1470, 540}}};
constexpr twips::Box kDefinitionLine{548, 3645, 6585, 420};
constexpr double kTermPoints = 12;

}  // namespace

BranchCurrentDialog::BranchCurrentDialog(int b, int loopCount, QWidget* parent)
    : SignedSumDialog(SumKind::BranchCurrent, loopCount, QStringLiteral("I%1").arg(b, 2, 10, QChar('0')), {}, parent)
{
    SetUpFixedDialog(*this, texts::kCurrentCaption, Element(), kClient);
    for (int k = 1; k <= Circuit::MaxLoops; ++k) {
        const twips::Box at{kColumns[k - 1], kRow, kButtonWidth, kButtonHeight};
        loopButtons_[k] = GothicButton(this, texts::kLoopButtons[k - 1], at, kTermPoints);
        connect(loopButtons_[k], &QPushButton::clicked, this, [this, k] { OnLoopButton(k); });
    }
    BuildCommonButtons(kSigns, kClosing, kDefinitionLine);

    for (int k = 1; k <= Circuit::MaxLoops; ++k) loopButtons_[k]->setVisible(k <= loopCount);
}

void BranchCurrentDialog::OnLoopButton(int k) { PressTerm(k); }

void BranchCurrentDialog::BeforeOk() { entry_.text += QStringLiteral("="); }
