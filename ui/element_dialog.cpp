#include "element_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "calc/number_text.h"
#include "look.h"
#include "entry_field.h"
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
constexpr std::array<const char*, 3> kStartText = {"0", "0", ""};
constexpr double kFieldPoints = 15.75;
constexpr double kButtonPoints = 12;

const std::array<UnitList, 3> kUnits = {units::kResistance, units::kInductance, units::kCapacitance};
constexpr std::array<const char*, 3> kStartUnit = {texts::kOhm, texts::kMilliHenry, texts::kMicroFarad};

}  // namespace

Form2::Form2(Circuit& circuit, QWidget* parent) : QDialog(parent), c_(circuit)
{
    Build();
    Load();
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
        text1_[i]->setText(kStartText[i]);
        SetEntryBackground(*text1_[i]);
        connect(text1_[i], &QLineEdit::textChanged, this, [this, i] { Text1Change(i); });

        combo1_[i] = new Selector(this);
        combo1_[i]->setGeometry(twips::ToRect(kCombo1[i]));
        combo1_[i]->setFont(fieldFont);
        SetEntryBackground(*combo1_[i]);
        connect(combo1_[i], &Selector::chosen, this, [this, i] { Combo1Click(i); });
    }
    connect(text1_[0], &EntryField::enterPressed, text1_[1], qOverload<>(&QWidget::setFocus));
    connect(text1_[1], &EntryField::enterPressed, text1_[2], qOverload<>(&QWidget::setFocus));

    const std::array<const char*, 2> captions = {texts::kOk, texts::kCancel};
    for (int i = 0; i < 2; ++i) {
        command1_[i] = new QPushButton(U8(captions[i]), this);
        command1_[i]->setGeometry(twips::ToRect(kCommand1[i]));
        command1_[i]->setFont(GothicFont(kButtonPoints));
        connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1Click(i); });
    }
    connect(text1_[2], &EntryField::enterPressed, command1_[0], qOverload<>(&QWidget::setFocus));

    SetTabOrder({text1_[0], text1_[1], text1_[2], command1_[0], command1_[1], combo1_[1], combo1_[2], combo1_[0]});
}

void Form2::Load()
{
    c_.DlgCancel = 0;
    text1_[0]->setFocus();
    text1_[0]->selectAll();
    c_.ElmRVal = c_.ElmLVal = c_.ElmCVal = 0;
    for (int i = 0; i < 3; ++i) *Multipliers()[i] = *MultiplierOf(kUnits[i], kStartUnit[i]);
    for (int i = 0; i < 3; ++i) {
        for (const Unit& u : kUnits[i]) combo1_[i]->addItem(U8(u.text));
        combo1_[i]->SetText(U8(kStartUnit[i]));
    }
}

std::array<double*, 3> Form2::Values() { return {&c_.ElmRVal, &c_.ElmLVal, &c_.ElmCVal}; }

std::array<double*, 3> Form2::Multipliers() { return {&c_.ElmRMul, &c_.ElmLMul, &c_.ElmCMul}; }

void Form2::Text1Change(int i)
{
    const std::string text = Std(text1_[i]->text());
    if (!IsNumeric(text)) {
        text1_[i]->setText(QString());
        return;
    }
    *Values()[i] = NumericValue(text);
}

void Form2::Combo1Click(int i)
{
    for (int k = 0; k < 3; ++k)
        if (const auto m = MultiplierOf(kUnits[k], Std(combo1_[k]->currentText()))) *Multipliers()[k] = *m;
    text1_[i]->setFocus();
    text1_[i]->selectAll();
}

void Form2::Command1Click(int i)
{
    if (i == 0)
        accept();
    else if (i == 1)
        reject();
}

void Form2::reject()
{
    c_.DlgCancel = 1;
    QDialog::reject();
}
