#pragma once
// The element dialog: R, L and C of one branch with their units. It knows
// the branch by name only: it opens with the entry it is given, every value
// shown whole, and, when ＯＫ accepts it, Entry() is what the fields and the
// chosen units hold. Created anew at every opening.
//
// Its rows are indexed by quantity: kResistanceEntry, kInductanceEntry,
// kCapacitanceEntry.

#include <QDialog>
#include <array>

#include "document/element_entry.h"

class EntryField;
class QLabel;
class QPushButton;
class Selector;

class ElementDialog : public QDialog {
    Q_OBJECT
public:
    // element names the branch ("Z3") in the caption and the fields' names.
    ElementDialog(const QString& element, const ElementEntry& shown, QWidget* parent = nullptr);

    EntryField* ValueField(int quantity) const { return valueFields_[quantity]; }
    Selector* UnitSelector(int quantity) const { return unitSelectors_[quantity]; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    ElementEntry Entry() const;

    // Accepts unless a field holds no number once its prefixed value is
    // taken; that field is named in a message and given the focus.
    void OnOk();
    // The units of all three selectors are taken again.
    void OnUnitChosen(int quantity);

private:
    void Build(const QString& element);
    void Load(const ElementEntry& shown);
    void TakeUnits();

    std::array<QLabel*, 3> nameLabels_{};
    std::array<EntryField*, 3> valueFields_{};
    std::array<Selector*, 3> unitSelectors_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    // The last unit chosen from each list; a text typed into a selector
    // that is no unit leaves it.
    std::array<QString, 3> chosenUnits_{};
};
