#pragma once
// What the graph page needs from the main window that holds it.

#include <QString>

#include "document/page_calculation.h"
#include "sweep/sweep_data.h"

class GraphHost {
public:
    // The calculation page's results while they belong to the circuit on
    // screen, the sign that a valid calculation exists; nullptr otherwise.
    virtual const CalculatedPage* Results() const = 0;
    // The branch count of the circuit on screen, and its branches with a
    // branch-current definition; the others have no current or voltage curve.
    virtual int CircuitBranches() const = 0;
    virtual BranchChecks BranchesWithCurrents() const = 0;
    // Presses the frequency-characteristics command: shows the graph tab and
    // redraws through GraphPage::RedrawCurrentRange.
    virtual void PressFrequencyCommand() = 0;
    // The main window's part of the return command: shows the calculation tab
    // and presses the calculation command.
    virtual void PressReturn() = 0;
    // Opens the print preview modally.
    virtual void OpenPrintPreview() = 0;
    // Opens the window that tunes and steps an element.
    virtual void OpenElementTuning() = 0;
    // The file the circuit was opened from or saved to; empty for none. The
    // exports are named after it.
    virtual QString CircuitFile() const { return {}; }

protected:
    ~GraphHost() = default;
};
