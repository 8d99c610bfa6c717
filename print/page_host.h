#pragma once
// What the printed page's window needs of the main window, and nothing more.

#include <QString>

class PageHost {
public:
    virtual ~PageHost() = default;

    // Presses the graph page's return button: the page could not be drawn
    // before a valid calculation.
    virtual void PressReturn() = 0;
    // The file the circuit was opened from or saved to; empty for none.
    virtual QString CircuitFile() const { return {}; }
};
