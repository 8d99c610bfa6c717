#include "signed_sum_dialog.h"

#include <QPushButton>

#include "look.h"
#include "qstring_utf8.h"
#include "texts.h"

namespace {

constexpr double kSignPoints = 18;
constexpr double kClosingPoints = 12;

}  // namespace

SignedSumDialog::SignedSumDialog(Circuit& circuit, Marks& work, std::string& text, char letter, QWidget* parent)
    : QDialog(parent), c_(circuit), work_(work), text_(text), letter_(letter)
{
}

void SignedSumDialog::BuildCommonButtons(const std::array<twips::Box, 2>& signs,
                                         const std::array<twips::Box, 2>& closing)
{
    const std::array<const char*, 2> signTexts = {texts::kPlus, texts::kMinus};
    const std::array<const char*, 2> closingTexts = {texts::kOk, texts::kCancel};
    for (int i = 0; i < 2; ++i) {
        command3_[i] = new QPushButton(U8(signTexts[i]), this);
        command3_[i]->setGeometry(twips::ToRect(signs[i]));
        command3_[i]->setFont(GothicFont(kSignPoints));
        connect(command3_[i], &QPushButton::clicked, this, [this, i] { Command3Click(i); });

        command2_[i] = new QPushButton(U8(closingTexts[i]), this);
        command2_[i]->setGeometry(twips::ToRect(closing[i]));
        command2_[i]->setFont(GothicFont(kClosingPoints));
        connect(command2_[i], &QPushButton::clicked, this, [this, i] { Command2Click(i); });
    }
}

void SignedSumDialog::Begin(int size)
{
    work_.assign(static_cast<size_t>(size), 0);
    c_.SignMinus = 0;
    text_.clear();
}

void SignedSumDialog::PressTerm(int k)
{
    text_ += letter_ + std::to_string(k);
    work_[k] = c_.SignMinus == 0 ? 1 : -1;
}

void SignedSumDialog::Command3Click(int i)
{
    if (i == 0) {
        c_.SignMinus = 0;
        text_ += texts::kPlus;
    } else if (i == 1) {
        c_.SignMinus = 1;
        text_ += texts::kMinus;
    }
}

void SignedSumDialog::Command2Click(int i)
{
    if (i == 0) {
        BeforeOk();
        accept();
    } else if (i == 1) {
        reject();
    }
}

void SignedSumDialog::reject()
{
    c_.DlgCancel = 1;
    QDialog::reject();
}
