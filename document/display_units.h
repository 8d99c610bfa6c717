#pragma once
// The units the results are shown in: the texts of the display unit
// selectors, and the multipliers that turn a base-unit result into the shown
// number.

#include <QString>
#include <vector>

// Each list has one entry per branch, branch 1 first.
struct DisplayUnits {
    QString inputImpedance;
    std::vector<QString> impedance, current, voltage;
    bool operator==(const DisplayUnits&) const = default;
};

// The units the program starts with: Ω, ｍＡ and Ｖ.
DisplayUnits StartDisplayUnits(int branches);

// The multipliers of the shown values; b is the branch, 1 … . A unit text
// that names no display unit raises std::bad_optional_access: the window and
// the file reader only ever store unit texts of the lists.
double InputImpedanceMultiplier(const DisplayUnits& units);
double ImpedanceMultiplier(const DisplayUnits& units, int b);
double CurrentMultiplier(const DisplayUnits& units, int b);
double VoltageMultiplier(const DisplayUnits& units, int b);
