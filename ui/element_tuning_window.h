#pragma once
// The window beside the graph page that tunes and steps one element, the R,
// L or C of one branch, of the circuit the graphs show. The slider runs over
// a logarithmic range, by default a tenth to ten times the value entered;
// the value field and its unit show the value in use, which is what the
// field shows, so that 確定 stores exactly that. Every move redraws the
// plotted quantity with the element at the value; ステップ draws one curve
// per value of a list. Nothing is written into the circuit before 確定;
// 元に戻す and closing the window draw the circuit's own curves again.

#include <QWidget>
#include <array>
#include <optional>

#include "document/element_entry.h"
#include "document/step_list.h"
#include "sweep/element_value.h"

class EntryField;
class GraphPage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class Selector;

// What the window needs of the main window.
class TuningHost {
public:
    // The branch count of the circuit on screen.
    virtual int CircuitBranches() const = 0;
    // What was entered for branch b, as the element dialog opens with it.
    virtual ElementEntry EnteredElements(int b) const = 0;
    // 確定: the value becomes the element's entry as the element dialog
    // stores one, with its checks and messages; the circuit is calculated and
    // the graphs show its curves. False when the value was refused.
    virtual bool StoreTunedElement(int b, ElementKind kind, const ValueEntry& value) = 0;

protected:
    ~TuningHost() = default;
};

class ElementTuningWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSliderSteps = 400;

    ElementTuningWindow(GraphPage& graph, TuningHost& host, QWidget* parent);

    // Shows the window beside `beside`, with the element chosen before.
    void ShowBeside(const QWidget& beside);

    Selector& BranchSelector() { return *branchSelector_; }
    QRadioButton& KindOption(ElementKind kind) { return *kindOptions_[static_cast<size_t>(kind)]; }
    QSlider& Slider() { return *slider_; }
    EntryField& ValueField() { return *valueField_; }
    Selector& UnitSelector() { return *unitSelector_; }
    QLineEdit& RangeField(int end) { return *rangeFields_[static_cast<size_t>(end)]; }
    QLineEdit& StepsField() { return *stepsField_; }
    QLineEdit& StepEndField(int end) { return *stepEndFields_[static_cast<size_t>(end)]; }
    QRadioButton& SpacingOption(StepSpacing spacing) { return *spacingOptions_[static_cast<size_t>(spacing)]; }
    QPushButton& GenerateButton() { return *generateButton_; }
    QPushButton& DrawButton() { return *drawButton_; }
    QPushButton& ConfirmButton() { return *confirmButton_; }

    // The value the field and its unit show, in Ω, H or F; nothing while the
    // field holds no number.
    std::optional<double> ValueInUse() const;

    // The handlers.
    void OnElementChosen();
    void OnSliderMoved(int position);
    void OnValueEntered();
    void OnUnitChosen();
    void OnRangeEntered();
    void OnGenerate();
    void OnDrawSteps();
    void OnConfirm();
    void OnRevert();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    QWidget* BuildElementRow();
    QWidget* BuildValueRows();
    QWidget* BuildStepFrame();
    void Connect();

    // The branches of the circuit on screen; the element chosen stays when
    // its branch is still there.
    void FillBranches();
    // The chosen element as entered: its value, unit and range; the slider
    // at the value.
    void LoadElement();
    // The slider's range, and the hint for a value of 0 without one.
    void SetRange(std::optional<std::pair<double, double>> range);
    void PlaceSlider(double value);
    // The value, to three significant digits, in the field and in the unit
    // that shows it in the fewest characters.
    void ShowValue(double value);
    // The graphs with the element at the value in use.
    void Tune();
    // Refuses the text of a line field: selects the part and says why.
    void Refuse(QLineEdit& field, qsizetype start, qsizetype length, const QString& message);

    GraphPage& graph_;
    TuningHost& host_;
    ElementSlot slot_;
    // The slider's ends, of one sign, neither 0.
    std::optional<std::pair<double, double>> range_;
    // The last unit chosen from the list; a text typed into the selector that
    // is no unit leaves it.
    QString chosenUnit_;

    Selector* branchSelector_ = nullptr;
    std::array<QRadioButton*, 3> kindOptions_{};
    QSlider* slider_ = nullptr;
    EntryField* valueField_ = nullptr;
    Selector* unitSelector_ = nullptr;
    std::array<QLineEdit*, 2> rangeFields_{};
    QLabel* zeroHint_ = nullptr;
    QLineEdit* stepsField_ = nullptr;
    std::array<QLineEdit*, 2> stepEndFields_{};
    QSpinBox* stepCount_ = nullptr;
    std::array<QRadioButton*, 2> spacingOptions_{};
    QPushButton* generateButton_ = nullptr;
    QPushButton* drawButton_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QPushButton* revertButton_ = nullptr;
};
