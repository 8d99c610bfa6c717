#include "element_tuning_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "calc/calc_error.h"
#include "calc/prefixed_number.h"
#include "document/language.h"
#include "document/qstring_utf8.h"
#include "entry_field.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "platform/message_box.h"
#include "selector.h"
#include "texts.h"
#include "tuning_texts.h"

namespace {

// A value moved by the slider is shown to this many significant digits.
constexpr int kShownDigits = 3;
// Room between the window and the one it is placed beside.
constexpr int kGap = 8;

int Index(ElementKind kind) { return static_cast<int>(kind); }

}  // namespace

void ElementTuningWindow::ShowBeside(const QWidget& beside)
{
    FillBranches();
    adjustSize();
    const QRect outer = beside.frameGeometry();
    const QRect screen = beside.screen() != nullptr ? beside.screen()->availableGeometry() : outer;
    QPoint at(outer.right() + kGap, outer.top());
    if (at.x() + width() > screen.right()) at.setX(std::max(screen.left(), outer.left() - width() - kGap));
    move(at);
    show();
    raise();
    activateWindow();
}

std::optional<double> ElementTuningWindow::ValueInUse() const
{
    if (valueField_->LacksNumber()) return std::nullopt;
    try {
        return EnteredBaseValue({valueField_->text(), chosenUnit_}, kElementUnits[Index(slot_.kind)]);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

void ElementTuningWindow::FillBranches()
{
    const int branches = host_.CircuitBranches();
    const QSignalBlocker quiet(branchSelector_);
    branchSelector_->clear();
    for (int b = 1; b <= branches; ++b) branchSelector_->addItem(QStringLiteral("Z%1").arg(b));
    if (slot_.branch > branches) {
        slot_.branch = 1;
        graph_.EndVariation();
        LoadElement();
    }
    branchSelector_->setCurrentIndex(slot_.branch - 1);
}

void ElementTuningWindow::OnElementChosen()
{
    const int b = branchSelector_->currentIndex() + 1;
    ElementKind kind = slot_.kind;
    for (ElementKind k : kElementKinds)
        if (KindOption(k).isChecked()) kind = k;
    if (b < 1 || ElementSlot{b, kind} == slot_) return;
    slot_ = {b, kind};
    graph_.EndVariation();
    LoadElement();
}

void ElementTuningWindow::LoadElement()
{
    const int k = Index(slot_.kind);
    const ValueEntry entered = host_.EnteredElements(slot_.branch).values[static_cast<size_t>(k)];
    {
        const QSignalBlocker quiet(unitSelector_);
        unitSelector_->clear();
        unitSelector_->SetUnits(kElementUnits[k]);
        unitSelector_->Choose(entered.unit);
    }
    chosenUnit_ = entered.unit;
    valueField_->SetUnitSelector(unitSelector_, kElementUnits[k]);
    valueField_->ShowEntered(entered.text);
    const double value = ValueInUse().value_or(0);
    SetRange(value != 0 ? std::optional(std::pair{value / 10, value * 10}) : std::nullopt);
    PlaceSlider(value);
}

void ElementTuningWindow::SetRange(std::optional<std::pair<double, double>> range)
{
    range_ = range;
    rangeFields_[0]->setText(range ? PrefixedValueText(range->first) : QString());
    rangeFields_[1]->setText(range ? PrefixedValueText(range->second) : QString());
    slider_->setEnabled(range.has_value());
    zeroHint_->setVisible(!range);
}

// Between the ends on the logarithm of the value.
void ElementTuningWindow::PlaceSlider(double value)
{
    if (!range_) return;
    const auto [from, to] = *range_;
    const double t = value / from > 0 ? std::log(value / from) / std::log(to / from) : 0;
    const QSignalBlocker quiet(slider_);
    slider_->setValue(static_cast<int>(std::lround(std::clamp(t, 0.0, 1.0) * kSliderSteps)));
}

void ElementTuningWindow::ShowValue(double value)
{
    // A plain number is in the base unit, the first of the list with no
    // multiplier; a prefixed one finds its unit itself.
    const auto base = std::find_if(kElementUnits[Index(slot_.kind)].begin(), kElementUnits[Index(slot_.kind)].end(),
                                   [](const Unit& u) { return u.exponent == 0; });
    const QSignalBlocker quiet(unitSelector_);
    unitSelector_->Choose(U8(base->text));
    chosenUnit_ = U8(base->text);
    valueField_->ShowEntered(PrefixedValueText(Rounded(value, kShownDigits)));
    valueField_->TakePrefixedValue();
    chosenUnit_ = unitSelector_->ChosenSource().value_or(chosenUnit_);
}

void ElementTuningWindow::Tune()
{
    if (const std::optional<double> value = ValueInUse()) graph_.VaryElement({slot_, {*value}, false});
}

void ElementTuningWindow::OnSliderMoved(int position)
{
    if (!range_) return;
    const auto [from, to] = *range_;
    ShowValue(from * std::pow(to / from, static_cast<double>(position) / kSliderSteps));
    Tune();
}

// A value beyond the range moves the range to a tenth to ten times it.
void ElementTuningWindow::OnValueEntered()
{
    const std::array<EntryField*, 1> field = {valueField_};
    if (!CheckEntriesComplete(field, this)) return;
    const std::optional<double> value = ValueInUse();
    if (!value) return;
    const bool inside = range_ && *value / range_->first > 0 && *value / range_->second > 0 &&
                        std::abs(*value) >= std::min(std::abs(range_->first), std::abs(range_->second)) &&
                        std::abs(*value) <= std::max(std::abs(range_->first), std::abs(range_->second));
    if (!inside && *value != 0) SetRange(std::pair{*value / 10, *value * 10});
    PlaceSlider(*value);
    Tune();
}

void ElementTuningWindow::OnUnitChosen()
{
    const std::optional<QString> unit = unitSelector_->ChosenSource();
    if (!unit || !MultiplierOf(kElementUnits[Index(slot_.kind)], Std(*unit))) return;
    chosenUnit_ = *unit;
    OnValueEntered();
}

void ElementTuningWindow::Refuse(QLineEdit& field, qsizetype start, qsizetype length, const QString& message)
{
    ShowMessage(message, MessageIcon::None, this);
    field.setFocus();
    field.setSelection(static_cast<int>(start), static_cast<int>(length));
}

void ElementTuningWindow::OnRangeEntered()
{
    const std::optional<double> from = ReadStepValue(rangeFields_[0]->text());
    const std::optional<double> to = ReadStepValue(rangeFields_[1]->text());
    if (!from || !to || !(*from / *to > 0) || *from == *to) {
        QLineEdit& wrong = from && !to ? *rangeFields_[1] : *rangeFields_[0];
        Refuse(wrong, 0, wrong.text().size(), Tr(texts::kRangeRefused));
        return;
    }
    range_ = std::pair{*from, *to};
    slider_->setEnabled(true);
    zeroHint_->hide();
    PlaceSlider(ValueInUse().value_or(*from));
}

void ElementTuningWindow::OnGenerate()
{
    std::array<std::optional<double>, 2> ends;
    for (size_t end = 0; end < 2; ++end) {
        ends[end] = ReadStepValue(stepEndFields_[end]->text());
        if (!ends[end]) {
            Refuse(*stepEndFields_[end], 0, stepEndFields_[end]->text().size(), Tr(texts::kStepsNotGenerated));
            return;
        }
    }
    const StepSpacing spacing =
        SpacingOption(StepSpacing::Linear).isChecked() ? StepSpacing::Linear : StepSpacing::Logarithmic;
    const std::optional<std::vector<double>> values = GeneratedSteps(*ends[0], *ends[1], stepCount_->value(), spacing);
    if (!values) {
        Refuse(*stepEndFields_[0], 0, stepEndFields_[0]->text().size(), Tr(texts::kStepsNotGenerated));
        return;
    }
    stepsField_->setText(StepListText(*values));
}

void ElementTuningWindow::OnDrawSteps()
{
    const StepList list = ReadStepList(stepsField_->text());
    if (list.unreadable) {
        const StepList::Place& at = *list.unreadable;
        Refuse(*stepsField_, at.start, at.length, StepListProblem(stepsField_->text(), at));
        return;
    }
    if (list.values.size() > kMostFamilyMembers) {
        Refuse(*stepsField_, 0, stepsField_->text().size(), Tr(texts::kTooManySteps).arg(kMostFamilyMembers));
        return;
    }
    graph_.VaryElement({slot_, list.values, true});
}

void ElementTuningWindow::OnConfirm()
{
    const std::array<EntryField*, 1> field = {valueField_};
    if (!CheckEntriesComplete(field, this)) return;
    if (host_.StoreTunedElement(slot_.branch, slot_.kind, {valueField_->text(), chosenUnit_})) LoadElement();
}

void ElementTuningWindow::OnRevert()
{
    graph_.EndVariation();
    LoadElement();
}

void ElementTuningWindow::closeEvent(QCloseEvent* event)
{
    OnRevert();
    QWidget::closeEvent(event);
}
