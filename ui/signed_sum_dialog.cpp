#include "signed_sum_dialog.h"

#include <QPushButton>

#include "look.h"
#include "platform/qstring_utf8.h"
#include "texts.h"

namespace {

constexpr double kSignPoints = 18;
constexpr double kClosingPoints = 12;

}  // namespace

SignedSumDialog::SignedSumDialog(int places, char letter, QWidget* parent) : QDialog(parent), letter_(letter)
{
    entry_.marks.assign(static_cast<size_t>(places), 0);
}

// Made in this order, which is also their focus order: ＋, ＯＫ, －, キャンセル.
void SignedSumDialog::BuildCommonButtons(const std::array<twips::Box, 2>& signs,
                                         const std::array<twips::Box, 2>& closing)
{
    plusButton_ = GothicButton(this, U8(texts::kPlus), signs[0], kSignPoints);
    okButton_ = GothicButton(this, U8(texts::kOk), closing[0], kClosingPoints);
    minusButton_ = GothicButton(this, U8(texts::kMinus), signs[1], kSignPoints);
    cancelButton_ = GothicButton(this, U8(texts::kCancel), closing[1], kClosingPoints);
    connect(plusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnPlus);
    connect(okButton_, &QPushButton::clicked, this, &SignedSumDialog::OnOk);
    connect(minusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnMinus);
    connect(cancelButton_, &QPushButton::clicked, this, &SignedSumDialog::reject);
}

void SignedSumDialog::PressTerm(int k)
{
    entry_.text += QChar::fromLatin1(letter_) + QString::number(k);
    entry_.marks[k] = sign_ == Sign::Plus ? 1 : -1;
}

void SignedSumDialog::OnPlus()
{
    sign_ = Sign::Plus;
    entry_.text += U8(texts::kPlus);
}

void SignedSumDialog::OnMinus()
{
    sign_ = Sign::Minus;
    entry_.text += U8(texts::kMinus);
}

void SignedSumDialog::OnOk()
{
    BeforeOk();
    accept();
}
