#pragma once
// What the graph page needs from the main window that holds it.

#include <QString>

#include "sweep/sweep_data.h"

class GraphHost {
public:
    // Whether the frequency-characteristics command is enabled, the sign that
    // a valid calculation exists.
    virtual bool FrequencyCommandEnabled() const = 0;
    // The branches of the circuit with a branch-current definition; the
    // others have no current or voltage curve.
    virtual BranchChecks BranchesWithCurrents() const = 0;
    // Presses the frequency-characteristics command: shows the graph tab and
    // redraws through GraphPage::RedrawCurrentRange.
    virtual void PressFrequencyCommand() = 0;
    // The main window's part of the return command: shows the calculation tab
    // and presses the calculation command.
    virtual void PressReturn() = 0;
    // Opens the print preview modally.
    virtual void OpenPrintPreview() = 0;
    // The file the circuit was opened from or saved to; empty for none. The
    // exports are named after it.
    virtual QString CircuitFile() const { return {}; }

protected:
    ~GraphHost() = default;
};
