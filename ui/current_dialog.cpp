#include "current_dialog.h"

#include <QPushButton>

#include "look.h"
#include "qstring_utf8.h"
#include "texts.h"

namespace {

constexpr twips::Box kClient{0, 0, 7680, 4035};
constexpr std::array<int, 5> kColumns = {548, 1958, 3368, 4778, 6188};
constexpr int kRow = 555;
constexpr int kButtonWidth = 945, kButtonHeight = 540;
constexpr std::array<twips::Box, 2> kSigns = {{{2453, 1695, kButtonWidth, kButtonHeight},
                                               {4283, 1695, kButtonWidth, kButtonHeight}}};
constexpr std::array<twips::Box, 2> kClosing = {{{1883, 2955, 1470, 540}, {4328, 2955, 1470, 540}}};
constexpr double kTermPoints = 12;
// Always five loop places, whatever the number of loops.
constexpr int kWorkSize = 6;

}  // namespace

Form4::Form4(Circuit& circuit, QWidget* parent)
    : SignedSumDialog(circuit, circuit.CurDefWork, circuit.CurDefText, 'I', parent)
{
    SetUpFixedDialog(*this, U8(texts::kCurrentCaption), kClient);
    for (int k = 1; k <= 5; ++k) {
        command1_[k] = new QPushButton(U8(texts::kLoopButtons[k - 1]), this);
        command1_[k]->setGeometry(twips::ToRect(kColumns[k - 1], kRow, kButtonWidth, kButtonHeight));
        command1_[k]->setFont(GothicFont(kTermPoints));
        connect(command1_[k], &QPushButton::clicked, this, [this, k] { Command1Click(k); });
    }
    BuildCommonButtons(kSigns, kClosing);

    Begin(kWorkSize);
    for (int k = 1; k <= 5; ++k) command1_[k]->setVisible(k <= c_.LoopCnt);
}

void Form4::Command1Click(int k)
{
    if (k >= 1 && k <= 5) PressTerm(k);
}

void Form4::BeforeOk() { text_ += "="; }
