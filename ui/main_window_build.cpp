// Building the main window: every control at its place, with its font,
// colour and text, and wired to its handler.

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "circuit_picture.h"
#include "entry_field.h"
#include "graph/graph_page.h"
#include "look.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "matrix_brackets.h"
#include "platform/placed_widgets.h"
#include "platform/shown_text.h"
#include "document/qstring_utf8.h"
#include "result_label.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"
#include "document/units.h"

namespace {

using twips::Box;

// Every control inherits the window's face at kBasePoints unless it needs
// another size: a font set on each of the hundreds of controls would slow the
// start noticeably.
constexpr double kBasePoints = 11.25;
constexpr double kTextPoints = 12;
// The circuit-state captions end close to their fields; a smaller face keeps
// the frequency caption clear of its field.
constexpr double kStatePoints = 10.5;
// The smallest face a caption shrinks to, and the steps it shrinks by.
constexpr double kSmallestPoints = 8;
constexpr double kPointStep = 0.25;
const QColor kPlusJBackground(192, 255, 192);

Box Row(const Box& column, int top) { return {column.left, top, column.width, column.height}; }

// The face of the points given, smaller where the label's text would run
// past room pixels, as an English caption may; on the baseline of the face
// of the points given.
void FitFace(QLabel& label, double points, const twips::Box& at)
{
    const QFont full = GothicFont(points);
    QFont face = full;
    while (face.pointSizeF() > kSmallestPoints &&
           QFontMetrics(face, &label).horizontalAdvance(label.text()) > twips::ToPixels(at.width))
        face.setPointSizeF(face.pointSizeF() - kPointStep);
    label.setFont(face);
    const int lower = QFontMetrics(full, &label).ascent() - QFontMetrics(face, &label).ascent();
    label.move(twips::ToPoint(at.left, at.top) + QPoint(0, lower));
}

// A label with a fixed text, as wide as its text up to a box's width; a box
// with a height centres the text in that height, level with the controls
// beside it.
QLabel* FixedLabel(QWidget* parent, const char* text, const Box& at, double points = kTextPoints)
{
    auto* label = new QLabel(parent);
    if (points != kBasePoints) label->setFont(GothicFont(points));
    label->move(twips::ToPoint(at.left, at.top));
    if (at.height > 0) label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ShowText(label, text, [label, at, points](const QString& shown) {
        label->setText(shown);
        if (at.width > 0) FitFace(*label, points, at);
        label->adjustSize();
        if (at.height > 0) label->resize(label->width(), twips::ToPixels(at.height));
    });
    return label;
}

// A label with a fixed text at a box.
QLabel* BoxedLabel(QWidget* parent, const char* text, const Box& at)
{
    auto* label = new QLabel(parent);
    PlaceAt(*label, at);
    ShowText(label, TextRole::Text, text);
    return label;
}

// The look of a label that shows a result: white, sunken, empty until a
// command writes it.
template <typename Label>
Label* Sunken(Label* label, const Box& at)
{
    PlaceAt(*label, at);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(2);
    SetBackground(*label, Qt::white);
    return label;
}

QLabel* DefinitionLabel(QWidget* parent, const Box& at) { return Sunken(new QLabel(parent), at); }

ResultLabel* ValueLabel(QWidget* parent, const Box& at) { return Sunken(new ResultLabel(parent), at); }

Selector* MakeSelector(QWidget* parent, const Box& at)
{
    auto* selector = new Selector(parent);
    PlaceAt(*selector, at);
    return selector;
}

// A selector or a field of the circuit state, in the light cyan of entries.
// It changes only when chosen: a wheel turned on the way over a unit would
// scale the next calculation, over a count it would cut the circuit.
Selector* EntrySelector(QWidget* parent, const Box& at)
{
    Selector* selector = MakeSelector(parent, at);
    SetEntryBackground(*selector);
    selector->SetWheelChooses(false);
    return selector;
}

EntryField* StateField(QWidget* parent, const Box& at)
{
    auto* field = new EntryField(parent);
    PlaceAt(*field, at);
    field->setFont(GothicFont(kTextPoints));
    SetEntryBackground(*field);
    return field;
}

QPushButton* Button(QWidget* parent, const QString& caption, const Box& at, double points = kBasePoints)
{
    QPushButton* button = ButtonAt(parent, at);
    button->setText(caption);
    if (points != kBasePoints) button->setFont(GothicFont(points));
    button->setAutoDefault(false);
    return button;
}

QPushButton* Button(QWidget* parent, const char* caption, const Box& at, double points = kBasePoints)
{
    QPushButton* button = Button(parent, QString(), at, points);
    ShowText(button, TextRole::Text, caption);
    return button;
}

QGroupBox* Frame(QWidget* parent, const char* caption, const Box& at)
{
    QGroupBox* frame = FrameAt(parent, at);
    ShowText(frame, TextRole::Title, caption);
    return frame;
}

QStringList Counts(int most)
{
    QStringList sources;
    for (int n = 2; n <= most; ++n) sources << U8(texts::kCounts[n - 2]);
    return sources;
}

}  // namespace

void MainWindow::Build()
{
    setFixedSize(twips::ToSize(layout::kClient.width, layout::kClient.height));
    setFont(GothicFont(kBasePoints));
    ui_.pageTabs = new TabControl(TabControl::Strip::Bottom, this);
    PlaceAt(*ui_.pageTabs, layout::kPageTabs);
    ui_.pageTabs->Bar()->setFont(GothicFont(kTextPoints));
    BuildCalcPage(ui_.pageTabs->AddTab(texts::kTabCalc));
    graph_ = new GraphPage(g_, *this, ui_.pageTabs->AddTab(texts::kTabGraph));
    graph_->move(twips::ToPoint(layout::kGraphPage.left, layout::kGraphPage.top));
    Connect();
    SetFocusOrder();
    BuildMenuBar();
    NameControls();
    AddShortcuts();
}

void MainWindow::BuildCalcPage(QWidget* page)
{
    ui_.title = BoxedLabel(page, texts::kTitle, layout::kTitle);
    ui_.title->setFont(GothicFont(kTextPoints));
    ui_.title->setAlignment(Qt::AlignCenter);

    BuildStateFrame(page);
    ui_.sampleFrame = Frame(page, texts::kFrameSample, layout::kSampleFrame);
    ui_.samplePicture = new CircuitPicture(ui_.sampleFrame);
    ui_.samplePicture->move(layout::kSamplePictureLeft, layout::kSamplePictureTop);
    BuildCommandFrame(page);
    BuildImpedanceRows(page);
    BuildMatrix(page);
    BuildCurrentRows(page);
    BuildResultFrames(page);
}

void MainWindow::BuildStateFrame(QWidget* page)
{
    ui_.stateFrame = Frame(page, texts::kFrameState, layout::kStateFrame);
    QGroupBox* frame = ui_.stateFrame;
    ui_.emfCaption = FixedLabel(frame, texts::kEmf, layout::kEmfCaption, kStatePoints);
    ui_.frequencyCaption = FixedLabel(frame, texts::kFrequency, layout::kFrequencyCaption, kStatePoints);
    ui_.loopCountCaption = FixedLabel(frame, texts::kLoops, layout::kLoopCountCaption, kStatePoints);
    ui_.branchCountCaption = FixedLabel(frame, texts::kBranches, layout::kBranchCountCaption, kStatePoints);
    ui_.loopCount = EntrySelector(frame, layout::kLoopCount);
    ui_.emfField = StateField(frame, layout::kEmfField);
    ui_.emfUnit = EntrySelector(frame, layout::kEmfUnit);
    ui_.branchCount = EntrySelector(frame, layout::kBranchCount);
    ui_.frequencyField = StateField(frame, layout::kFrequencyField);
    ui_.frequencyUnit = EntrySelector(frame, layout::kFrequencyUnit);
}

void MainWindow::BuildCommandFrame(QWidget* page)
{
    ui_.commandFrame = Frame(page, texts::kFrameCommands, layout::kCommandFrame);
    QGroupBox* frame = ui_.commandFrame;
    ui_.calculateButton = Button(frame, texts::kCalculate, layout::kCalculateButton, kTextPoints);
    ui_.frequencyButton = Button(frame, texts::kFrequencyCharacteristics, layout::kFrequencyButton, kTextPoints);
    ui_.clearButton = Button(frame, texts::kClear, layout::kClearButton, kTextPoints);
    ui_.quitButton = Button(frame, texts::kQuit, layout::kQuitButton, kTextPoints);
}

void MainWindow::BuildImpedanceRows(QWidget* page)
{
    ui_.impedanceTabs = new TabControl(TabControl::Strip::Top, page);
    PlaceAt(*ui_.impedanceTabs, layout::kImpedanceTabs);
    for (int t = 0; t < 3; ++t) {
        QWidget* tab = ui_.impedanceTabs->AddTab(texts::kImpedanceTabs[t]);
        ui_.impedanceHeadings[t] = FixedLabel(tab, texts::kBranchImpedanceHeading, layout::kImpedanceHeading);
        for (int r = 0; r < 5; ++r) {
            const int b = 5 * t + r + 1;
            const int y = layout::kImpRowTop + layout::kImpRowStep * r;
            ui_.elementButtons[b] = Button(tab, QStringLiteral("Z%1=").arg(b), Row(layout::kElementButton, y));
            ui_.impedanceRe[b] = ValueLabel(tab, Row(layout::kImpedanceRe, y));
            ui_.plusJ[b] = BoxedLabel(tab, texts::kPlusJ, Row(layout::kPlusJ, y));
            ui_.plusJ[b]->setFont(GothicFont(kTextPoints));
            ui_.plusJ[b]->setAlignment(Qt::AlignCenter);
            SetBackground(*ui_.plusJ[b], kPlusJBackground);
            ui_.impedanceIm[b] = ValueLabel(tab, Row(layout::kImpedanceIm, y));
            ui_.impedanceUnit[b] = MakeSelector(tab, Row(layout::kImpedanceUnit, y));
        }
    }
}

// Only the upper triangle, k ≥ j, is defined; the lower one mirrors it.
void MainWindow::BuildMatrix(QWidget* page)
{
    ui_.matrixHeading = BoxedLabel(page, texts::kMatrixHeading, layout::kMatrixHeading);
    ui_.matrixHeading->setAlignment(Qt::AlignCenter);
    new MatrixBrackets(page);
    for (int j = 1; j <= Circuit::MaxLoops; ++j) {
        for (int k = 1; k <= Circuit::MaxLoops; ++k) {
            const Box at{layout::kMatrixColumns[k - 1], layout::kMatrixRows[j - 1], layout::kMatrixButtonWidth,
                         layout::kMatrixButtonHeight};
            ui_.matrixButtons[j][k] = Button(page, QString(), at, layout::kMatrixPoints);
            ui_.matrixButtons[j][k]->setEnabled(k >= j);
        }
    }
}

void MainWindow::BuildCurrentRows(QWidget* page)
{
    ui_.currentTabs = new TabControl(TabControl::Strip::Top, page);
    PlaceAt(*ui_.currentTabs, layout::kCurrentTabs);
    for (int t = 0; t < 3; ++t) {
        QWidget* tab = ui_.currentTabs->AddTab(texts::kCurrentTabs[t]);
        QGroupBox* frame = Frame(tab, texts::kBranchCurrentFrame, layout::kCurrentFrame);
        ui_.currentFrames[t] = frame;
        for (int r = 0; r < 5; ++r) {
            const int b = 5 * t + r + 1;
            const int y = layout::kCurRowTop + layout::kCurRowStep * r;
            ui_.currentButtons[b] =
                Button(frame, QStringLiteral("I%1=").arg(b, 2, 10, QLatin1Char('0')), Row(layout::kCurrentButton, y));
            ui_.currentDefinition[b] = DefinitionLabel(frame, Row(layout::kCurrentDefinition, y));
            ui_.currentMagnitude[b] = ValueLabel(frame, Row(layout::kCurrentMagnitude, y));
            ui_.currentUnit[b] = MakeSelector(frame, Row(layout::kCurrentUnit, y));
            ui_.currentPhaseCaption[b] = BoxedLabel(frame, texts::kPhaseIs, Row(layout::kCurrentPhaseCaption, y));
            ui_.currentPhaseCaption[b]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ui_.currentPhase[b] = ValueLabel(frame, Row(layout::kCurrentPhase, y));
            ui_.currentDegrees[b] = BoxedLabel(frame, texts::kDegrees, Row(layout::kCurrentDegrees, y));
            ui_.currentDegrees[b]->setFont(GothicFont(kTextPoints));
            ui_.currentDegrees[b]->setIndent(4);
        }
    }
}

void MainWindow::BuildResultFrames(QWidget* page)
{
    ui_.inputImpedanceFrame = Frame(page, texts::kFrameInputImpedance, layout::kInputImpedanceFrame);
    QGroupBox* zi = ui_.inputImpedanceFrame;
    ui_.inputImpedanceCaption = FixedLabel(zi, texts::kZiIs, layout::kInputImpedanceCaption);
    ui_.inputImpedanceMagnitude = ValueLabel(zi, layout::kInputImpedanceMagnitude);
    ui_.inputImpedancePhase = ValueLabel(zi, layout::kInputImpedancePhase);
    ui_.inputImpedanceDegrees = FixedLabel(zi, texts::kDegrees, layout::kInputImpedanceDegrees);
    ui_.inputImpedanceUnit = MakeSelector(zi, layout::kInputImpedanceUnit);

    ui_.voltageFrame = Frame(page, texts::kFrameBranchVoltage, layout::kVoltageFrame);
    QGroupBox* voltage = ui_.voltageFrame;
    ui_.voltageBranch = MakeSelector(voltage, layout::kVoltageBranch);
    ui_.voltageBranch->setFont(MinchoFont(kBasePoints));
    ui_.voltageMagnitude = ValueLabel(voltage, layout::kVoltageMagnitude);
    ui_.voltageUnit = MakeSelector(voltage, layout::kVoltageUnit);
    ui_.voltageUnit->setFont(MinchoFont(kBasePoints));
    ui_.voltagePhase = ValueLabel(voltage, layout::kVoltagePhase);
    QPalette buttonFace = ui_.voltageBranch->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    ui_.voltageBranch->setPalette(buttonFace);
    ui_.voltageDegrees = FixedLabel(voltage, texts::kDegrees, layout::kVoltageDegrees);
}

void MainWindow::FillLists()
{
    ui_.emfUnit->SetUnits(units::kEmf);
    ui_.frequencyUnit->SetUnits(units::kFrequency);
    ui_.emfField->SetUnitSelector(ui_.emfUnit, units::kEmf);
    ui_.frequencyField->SetUnitSelector(ui_.frequencyUnit, units::kFrequency);
    ui_.loopCount->SetItems(Counts(Circuit::MaxLoops));
    ui_.branchCount->SetItems(Counts(Circuit::MaxBranches));
    for (int b = 1; b <= Circuit::MaxBranches; ++b) ui_.impedanceUnit[b]->SetUnits(units::kImpedanceDisplay);
    for (int b = 1; b <= Circuit::MaxBranches; ++b) ui_.currentUnit[b]->SetUnits(units::kCurrentDisplay);
    ui_.inputImpedanceUnit->SetUnits(units::kImpedanceDisplay);
    ui_.voltageUnit->SetUnits(units::kVoltageDisplay);
}

void MainWindow::Connect()
{
    connect(ui_.emfField, &EntryField::entryChanged, this, &MainWindow::OnEmfEdited);
    connect(ui_.emfField, &EntryField::enterPressed, this, &MainWindow::OnEnterInEmfField);
    connect(ui_.emfUnit, &Selector::chosen, this, &MainWindow::OnEmfUnitChosen);
    connect(ui_.emfField, &EntryField::unitTaken, this, &MainWindow::TakeEmfUnit);
    connect(ui_.loopCount, &Selector::chosen, this, &MainWindow::OnLoopCountChosen);
    connect(ui_.frequencyField, &EntryField::entryChanged, this, &MainWindow::OnFrequencyEdited);
    connect(ui_.frequencyField, &EntryField::enterPressed, this, &MainWindow::OnEnterInFrequencyField);
    connect(ui_.frequencyUnit, &Selector::chosen, this, &MainWindow::OnFrequencyUnitChosen);
    connect(ui_.frequencyField, &EntryField::unitTaken, this, &MainWindow::TakeFrequencyUnit);
    connect(ui_.branchCount, &Selector::chosen, this, &MainWindow::OnBranchCountChosen);
    connect(ui_.calculateButton, &QPushButton::clicked, this, &MainWindow::OnCalculate);
    connect(ui_.frequencyButton, &QPushButton::clicked, this, &MainWindow::OnShowFrequencyCharacteristics);
    connect(ui_.clearButton, &QPushButton::clicked, this, &MainWindow::OnClear);
    connect(ui_.quitButton, &QPushButton::clicked, this, &MainWindow::OnQuit);
    for (int b = 1; b <= Circuit::MaxBranches; ++b) {
        connect(ui_.elementButtons[b], &QPushButton::clicked, this, [this, b] { OnElementButton(b); });
        connect(ui_.currentButtons[b], &QPushButton::clicked, this, [this, b] { OnCurrentButton(b); });
        connect(ui_.impedanceUnit[b], &Selector::chosen, this, [this, b] { OnImpedanceUnitChosen(b); });
        connect(ui_.currentUnit[b], &Selector::chosen, this, [this, b] { OnCurrentUnitChosen(b); });
    }
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k)
            connect(ui_.matrixButtons[j][k], &QPushButton::clicked, this, [this, j, k] { OnMatrixButton(j, k); });
    connect(ui_.inputImpedanceUnit, &Selector::chosen, this, &MainWindow::OnInputImpedanceUnitChosen);
    connect(ui_.voltageBranch, &Selector::chosen, this, &MainWindow::OnVoltageBranchChosen);
    connect(ui_.voltageUnit, &Selector::chosen, this, &MainWindow::OnVoltageUnitChosen);
    connect(ui_.pageTabs, &TabControl::currentChanged, this, &MainWindow::OnPageChosen);
}

void MainWindow::SetFocusOrder()
{
    std::vector<QWidget*> order = {ui_.emfField, ui_.frequencyField};
    for (int b = 1; b <= Circuit::MaxBranches; ++b) order.push_back(ui_.elementButtons[b]);
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k) order.push_back(ui_.matrixButtons[j][k]);
    order.insert(order.end(), {ui_.calculateButton, ui_.frequencyButton, ui_.clearButton, ui_.quitButton, ui_.emfUnit,
                               ui_.frequencyUnit, ui_.loopCount, ui_.branchCount, ui_.inputImpedanceUnit});
    for (int b = 1; b <= Circuit::MaxBranches; ++b) order.push_back(ui_.impedanceUnit[b]);
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        order.insert(order.end(), {ui_.currentButtons[b], ui_.currentUnit[b]});
    order.insert(order.end(), {ui_.voltageBranch, ui_.voltageUnit});
    SetTabOrder(order);
}
