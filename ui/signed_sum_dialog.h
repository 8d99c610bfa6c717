#pragma once
// What the matrix dialog and the branch-current dialog share: a definition
// built by pressing term buttons and sign buttons. The sign is a state that
// applies to every term pressed after it (+ at opening); pressing a term
// appends its name to the text and marks it +1 or −1, the last press winning.
// "ＯＫ" closes; "キャンセル", the close box and Esc set DlgCancel and close.

#include <QDialog>
#include <array>
#include <string>

#include "calc/circuit.h"
#include "platform/twips.h"

class QPushButton;

class SignedSumDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* Command2(int i) const { return command2_[i]; }
    QPushButton* Command3(int i) const { return command3_[i]; }

    // 0 "ＯＫ", 1 "キャンセル".
    void Command2Click(int i);
    // 0 "＋", 1 "－".
    void Command3Click(int i);

    void reject() override;

protected:
    // Term k appends letter followed by k in ASCII digits.
    SignedSumDialog(Circuit& circuit, Marks& work, std::string& text, char letter, QWidget* parent);

    // Starts an empty definition of places 0 … size − 1 with the sign +.
    void Begin(int size);
    // Appends term k's name and marks it with the current sign.
    void PressTerm(int k);
    // Places the sign buttons "＋" / "－" and "ＯＫ" / "キャンセル".
    void BuildCommonButtons(const std::array<twips::Box, 2>& signs, const std::array<twips::Box, 2>& closing);
    // Called by ＯＫ just before the dialog closes.
    virtual void BeforeOk() {}

    Circuit& c_;
    Marks& work_;
    std::string& text_;

private:
    char letter_;
    std::array<QPushButton*, 2> command2_{};
    std::array<QPushButton*, 2> command3_{};
};
