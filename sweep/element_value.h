#pragma once
// One element of one branch, its R, L or C, and values for it: what tuning
// and stepping vary on a copy of the circuit, and how the values are named
// on the graphs, the page and in tables.

#include <QString>
#include <array>
#include <vector>

#include "calc/circuit.h"

enum class ElementKind { Resistance, Inductance, Capacitance };
inline constexpr std::array<ElementKind, 3> kElementKinds = {ElementKind::Resistance, ElementKind::Inductance,
                                                             ElementKind::Capacitance};

struct ElementSlot {
    int branch = 1;
    ElementKind kind = ElementKind::Resistance;
    bool operator==(const ElementSlot&) const = default;
};

struct ElementValue {
    ElementSlot slot;
    double value = 0;  // Ω, H or F
};

// What the graphs draw instead of the circuit itself: the element at one
// tuned value, or stepped through a list of values, one curve each.
struct ElementVariation {
    ElementSlot slot;
    std::vector<double> values;
    bool stepped = false;
};

// The element's branch must be one of the circuit's.
double ElementValueIn(const Circuit& c, const ElementSlot& slot);
Circuit WithElementValue(Circuit c, const ElementValue& value);

// "R", "L", "C".
QString ElementLetter(ElementKind kind);
// "Z3: C".
QString ElementName(const ElementSlot& slot);
// "2.2 μF", "4.7 kΩ", "0 H".
QString ValueWithUnit(double value, ElementKind kind);
// "Z3: C = 2.2 μF".
QString ElementValueText(const ElementValue& value);
// "2.2u", "4.7k", "100": a value as a list of step values holds it.
QString PrefixedValueText(double value);
// "Z3.C=2.2u": a stepped value as it names its columns.
QString StepColumnName(const ElementValue& value);
