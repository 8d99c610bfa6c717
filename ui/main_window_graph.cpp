// What the graph page asks of the main window: the sign of a valid
// calculation, the frequency-characteristics command, the return to the
// calculation page and the print preview.

#include <QPushButton>

#include "graph/graph_page.h"
#include "main_window.h"
#include "print/graph_page_host.h"
#include "print/preview_window.h"
#include "tab_control.h"

bool MainWindow::FrequencyCommandEnabled() const { return calculationValid_; }

BranchChecks MainWindow::BranchesWithCurrents() const
{
    BranchChecks defined{};
    for (int b = 1; b <= c_.BrCnt; ++b) defined[b] = entry_.currents[b - 1].has_value();
    return defined;
}

void MainWindow::PressFrequencyCommand() { OnShowFrequencyCharacteristics(); }

void MainWindow::PressReturn()
{
    ui_.pageTabs->SetCurrent(0);
    OnCalculate();
}

void MainWindow::OpenPrintPreview()
{
    printedCircuit_ = graph_->DrawnCircuit();
    if (!preview_) {
        pageHost_ = std::make_unique<GraphPageHost>(*graph_, static_cast<GraphHost&>(*this));
        preview_ = std::make_unique<PreviewWindow>(printedCircuit_, g_, *pageHost_, this);
    }
    preview_->ShowModal();
}
