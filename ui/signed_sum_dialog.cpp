#include "signed_sum_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "look.h"
#include "platform/qstring_utf8.h"
#include "texts.h"

namespace {

constexpr double kSignPoints = 18;
constexpr double kClosingPoints = 12;
constexpr double kDefinitionPoints = 12;
// The part of the definition line that shows the next term's sign.
constexpr int kNextSignWidth = 1500;

}  // namespace

SignedSumDialog::SignedSumDialog(int places, char letter, const QString& element, QWidget* parent)
    : QDialog(parent), letter_(letter), element_(element)
{
    entry_.marks.assign(static_cast<size_t>(places), 0);
}

// Made in this order, which is also their focus order: ＋, ＯＫ, －, キャンセル.
void SignedSumDialog::BuildCommonButtons(const std::array<twips::Box, 2>& signs,
                                         const std::array<twips::Box, 2>& closing, const twips::Box& definitionLine)
{
    plusButton_ = GothicButton(this, U8(texts::kPlus), signs[0], kSignPoints);
    okButton_ = GothicButton(this, U8(texts::kOk), closing[0], kClosingPoints);
    minusButton_ = GothicButton(this, U8(texts::kMinus), signs[1], kSignPoints);
    cancelButton_ = GothicButton(this, U8(texts::kCancel), closing[1], kClosingPoints);
    connect(plusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnPlus);
    connect(okButton_, &QPushButton::clicked, this, &SignedSumDialog::OnOk);
    connect(minusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnMinus);
    connect(cancelButton_, &QPushButton::clicked, this, &SignedSumDialog::reject);

    const twips::Box signBox{definitionLine.left + definitionLine.width - kNextSignWidth, definitionLine.top,
                             kNextSignWidth, definitionLine.height};
    const twips::Box textBox{definitionLine.left, definitionLine.top, definitionLine.width - kNextSignWidth,
                             definitionLine.height};
    definitionLine_ = GothicLabel(this, textBox, kDefinitionPoints);
    definitionLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nextSign_ = GothicLabel(this, signBox, kDefinitionPoints);
    nextSign_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShowDefinition();
}

QString SignedSumDialog::CaptionFor(const char* caption) const
{
    return U8(caption) + U8(texts::kIdeographicSpace) + element_;
}

void SignedSumDialog::ShowDefinition()
{
    definitionLine_->setText(element_ + U8(texts::kEquals) + entry_.text);
    nextSign_->setText(U8(texts::kNextTermSign) + U8(sign_ == Sign::Plus ? texts::kPlus : texts::kMinus));
}

void SignedSumDialog::PressTerm(int k)
{
    entry_.text += QChar::fromLatin1(letter_) + QString::number(k);
    entry_.marks[k] = sign_ == Sign::Plus ? 1 : -1;
    ShowDefinition();
}

void SignedSumDialog::OnPlus()
{
    sign_ = Sign::Plus;
    entry_.text += U8(texts::kPlus);
    ShowDefinition();
}

void SignedSumDialog::OnMinus()
{
    sign_ = Sign::Minus;
    entry_.text += U8(texts::kMinus);
    ShowDefinition();
}

void SignedSumDialog::OnOk()
{
    BeforeOk();
    accept();
}
