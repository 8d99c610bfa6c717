// What the graph page asks of the main window: the sign of a valid
// calculation, the frequency-characteristics command, the return to the
// calculation page and the print preview.

#include <QPushButton>

#include "form1.h"
#include "graph/graph_page.h"
#include "print/graph_page_host.h"
#include "print/preview_window.h"
#include "tab_control.h"

bool Form1::FrequencyCommandEnabled() const { return ui_.Command1[1]->isEnabled(); }

void Form1::PressFrequencyCommand() { Command1Click(1); }

void Form1::PressReturn()
{
    ui_.SSTab1->SetCurrent(0);
    Command1Click(0);
}

void Form1::OpenPrintPreview()
{
    if (!preview_) {
        pageHost_ = std::make_unique<GraphPageHost>(*graph_, static_cast<GraphHost&>(*this));
        preview_ = std::make_unique<PreviewWindow>(c_, g_, *pageHost_, this);
    }
    preview_->ShowModal();
}
