// The tuning window's controls, their layout and their connections.

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "element_tuning_window.h"
#include "entry_field.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "look.h"
#include "platform/shown_text.h"
#include "selector.h"
#include "tuning_texts.h"

namespace {

constexpr double kPoints = 10;
constexpr double kValuePoints = 12;
constexpr int kSliderPageStep = 20;
constexpr int kSliderWidth = 300;
constexpr int kRangeChars = 8;

QLabel* Caption(const MarkedText& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    ShowText(label, TextRole::Text, text);
    label->setFont(GothicFont(kPoints));
    return label;
}

QLineEdit* LineField(QWidget* parent, int chars = 0)
{
    auto* field = new QLineEdit(parent);
    field->setFont(GothicFont(kPoints));
    SetEntryBackground(*field);
    if (chars > 0) field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 12);
    return field;
}

QPushButton* Button(const MarkedText& caption, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    ShowText(button, TextRole::Text, caption);
    button->setFont(GothicFont(kPoints));
    return button;
}

}  // namespace

ElementTuningWindow::ElementTuningWindow(GraphPage& graph, TuningHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool), graph_(graph), host_(host)
{
    Build();
    Connect();
    FillBranches();
    LoadElement();
}

void ElementTuningWindow::Build()
{
    ShowText(this, TextRole::WindowTitle, texts::kTuningTitle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildElementRow());
    layout->addWidget(BuildValueRows());
    layout->addWidget(BuildStepFrame());
    auto* commands = new QHBoxLayout;
    confirmButton_ = Button(texts::kTuningConfirm, this);
    revertButton_ = Button(texts::kTuningRevert, this);
    commands->addStretch();
    commands->addWidget(confirmButton_);
    commands->addWidget(revertButton_);
    layout->addLayout(commands);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* ElementTuningWindow::BuildElementRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    branchSelector_ = new Selector(row);
    branchSelector_->setFont(GothicFont(kPoints));
    branchSelector_->SetWheelChooses(false);
    SetEntryBackground(*branchSelector_);
    QLabel* branch = Caption(texts::kTuningBranch, row);
    branch->setBuddy(branchSelector_);
    layout->addWidget(branch);
    layout->addWidget(branchSelector_);
    layout->addSpacing(16);
    QLabel* element = Caption(texts::kTuningElement, row);
    layout->addWidget(element);
    auto* kinds = new QButtonGroup(row);
    for (ElementKind kind : kElementKinds) {
        auto* option = new QRadioButton(ElementLetter(kind), row);
        option->setFont(GothicFont(kPoints));
        kinds->addButton(option);
        layout->addWidget(option);
        kindOptions_[static_cast<size_t>(kind)] = option;
    }
    element->setBuddy(kindOptions_[0]);
    KindOption(slot_.kind).setChecked(true);
    layout->addStretch();
    return row;
}

QWidget* ElementTuningWindow::BuildValueRows()
{
    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->setContentsMargins(0, 0, 0, 0);
    slider_ = new QSlider(Qt::Horizontal, rows);
    slider_->setRange(0, kSliderSteps);
    slider_->setPageStep(kSliderPageStep);
    slider_->setMinimumWidth(kSliderWidth);
    ShowText(slider_, TextRole::AccessibleName, texts::kTuningTitle);
    valueField_ = new EntryField(rows);
    valueField_->setFont(GothicFont(kValuePoints));
    SetEntryBackground(*valueField_);
    valueField_->setFixedWidth(valueField_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    unitSelector_ = new Selector(rows);
    unitSelector_->setFont(GothicFont(kValuePoints));
    unitSelector_->SetWheelChooses(false);
    SetEntryBackground(*unitSelector_);
    grid->addWidget(slider_, 0, 0, 1, 4);
    grid->addWidget(valueField_, 0, 4);
    grid->addWidget(unitSelector_, 0, 5);

    QLabel* range = Caption(texts::kTuningRange, rows);
    for (QLineEdit*& field : rangeFields_) field = LineField(rows, kRangeChars);
    range->setBuddy(rangeFields_[0]);
    grid->addWidget(range, 1, 0);
    grid->addWidget(rangeFields_[0], 1, 1);
    grid->addWidget(Caption(texts::kTuningRangeTo, rows), 1, 2);
    grid->addWidget(rangeFields_[1], 1, 3, Qt::AlignLeft);
    zeroHint_ = Caption(texts::kTuningZeroHint, rows);
    grid->addWidget(zeroHint_, 2, 0, 1, 6);
    return rows;
}

QWidget* ElementTuningWindow::BuildStepFrame()
{
    auto* frame = new QGroupBox(this);
    ShowText(frame, TextRole::Title, texts::kStepsFrame);
    frame->setFont(GothicFont(kPoints));
    auto* grid = new QGridLayout(frame);
    QLabel* values = Caption(texts::kStepValues, frame);
    stepsField_ = LineField(frame);
    values->setBuddy(stepsField_);
    drawButton_ = Button(texts::kStepDraw, frame);
    grid->addWidget(values, 0, 0);
    grid->addWidget(stepsField_, 0, 1, 1, 7);
    grid->addWidget(drawButton_, 0, 8);

    const std::array<MarkedText, 2> ends = {texts::kStepFirst, texts::kStepLast};
    for (int end = 0; end < 2; ++end) {
        QLabel* caption = Caption(ends[static_cast<size_t>(end)], frame);
        stepEndFields_[static_cast<size_t>(end)] = LineField(frame, kRangeChars);
        caption->setBuddy(stepEndFields_[static_cast<size_t>(end)]);
        grid->addWidget(caption, 1, 2 * end);
        grid->addWidget(stepEndFields_[static_cast<size_t>(end)], 1, 2 * end + 1);
    }
    QLabel* count = Caption(texts::kStepCount, frame);
    stepCount_ = new QSpinBox(frame);
    stepCount_->setFont(GothicFont(kPoints));
    stepCount_->setRange(2, static_cast<int>(kMostFamilyMembers));
    stepCount_->setValue(3);
    count->setBuddy(stepCount_);
    grid->addWidget(count, 1, 4);
    grid->addWidget(stepCount_, 1, 5);
    auto* spacing = new QButtonGroup(frame);
    const std::array<const char*, 2> spacings = {texts::kStepLogarithmic, texts::kStepLinear};
    for (StepSpacing s : {StepSpacing::Logarithmic, StepSpacing::Linear}) {
        auto* option = new QRadioButton(frame);
        ShowText(option, TextRole::Text, spacings[static_cast<size_t>(s)]);
        option->setFont(GothicFont(kPoints));
        spacing->addButton(option);
        spacingOptions_[static_cast<size_t>(s)] = option;
        grid->addWidget(option, 1, 6 + static_cast<int>(s));
    }
    SpacingOption(StepSpacing::Logarithmic).setChecked(true);
    generateButton_ = Button(texts::kStepGenerate, frame);
    grid->addWidget(generateButton_, 1, 8);
    return frame;
}

void ElementTuningWindow::Connect()
{
    connect(branchSelector_, &Selector::chosen, this, &ElementTuningWindow::OnElementChosen);
    for (QRadioButton* option : kindOptions_)
        connect(option, &QRadioButton::clicked, this, &ElementTuningWindow::OnElementChosen);
    connect(slider_, &QSlider::valueChanged, this, &ElementTuningWindow::OnSliderMoved);
    connect(valueField_, &EntryField::enterPressed, this, &ElementTuningWindow::OnValueEntered);
    connect(unitSelector_, &Selector::chosen, this, &ElementTuningWindow::OnUnitChosen);
    for (QLineEdit* field : rangeFields_)
        connect(field, &QLineEdit::returnPressed, this, &ElementTuningWindow::OnRangeEntered);
    connect(stepsField_, &QLineEdit::returnPressed, this, &ElementTuningWindow::OnDrawSteps);
    connect(generateButton_, &QPushButton::clicked, this, &ElementTuningWindow::OnGenerate);
    connect(drawButton_, &QPushButton::clicked, this, &ElementTuningWindow::OnDrawSteps);
    connect(confirmButton_, &QPushButton::clicked, this, &ElementTuningWindow::OnConfirm);
    connect(revertButton_, &QPushButton::clicked, this, &ElementTuningWindow::OnRevert);
    // A new circuit has other branches; a changed one may have fewer.
    connect(&graph_, &GraphPage::circuitReset, this, &QWidget::hide);
    connect(&graph_, &GraphPage::circuitChanged, this, &ElementTuningWindow::FillBranches);
}
