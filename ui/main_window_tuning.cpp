// The tuning window's part of the main window: opening it beside the graph
// page, and 確定, which stores the value as the element dialog does.

#include "graph/graph_page.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "document/language.h"
#include "tab_control.h"
#include "texts.h"

// The window tunes the circuit the graphs draw: they draw it first when a
// valid calculation exists.
void MainWindow::OpenElementTuning()
{
    if (!graph_->HasDrawnCircuit()) {
        if (results_.Valid() == nullptr) {
            ShowMessage(Tr(texts::kEnterCircuitFirst), MessageIcon::Error, this);
            return;
        }
        OnShowFrequencyCharacteristics();
        if (!graph_->HasDrawnCircuit()) return;
    }
    ui_.pageTabs->SetCurrent(1);
    if (tuning_ == nullptr) tuning_ = new ElementTuningWindow(*graph_, *this, this);
    tuning_->ShowBeside(*this);
}

ElementEntry MainWindow::EnteredElements(int b) const { return entry_.elements[b - 1].value_or(ElementEntry{}); }

// The graphs then show the circuit as stored, calculated anew.
bool MainWindow::StoreTunedElement(int b, ElementKind kind, const ValueEntry& value)
{
    if (b < 1 || b > entry_.branches) return false;
    ShowUsedValue(ui_.frequencyField, entry_.frequency.text);
    ClearDefinitionResults();
    ElementEntry entry = EnteredElements(b);
    entry.values[static_cast<size_t>(kind)] = value;
    StoreElement(b, entry);
    EntryMayHaveChanged();
    if (entry_.elements[b - 1] != entry) return false;
    graph_->EndVariation();
    OnCalculate();
    if (results_.Valid() != nullptr) OnShowFrequencyCharacteristics();
    return true;
}
