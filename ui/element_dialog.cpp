#include "element_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "document/language.h"
#include "entry_field.h"
#include "look.h"
#include "platform/placed_widgets.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"
#include "platform/twips.h"
#include "selector.h"
#include "texts.h"
#include "document/units.h"

namespace {

constexpr twips::Box kClient{0, 0, 6180, 3990};
constexpr std::array<twips::Box, 3> kNameLabels = {
    {{1493, 435, 735, 495}, {1493, 1200, 735, 495}, {1493, 1965, 735, 495}}};
constexpr std::array<twips::Box, 3> kValueFields = {
    {{2153, 390, 1455, 495}, {2153, 1170, 1455, 495}, {2153, 1965, 1455, 495}}};
constexpr std::array<twips::Box, 3> kUnitSelectors = {
    {{3713, 390, 975, 435}, {3713, 1170, 975, 435}, {3713, 1965, 975, 435}}};
constexpr twips::Box kOk{1163, 2865, 1470, 540};
constexpr twips::Box kCancel{3548, 2865, 1470, 540};
constexpr double kFieldPoints = 15.75;
constexpr double kButtonPoints = 12;

}  // namespace

ElementDialog::ElementDialog(const QString& element, const ElementEntry& shown, QWidget* parent) : QDialog(parent)
{
    Build(element);
    Load(shown);
}

void ElementDialog::Build(const QString& element)
{
    SetUpFixedDialog(*this, texts::kElementCaption, element, kClient);
    const QFont fieldFont = GothicFont(kFieldPoints);
    for (int i = 0; i < 3; ++i) {
        nameLabels_[i] = new QLabel(this);
        ShowText(nameLabels_[i], TextRole::Text, texts::kElementNames[i]);
        PlaceAt(*nameLabels_[i], kNameLabels[i]);
        nameLabels_[i]->setFont(fieldFont);

        valueFields_[i] = new EntryField(this);
        PlaceAt(*valueFields_[i], kValueFields[i]);
        valueFields_[i]->setFont(fieldFont);
        SetEntryBackground(*valueFields_[i]);

        unitSelectors_[i] = new Selector(this);
        PlaceAt(*unitSelectors_[i], kUnitSelectors[i]);
        unitSelectors_[i]->setFont(fieldFont);
        SetEntryBackground(*unitSelectors_[i]);
        unitSelectors_[i]->SetWheelChooses(false);
        connect(unitSelectors_[i], &Selector::chosen, this, [this, i] { OnUnitChosen(i); });
        valueFields_[i]->SetUnitSelector(unitSelectors_[i], kElementUnits[i]);
        connect(valueFields_[i], &EntryField::unitTaken, this, &ElementDialog::TakeUnits);
        EntryField* field = valueFields_[i];
        Selector* unit = unitSelectors_[i];
        ShowText(field, texts::kNameElementValues[i], [field, unit, element](const QString& shown) {
            const QString quantity = element + QLatin1Char(' ') + shown;
            field->setAccessibleName(quantity);
            unit->setAccessibleName(quantity + Tr(texts::kNameElementUnit));
        });
    }

    okButton_ = GothicButton(this, texts::kOk, kOk, kButtonPoints);
    cancelButton_ = GothicButton(this, texts::kCancel, kCancel, kButtonPoints);
    connect(okButton_, &QPushButton::clicked, this, &ElementDialog::OnOk);
    connect(cancelButton_, &QPushButton::clicked, this, &ElementDialog::reject);
    // Enter in a field or in the unit beside it moves on to the next field,
    // from C to ＯＫ.
    const std::array<QWidget*, 3> next = {valueFields_[1], valueFields_[2], okButton_};
    for (int i = 0; i < 3; ++i) {
        connect(valueFields_[i], &EntryField::enterPressed, next[i], qOverload<>(&QWidget::setFocus));
        connect(unitSelectors_[i], &Selector::enterPressed, next[i], qOverload<>(&QWidget::setFocus));
    }

    SetTabOrder({valueFields_[0], valueFields_[1], valueFields_[2], okButton_, cancelButton_, unitSelectors_[1],
                 unitSelectors_[2], unitSelectors_[0]});
}

void ElementDialog::Load(const ElementEntry& shown)
{
    for (int i = 0; i < 3; ++i) {
        valueFields_[i]->ShowEntered(shown.values[i].text);
        unitSelectors_[i]->SetUnits(kElementUnits[i]);
        unitSelectors_[i]->Choose(shown.values[i].unit);
        chosenUnits_[i] = shown.values[i].unit;
    }
    valueFields_[0]->setFocus();
    valueFields_[0]->selectAll();
}

ElementEntry ElementDialog::Entry() const
{
    ElementEntry entry;
    for (int i = 0; i < 3; ++i) entry.values[i] = {valueFields_[i]->text(), chosenUnits_[i]};
    return entry;
}

void ElementDialog::TakeUnits()
{
    for (int k = 0; k < 3; ++k) {
        const std::optional<QString> unit = unitSelectors_[k]->ChosenSource();
        if (unit && MultiplierOf(kElementUnits[k], Std(*unit))) chosenUnits_[k] = *unit;
    }
}

void ElementDialog::OnUnitChosen(int quantity)
{
    TakeUnits();
    valueFields_[quantity]->setFocus();
    valueFields_[quantity]->selectAll();
}

void ElementDialog::OnOk()
{
    if (CheckEntriesComplete(valueFields_, this)) accept();
}
