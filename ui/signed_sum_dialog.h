#pragma once
// What the matrix dialog and the branch-current dialog share: a definition
// built by pressing term buttons and sign buttons. The sign is a state that
// applies to every term pressed after it (+ at opening); pressing a term
// appends its name to the text and marks it +1 or −1, the last press winning.
// "ＯＫ" accepts; "キャンセル", the close box and Esc reject. Entry() is what
// was pressed, whichever way the dialog closed.

#include <QDialog>
#include <array>

#include "platform/twips.h"
#include "signed_sum_entry.h"

class QPushButton;

class SignedSumDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* PlusButton() const { return plusButton_; }
    QPushButton* MinusButton() const { return minusButton_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    const SignedSumEntry& Entry() const { return entry_; }

    void OnPlus();
    void OnMinus();
    void OnOk();

protected:
    // An empty definition of the marks 0 … places − 1 with the sign +; term k
    // appends letter followed by k in ASCII digits.
    SignedSumDialog(int places, char letter, QWidget* parent);

    // Appends term k's name and marks it with the current sign.
    void PressTerm(int k);
    // Places the sign buttons "＋" / "－" and "ＯＫ" / "キャンセル".
    void BuildCommonButtons(const std::array<twips::Box, 2>& signs, const std::array<twips::Box, 2>& closing);
    // Called by ＯＫ just before the dialog closes.
    virtual void BeforeOk() {}

    SignedSumEntry entry_;

private:
    enum class Sign { Plus, Minus };

    char letter_;
    Sign sign_ = Sign::Plus;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
