#include "matrix_dialog.h"

#include <QPushButton>

#include "look.h"
#include "qstring_utf8.h"
#include "texts.h"

namespace {

constexpr twips::Box kClient{0, 0, 7710, 4065};
constexpr std::array<int, 5> kColumns = {563, 1973, 3383, 4793, 6203};
constexpr std::array<int, 3> kRows = {180, 930, 1680};
constexpr int kButtonWidth = 945, kButtonHeight = 540;
constexpr twips::Box kZero{6203, 2475, kButtonWidth, kButtonHeight};
constexpr std::array<twips::Box, 2> kSigns = {{{2468, 2475, kButtonWidth, kButtonHeight},
                                               {4298, 2475, kButtonWidth, kButtonHeight}}};
constexpr std::array<twips::Box, 2> kClosing = {{{1898, 3255, 1470, 540}, {4343, 3255, 1470, 540}}};
constexpr double kTermPoints = 12;
constexpr int kWorkSize = 16;

twips::Box BranchBox(int b)
{
    return {kColumns[(b - 1) % 5], kRows[(b - 1) / 5], kButtonWidth, kButtonHeight};
}

}  // namespace

Form3::Form3(Circuit& circuit, QWidget* parent) : SignedSumDialog(circuit, circuit.ZDefWork, circuit.ZDefText, 'Z', parent)
{
    SetUpFixedDialog(*this, U8(texts::kMatrixCaption), kClient);
    for (int i = 0; i < 16; ++i) {
        command1_[i] = new QPushButton(U8(i == 0 ? texts::kZeroButton : texts::kBranchButtons[i - 1]), this);
        command1_[i]->setGeometry(twips::ToRect(i == 0 ? kZero : BranchBox(i)));
        command1_[i]->setFont(GothicFont(kTermPoints));
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    }
    BuildCommonButtons(kSigns, kClosing);

    Begin(kWorkSize);
    for (int b = 1; b < 16; ++b) command1_[b]->setVisible(b <= c_.BrCnt);
}

void Form3::Command1Click(int i)
{
    if (i == 0) {
        text_ += "0";
        work_[0] = 1;
    } else {
        PressTerm(i);
    }
}
