#pragma once
// What the matrix dialog and the branch-current dialog share: a definition
// built by pressing term buttons and sign buttons. The sign is a state that
// applies to every term pressed after it (+ at opening); pressing a term
// appends its name to the text and marks it +1 or −1, the last press winning.
// "ＯＫ" accepts; "キャンセル", the close box and Esc reject. Entry() is what
// was pressed, whichever way the dialog closed. The caption names the element
// being defined, and a line below the buttons shows the definition as it
// grows with the sign the next term will take.
//
// The keyboard presses the buttons too: a term by its number of one or two
// digits (the second typed within a second of the first and before any
// sign), "+" and "-" the signs, "0" as the first key of a term the zero
// button; Backspace takes the last term back with its sign, Enter is ＯＫ
// and Esc キャンセル.

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <optional>

#include "platform/twips.h"
#include "document/signed_sum_entry.h"
#include "document/signed_sum_text.h"

class QLabel;
class QPushButton;

class SignedSumDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* PlusButton() const { return plusButton_; }
    QPushButton* MinusButton() const { return minusButton_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QLabel* DefinitionLine() const { return definitionLine_; }
    QLabel* NextSign() const { return nextSign_; }

    const SignedSumEntry& Entry() const { return entry_; }
    const SumPresses& Presses() const { return presses_; }

    void OnPlus();
    void OnMinus();
    void OnOk();
    void RemoveLastTerm();

protected:
    // A definition of the kind's terms, of which the first `offered` have
    // buttons, opening with what the presses built. element names what is
    // defined ("Z12", "I03").
    SignedSumDialog(SumKind kind, int offered, const QString& element, const SumPresses& shown, QWidget* parent);

    void keyPressEvent(QKeyEvent* event) override;
    // The definition line in the language now in use.
    void changeEvent(QEvent* event) override;

    void Press(SumPress press);
    void PressTerm(int k) { Press({SumPress::Kind::Term, k}); }
    // Places the sign buttons "＋" / "－" and "ＯＫ" / "キャンセル", and the
    // definition line.
    void BuildCommonButtons(const std::array<twips::Box, 2>& signs, const std::array<twips::Box, 2>& closing,
                            const twips::Box& definitionLine);
    const QString& Element() const { return element_; }
    // Called by ＯＫ just before the dialog closes.
    virtual void BeforeOk() {}

    SignedSumEntry entry_;

private:
    void ShowDefinition();
    void TypeDigit(int digit);

    SumKind kind_;
    int offered_;
    QString element_;
    SumPresses presses_;
    // The first digit of a term typed just now, while a second may follow.
    std::optional<int> firstDigit_;
    QElapsedTimer sinceFirstDigit_;
    QLabel* definitionLine_ = nullptr;
    QLabel* nextSign_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
