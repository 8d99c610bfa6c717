#include "element_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "entry_field.h"
#include "look.h"
#include "platform/twips.h"
#include "qstring_utf8.h"
#include "selector.h"
#include "texts.h"
#include "units.h"

namespace {

constexpr twips::Box kClient{0, 0, 6180, 3990};
constexpr std::array<twips::Box, 3> kLabel1 = {{{1493, 435, 735, 495}, {1493, 1200, 735, 495}, {1493, 1965, 735, 495}}};
constexpr std::array<twips::Box, 3> kText1 = {
    {{2153, 390, 1455, 495}, {2153, 1170, 1455, 495}, {2153, 1965, 1455, 495}}};
constexpr std::array<twips::Box, 3> kCombo1 = {{{3713, 390, 975, 435}, {3713, 1170, 975, 435}, {3713, 1965, 975, 435}}};
constexpr std::array<twips::Box, 2> kCommand1 = {{{1163, 2865, 1470, 540}, {3548, 2865, 1470, 540}}};
constexpr double kFieldPoints = 15.75;
constexpr double kButtonPoints = 12;

}  // namespace

Form2::Form2(const ElementEntry& shown, QWidget* parent) : QDialog(parent)
{
    Build();
    Load(shown);
}

void Form2::Build()
{
    SetUpFixedDialog(*this, U8(texts::kElementCaption), kClient);
    const QFont fieldFont = GothicFont(kFieldPoints);
    for (int i = 0; i < 3; ++i) {
        label1_[i] = new QLabel(U8(texts::kElementNames[i]), this);
        label1_[i]->setGeometry(twips::ToRect(kLabel1[i]));
        label1_[i]->setFont(fieldFont);

        text1_[i] = new EntryField(this);
        text1_[i]->setGeometry(twips::ToRect(kText1[i]));
        text1_[i]->setFont(fieldFont);
        SetEntryBackground(*text1_[i]);

        combo1_[i] = new Selector(this);
        combo1_[i]->setGeometry(twips::ToRect(kCombo1[i]));
        combo1_[i]->setFont(fieldFont);
        SetEntryBackground(*combo1_[i]);
        connect(combo1_[i], &Selector::chosen, this, [this, i] { Combo1Click(i); });
    }

    const std::array<const char*, 2> captions = {texts::kOk, texts::kCancel};
    for (int i = 0; i < 2; ++i) {
        command1_[i] = new QPushButton(U8(captions[i]), this);
        command1_[i]->setGeometry(twips::ToRect(kCommand1[i]));
        command1_[i]->setFont(GothicFont(kButtonPoints));
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    }
    // Enter in a field or in the unit beside it moves on to the next field,
    // from C to ＯＫ.
    const std::array<QWidget*, 3> next = {text1_[1], text1_[2], command1_[0]};
    for (int i = 0; i < 3; ++i) {
        connect(text1_[i], &EntryField::enterPressed, next[i], qOverload<>(&QWidget::setFocus));
        connect(combo1_[i], &Selector::enterPressed, next[i], qOverload<>(&QWidget::setFocus));
    }

    SetTabOrder({text1_[0], text1_[1], text1_[2], command1_[0], command1_[1], combo1_[1], combo1_[2], combo1_[0]});
}

void Form2::Load(const ElementEntry& shown)
{
    for (int i = 0; i < 3; ++i) {
        text1_[i]->setText(shown.values[i].text);
        for (const Unit& u : kElementUnits[i]) combo1_[i]->addItem(U8(u.text));
        combo1_[i]->SetText(shown.values[i].unit);
        unit_[i] = shown.values[i].unit;
    }
    text1_[0]->setFocus();
    text1_[0]->selectAll();
}

ElementEntry Form2::Entry() const
{
    ElementEntry entry;
    for (int i = 0; i < 3; ++i) entry.values[i] = {text1_[i]->text(), unit_[i]};
    return entry;
}

void Form2::Combo1Click(int i)
{
    for (int k = 0; k < 3; ++k)
        if (MultiplierOf(kElementUnits[k], Std(combo1_[k]->currentText()))) unit_[k] = combo1_[k]->currentText();
    text1_[i]->setFocus();
    text1_[i]->selectAll();
}

void Form2::Command1Click(int i)
{
    if (i == 0 && CheckEntriesComplete(text1_, this))
        accept();
    else if (i == 1)
        reject();
}
