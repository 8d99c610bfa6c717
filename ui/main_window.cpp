// The main window's start-up, the circuit initialisation, the circuit-size
// selectors and the navigation between the pages.

#include "main_window.h"

#include <QAction>
#include <QEvent>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "diagram_window_texts.h"
#include "document/circuit_size.h"
#include "entry_field.h"
#include "graph/branch_colour.h"
#include "graph/graph_page.h"
#include "main_window_layout.h"
#include "platform/message_box.h"
#include "document/language.h"
#include "document/qstring_utf8.h"
#include "print/graph_page_host.h"
#include "print/preview_window.h"
#include "document/recovery_file.h"
#include "document/signed_sum_text.h"
#include "selector.h"
#include "tab_control.h"
#include "texts.h"
#include "window_language.h"

namespace {

// "Ｖ01" … "Ｖ09", "Ｖ10" … "Ｖ15".
QString VoltageItem(int b)
{
    return Tr(texts::kVoltagePrefix) + (b <= 9 ? QStringLiteral("0") : QString()) + QString::number(b);
}

// Where a netlist of a circuit never saved goes, named in the language in use.
QString NetlistFallback() { return QDir::home().filePath(Tr(diagram_window_text::kNetlistDefaultName)); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      exportChooser_(AskSaveFileName),
      netlistPlace_(NetlistFallback())
{
    Build();
    Load();
}

MainWindow::~MainWindow() = default;

QString MainWindow::DefaultMatrixCaption(int j, int k) { return QStringLiteral("Z%1%2").arg(j).arg(k); }

void MainWindow::Load()
{
    FillLists();
    FillBranchColours(g_);
    StartCircuit();
    TakeAsSaved({});
}

void MainWindow::StartCircuit() { InitCircuit(2, 3); }

void MainWindow::InitCircuit(int loops, int branches)
{
    ui_.loopCount->Choose(U8(texts::kCounts[loops - 2]));
    ui_.branchCount->Choose(U8(texts::kCounts[branches - 2]));
    entry_ = EmptyDocument(loops, branches);
    entry_.display = StartDisplayUnits(branches);
    results_ = {};
    ui_.emfField->setMaxLength(EntryField::kMaxChars);
    ui_.frequencyField->setMaxLength(EntryField::kMaxChars);
    ui_.emfField->setText(QStringLiteral("1"));
    ui_.emfUnit->Choose(entry_.emf.unit);
    ui_.frequencyField->setText(QStringLiteral("100"));
    ui_.frequencyUnit->Choose(entry_.frequency.unit);

    for (int j = 1; j <= Circuit::MaxLoops; ++j) {
        for (int k = 1; k <= Circuit::MaxLoops; ++k) {
            QPushButton* button = ui_.matrixButtons[j][k];
            QFont font = button->font();
            font.setPointSizeF(layout::kMatrixPoints);
            button->setFont(font);
            button->setText(DefaultMatrixCaption(j, k));
        }
    }
    ShowMatrixButtons(loops);

    ShowRows();
    StartRows(1);

    ui_.inputImpedanceUnit->Choose(entry_.display->inputImpedance);
    FillVoltageBranches(1);
    ShowPageResults();

    // The graph page's own reset ends by choosing the input impedance, which
    // would redraw while "周波数特性" is still enabled.
    ui_.pageTabs->SetCurrent(0);
    SetCalculationValid(false);
    graph_->ResetForNewCircuit();
    ShowDrawing();
    EntryMayHaveChanged();
}

void MainWindow::ShowRows()
{
    HideBranchRows();
    HideCurrentRows();
    for (int b = 1; b <= entry_.branches; ++b) {
        for (QWidget* w : BranchRow(b)) w->setVisible(true);
        for (QWidget* w : CurrentRow(b)) w->setVisible(true);
    }
}

void MainWindow::StartRows(int first)
{
    for (int b = first; b <= entry_.branches; ++b) {
        ui_.impedanceUnit[b]->Choose(entry_.display->impedance[b - 1]);
        results_.impedance[b].reset();
        ShowCurrentDefinition(b, {});
        results_.currentMagnitude[b] = results_.currentPhase[b] = false;
        ui_.currentUnit[b]->Choose(entry_.display->current[b - 1]);
    }
    ShowPageResults();
}

void MainWindow::FillVoltageBranches(int chosen)
{
    ui_.voltageBranch->clear();
    for (int b = 1; b <= entry_.branches; ++b) ui_.voltageBranch->addItem(VoltageItem(b));
    ui_.voltageBranch->SetText(VoltageItem(chosen));
    ui_.voltageUnit->Choose(entry_.display->voltage[chosen - 1]);
}

std::array<QWidget*, 5> MainWindow::BranchRow(int b) const
{
    return {ui_.elementButtons[b], ui_.impedanceRe[b], ui_.plusJ[b], ui_.impedanceIm[b], ui_.impedanceUnit[b]};
}

std::array<QWidget*, 7> MainWindow::CurrentRow(int b) const
{
    return {ui_.currentButtons[b],      ui_.currentDefinition[b], ui_.currentMagnitude[b], ui_.currentUnit[b],
            ui_.currentPhaseCaption[b], ui_.currentPhase[b],      ui_.currentDegrees[b]};
}

void MainWindow::ShowMatrixButtons(int loops)
{
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k) ui_.matrixButtons[j][k]->setVisible(j <= loops && k <= loops);
}

void MainWindow::HideBranchRows()
{
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        for (QWidget* w : BranchRow(b)) w->setVisible(false);
}

void MainWindow::HideCurrentRows()
{
    for (int b = 1; b <= Circuit::MaxBranches; ++b)
        for (QWidget* w : CurrentRow(b)) w->setVisible(false);
}

void MainWindow::OnLoopCountChosen() { ChooseCount(ui_.loopCount, Circuit::MaxLoops, CountKind::Loops); }

void MainWindow::OnBranchCountChosen() { ChooseCount(ui_.branchCount, Circuit::MaxBranches, CountKind::Branches); }

void MainWindow::ChooseCount(Selector* selector, int most, CountKind kind)
{
    const int count = kind == CountKind::Loops ? entry_.loops : entry_.branches;
    const std::optional<QString> source = selector->ChosenSource();
    int chosen = count;
    for (int n = 2; n <= most; ++n)
        if (source == U8(texts::kCounts[n - 2])) chosen = n;
    const int loops = kind == CountKind::Loops ? chosen : entry_.loops;
    const int branches = kind == CountKind::Branches ? chosen : entry_.branches;
    const std::optional<QString> question = RemovalQuestion(entry_, loops, branches);
    if (chosen == count || (question && Ask(*question, Tr(texts::kYes), Tr(texts::kNo), this) != Answer::Yes)) {
        selector->Choose(U8(texts::kCounts[count - 2]));
        return;
    }
    ui_.emfField->setFocus();
    Resize(loops, branches);
}

// What remains keeps its entries, values and impedances; the results of the
// old size go, as after a change of a definition.
void MainWindow::Resize(int loops, int branches)
{
    ClearDefinitionResults();
    const CircuitDocument before = entry_;
    entry_ = Resized(entry_, loops, branches);
    for (int b = branches + 1; b <= Circuit::MaxBranches; ++b) results_.impedance[b].reset();
    ShowMatrixButtons(loops);
    ShowRows();
    StartRows(before.branches + 1);
    ShowRemovedDefinitions(before);
    FillVoltageBranches(std::max(ChosenVoltageBranch(), 1));
    EntryMayHaveChanged();
}

void MainWindow::ShowRemovedDefinitions(const CircuitDocument& before)
{
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = j; k <= Circuit::MaxLoops; ++k) {
            const int at = MatrixPosition(j, k);
            if (!before.matrix[at] || entry_.matrix[at]) continue;
            ui_.matrixButtons[j][k]->setText(DefaultMatrixCaption(j, k));
            ui_.matrixButtons[k][j]->setText(DefaultMatrixCaption(k, j));
            SetMatrixCaptionFace(j, k, {});
        }
    for (int b = 1; b <= entry_.branches; ++b)
        if (!entry_.currents[b - 1]) ShowCurrentDefinition(b, {});
}

bool MainWindow::HoldsEntry() const
{
    CircuitDocument nothingEntered = EmptyDocument(entry_.loops, entry_.branches);
    nothingEntered.display = StartDisplayUnits(entry_.branches);
    return entry_ != nothingEntered;
}

void MainWindow::OnLanguageChosen(Language language)
{
    RememberLanguage(language);
    UseLanguage(language);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) ShowInLanguage();
    QWidget::changeEvent(event);
}

// The captions given once follow the language by themselves
// (platform/shown_text.h); these are made from what the window holds.
void MainWindow::ShowInLanguage()
{
    ShowLanguageChosen();
    UpdateCaption();
    netlistPlace_.SetFallback(NetlistFallback());
    Selector* voltage = ui_.voltageBranch;
    const bool typed =
        voltage->currentIndex() >= 0 && voltage->currentText() != voltage->itemText(voltage->currentIndex());
    const QString shown = voltage->currentText();
    for (int i = 0; i < voltage->count(); ++i) voltage->setItemText(i, VoltageItem(i + 1));
    if (typed) voltage->setEditText(shown);
    for (int j = 1; j <= Circuit::MaxLoops; ++j)
        for (int k = 1; k <= Circuit::MaxLoops; ++k)
            ui_.matrixButtons[j][k]->setText(SignsInLanguage(ui_.matrixButtons[j][k]->text()));
    for (int b = 1; b <= entry_.branches; ++b)
        ShowCurrentDefinition(b, SignsInLanguage(ui_.currentDefinition[b]->text()));
    MarkMatrixDisagreements();
}

void MainWindow::ShowLanguageChosen()
{
    languageActions_[static_cast<size_t>(LanguageInUse())]->setChecked(true);
}

void MainWindow::OnPageChosen()
{
    if (ui_.pageTabs->Current() != 1) return;
    // Curves drawn before a change of the circuit are shown, marked as out of
    // date.
    if (!results_.valid && !graph_->HasDrawnCircuit()) {
        // The refusal comes once the tab change has returned, so that what
        // drove the tab strip, a screen reader among others, is not held up
        // by the box.
        QMetaObject::invokeMethod(
            this,
            [this] {
                ShowMessage(Tr(texts::kEnterCircuitFirst), MessageIcon::Error, this);
                graph_->OnReturn();
            },
            Qt::QueuedConnection);
        return;
    }
    // Every command of the graph page calculates with E.
    ShowUsedValue(ui_.emfField, entry_.emf.text);
}
