#pragma once
// What the matrix dialog and the branch-current dialog share: a definition
// built by pressing term buttons and sign buttons. The sign is a state that
// applies to every term pressed after it (+ at opening); pressing a term
// appends its name to the text and marks it +1 or −1, the last press winning.
// "ＯＫ" accepts; "キャンセル", the close box and Esc reject. Entry() is what
// was pressed, whichever way the dialog closed. The caption names the element
// being defined, and a line below the buttons shows the definition as it
// grows with the sign the next term will take.

#include <QDialog>
#include <array>

#include "platform/twips.h"
#include "signed_sum_entry.h"

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

    void OnPlus();
    void OnMinus();
    void OnOk();

protected:
    // An empty definition of the marks 0 … places − 1 with the sign +; term k
    // appends letter followed by k in ASCII digits. element names what is
    // defined ("Z12", "I03").
    SignedSumDialog(int places, char letter, const QString& element, QWidget* parent);

    // Appends term k's name and marks it with the current sign.
    void PressTerm(int k);
    // Places the sign buttons "＋" / "－" and "ＯＫ" / "キャンセル", and the
    // definition line.
    void BuildCommonButtons(const std::array<twips::Box, 2>& signs, const std::array<twips::Box, 2>& closing,
                            const twips::Box& definitionLine);
    // The caption: the dialog's own, then the element.
    QString CaptionFor(const char* caption) const;
    void ShowDefinition();
    // Called by ＯＫ just before the dialog closes.
    virtual void BeforeOk() {}

    SignedSumEntry entry_;

private:
    enum class Sign { Plus, Minus };

    char letter_;
    QString element_;
    Sign sign_ = Sign::Plus;
    QLabel* definitionLine_ = nullptr;
    QLabel* nextSign_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
