#include "signed_sum_dialog.h"

#include <QApplication>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "document/language.h"
#include "look.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"
#include "texts.h"

namespace {

constexpr double kSignPoints = 18;
constexpr double kClosingPoints = 12;
constexpr double kDefinitionPoints = 12;
// The part of the definition line that shows the next term's sign.
constexpr int kNextSignWidth = 1500;
// How long after a term's first digit a second one still belongs to it.
constexpr qint64 kSecondDigitMs = 1000;

bool IsSign(const SumPress& press) { return press.kind == SumPress::Kind::Plus || press.kind == SumPress::Kind::Minus; }

// The sign a typed character stands for, ASCII, full-width or the minus
// sign; nothing for any other.
std::optional<SumPress::Kind> SignKey(QChar c)
{
    if (c == '+' || c == U8(texts::kPlus).front()) return SumPress::Kind::Plus;
    if (c == '-' || c == U8(texts::kMinus).front() || c == QChar(0x2212)) return SumPress::Kind::Minus;
    return std::nullopt;
}

}  // namespace

SignedSumDialog::SignedSumDialog(SumKind kind, int offered, const QString& element, const SumPresses& shown,
                                 QWidget* parent)
    : QDialog(parent), kind_(kind), offered_(offered), element_(element), presses_(shown)
{
    entry_ = EntryOfPresses(presses_, kind_);
}

// Made in this order, which is also their focus order: ＋, ＯＫ, －, キャンセル.
void SignedSumDialog::BuildCommonButtons(const std::array<twips::Box, 2>& signs,
                                         const std::array<twips::Box, 2>& closing, const twips::Box& definitionLine)
{
    plusButton_ = GothicButton(this, texts::kPlus, signs[0], kSignPoints);
    okButton_ = GothicButton(this, texts::kOk, closing[0], kClosingPoints);
    minusButton_ = GothicButton(this, texts::kMinus, signs[1], kSignPoints);
    cancelButton_ = GothicButton(this, texts::kCancel, closing[1], kClosingPoints);
    connect(plusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnPlus);
    connect(okButton_, &QPushButton::clicked, this, &SignedSumDialog::OnOk);
    connect(minusButton_, &QPushButton::clicked, this, &SignedSumDialog::OnMinus);
    connect(cancelButton_, &QPushButton::clicked, this, &SignedSumDialog::reject);
    // Enter is ＯＫ wherever the focus is, not a press of the focused term.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    const twips::Box signBox{definitionLine.left + definitionLine.width - kNextSignWidth, definitionLine.top,
                             kNextSignWidth, definitionLine.height};
    const twips::Box textBox{definitionLine.left, definitionLine.top, definitionLine.width - kNextSignWidth,
                             definitionLine.height};
    definitionLine_ = GothicLabel(this, textBox, kDefinitionPoints);
    definitionLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nextSign_ = GothicLabel(this, signBox, kDefinitionPoints);
    nextSign_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ShowText(definitionLine_, TextRole::AccessibleName, texts::kNameDefinitionLine);
    ShowText(nextSign_, TextRole::AccessibleName, texts::kNameNextSign);
    ShowDefinition();
}

void SignedSumDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && definitionLine_ != nullptr) ShowDefinition();
    QDialog::changeEvent(event);
}

void SignedSumDialog::ShowDefinition()
{
    entry_ = EntryOfPresses(presses_, kind_);
    auto lastSign = std::find_if(presses_.rbegin(), presses_.rend(), IsSign);
    const bool minus = lastSign != presses_.rend() && lastSign->kind == SumPress::Kind::Minus;
    definitionLine_->setText(element_ + Tr(texts::kEquals) + entry_.text);
    nextSign_->setText(Tr(texts::kNextTermSign) + Tr(minus ? texts::kMinus : texts::kPlus));
}

void SignedSumDialog::Press(SumPress press)
{
    firstDigit_.reset();
    presses_.push_back(press);
    ShowDefinition();
}

void SignedSumDialog::OnPlus() { Press({SumPress::Kind::Plus}); }

void SignedSumDialog::OnMinus() { Press({SumPress::Kind::Minus}); }

void SignedSumDialog::OnOk()
{
    BeforeOk();
    accept();
}

// Signs typed after the last term begin a term not yet named: they go alone.
void SignedSumDialog::RemoveLastTerm()
{
    firstDigit_.reset();
    if (!presses_.empty() && !IsSign(presses_.back())) presses_.pop_back();
    while (!presses_.empty() && IsSign(presses_.back())) presses_.pop_back();
    ShowDefinition();
}

// A digit typed within a second of a term's first joins it when the two
// name an offered term, and is refused otherwise; any other digit begins a
// term.
void SignedSumDialog::TypeDigit(int digit)
{
    if (firstDigit_ && sinceFirstDigit_.elapsed() < kSecondDigitMs) {
        const int term = 10 * *firstDigit_ + digit;
        firstDigit_.reset();
        if (term > offered_) {
            QApplication::beep();
            return;
        }
        presses_.back().term = term;
        ShowDefinition();
        return;
    }
    if (digit == 0 && kind_ == SumKind::MatrixElement) {
        Press({SumPress::Kind::Zero});
    } else if (digit == 0 || digit > offered_) {
        QApplication::beep();
    } else {
        PressTerm(digit);
        if (10 * digit <= offered_) {
            firstDigit_ = digit;
            sinceFirstDigit_.start();
        }
    }
}

void SignedSumDialog::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const QChar key = typed.size() == 1 ? typed.front() : QChar();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOk();
    } else if (event->key() == Qt::Key_Backspace) {
        RemoveLastTerm();
    } else if (key.isDigit()) {
        TypeDigit(key.digitValue());
    } else if (const auto sign = SignKey(key)) {
        Press({*sign});
    } else {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}
