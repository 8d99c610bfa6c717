#pragma once
// Form2, the element dialog: R, L and C of one branch with their units. It
// knows nothing of the branch: it opens with the entry it is given and, when
// ＯＫ accepts it, Entry() is what the fields and the chosen units hold.
// Created anew at every opening.

#include <QDialog>
#include <array>

#include "element_entry.h"

class EntryField;
class QLabel;
class QPushButton;
class Selector;

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(const ElementEntry& shown, QWidget* parent = nullptr);

    EntryField* Text1(int i) const { return text1_[i]; }
    Selector* Combo1(int i) const { return combo1_[i]; }
    QPushButton* Command1(int i) const { return command1_[i]; }

    ElementEntry Entry() const;

    // 0 "ＯＫ": accepts unless a field holds an unfinished number, which is
    // named in a message and given the focus; 1 "キャンセル".
    void Command1Click(int i);
    // A unit was chosen: the units of all three selectors are taken again.
    void Combo1Click(int i);

private:
    void Build();
    void Load(const ElementEntry& shown);

    std::array<QLabel*, 3> label1_{};
    std::array<EntryField*, 3> text1_{};
    std::array<Selector*, 3> combo1_{};
    std::array<QPushButton*, 2> command1_{};
    // The last unit chosen from each list; a text typed into a selector
    // that is no unit leaves it.
    std::array<QString, 3> unit_{};
};
