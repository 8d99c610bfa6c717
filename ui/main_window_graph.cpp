// What the graph page asks of the main window: the results of a valid
// calculation, the branches, the frequency-characteristics command, the
// return to the calculation page and the print preview.

#include <QDate>
#include <QPushButton>

#include "graph/graph_page.h"
#include "main_window.h"
#include "print/graph_page_host.h"
#include "print/preview_window.h"
#include "report_drawing.h"
#include "tab_control.h"

BranchChecks MainWindow::BranchesWithCurrents() const
{
    BranchChecks defined{};
    for (int b = 1; b <= entry_.branches; ++b) defined[b] = entry_.currents[b - 1].has_value();
    return defined;
}

void MainWindow::PressFrequencyCommand() { OnShowFrequencyCharacteristics(); }

void MainWindow::PressReturn()
{
    ui_.pageTabs->SetCurrent(0);
    OnCalculate();
}

// The page and its exports draw one sweep, made as the graph page makes its
// own, on a copy of the circuit the graph page draws; the circuit's page a
// copy of the circuit as entered.
void MainWindow::OpenPrintPreview()
{
    if (!preview_) {
        pageHost_ = std::make_unique<GraphPageHost>(*graph_, static_cast<GraphHost&>(*this));
        preview_ = std::make_unique<PreviewWindow>(g_, *pageHost_, this);
    }
    SweepResult outcome;
    PlottedSweep sweep = graph_->SweepNow(outcome);
    preview_->SetSweep(std::move(sweep), std::move(outcome));
    preview_->SetReport({entry_, filePath_, QDate::currentDate(), ReportDrawingOf(entry_.drawing)});
    preview_->ShowModal();
}
