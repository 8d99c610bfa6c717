#pragma once
// Form2, the element dialog: R, L and C of one branch with their units. It
// knows nothing of the branch; it hands the values as typed and the unit
// multipliers over through the circuit's Elm… fields and reports a cancel in
// DlgCancel. Created anew at every opening.

#include <QDialog>
#include <array>

#include "calc/circuit.h"

class EntryField;
class QLabel;
class QPushButton;
class Selector;

class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(Circuit& circuit, QWidget* parent = nullptr);

    EntryField* Text1(int i) const { return text1_[i]; }
    Selector* Combo1(int i) const { return combo1_[i]; }
    QPushButton* Command1(int i) const { return command1_[i]; }

    // 0 "ＯＫ", 1 "キャンセル".
    void Command1Click(int i);
    // A unit was chosen: all three multipliers are derived again.
    void Combo1Click(int i);
    void Text1Change(int i);

    // The close box and Esc act as キャンセル.
    void reject() override;

private:
    void Build();
    void Load();
    // The hand-over fields of R, L and C.
    std::array<double*, 3> Values();
    std::array<double*, 3> Multipliers();

    Circuit& c_;
    std::array<QLabel*, 3> label1_{};
    std::array<EntryField*, 3> text1_{};
    std::array<Selector*, 3> combo1_{};
    std::array<QPushButton*, 2> command1_{};
};
