#pragma once
// What the printed page needs of the main window, and nothing more.

class PageHost {
public:
    virtual ~PageHost() = default;

    // Branch check box Check1(b) of the graph page, b = 1 … 15.
    virtual bool BranchChecked(int b) const = 0;
    // Whether "周波数特性" is enabled, the sign that a valid calculation exists.
    virtual bool FrequencyCommandEnabled() const = 0;
    // Presses the graph page's return button RetCmd.
    virtual void PressRetCmd() = 0;
};
