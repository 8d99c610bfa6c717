#pragma once
// What the printed page needs of the main window, and nothing more.

#include <QString>

class PageHost {
public:
    virtual ~PageHost() = default;

    // Whether the graph page's box of branch b is ticked, b = 1 … 15.
    virtual bool BranchChecked(int b) const = 0;
    // Whether "周波数特性" is enabled, the sign that a valid calculation exists.
    virtual bool FrequencyCommandEnabled() const = 0;
    // Presses the graph page's return button.
    virtual void PressReturn() = 0;
    // The file the circuit was opened from or saved to; empty for none.
    virtual QString CircuitFile() const { return {}; }
};
