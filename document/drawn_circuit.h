#pragma once
// A drawing with what was entered for each of its branches. The entries are
// kept by branch number and travel with their branches through the edits
// that change the numbers. Elements is the type of one branch's entry; the
// drawing does not look into it.

#include <algorithm>
#include <optional>
#include <vector>

#include "drawing_edits.h"

template <class Elements>
struct DrawnCircuitOf {
    Diagram diagram;
    // Branch b's entry at [b − 1], one for each number up to the highest;
    // nothing where none was entered.
    std::vector<std::optional<Elements>> elements;

    friend bool operator==(const DrawnCircuitOf&, const DrawnCircuitOf&) = default;
};

// One entry for each number up to the highest branch number: missing ones
// are added empty, those beyond belong to no branch and are left out.
template <class Elements>
DrawnCircuitOf<Elements> WithEntryPerNumber(DrawnCircuitOf<Elements> circuit)
{
    circuit.elements.resize(static_cast<size_t>(NextBranchNumber(circuit.diagram) - 1));
    return circuit;
}

// The drawing renumbered, each entry moved to its branch's new number.
template <class Elements>
DrawnCircuitOf<Elements> Renumbered(const DrawnCircuitOf<Elements>& circuit, NumberedDrawing renumbered)
{
    DrawnCircuitOf<Elements> result{std::move(renumbered.diagram), {}};
    const int entries = static_cast<int>(circuit.elements.size());
    for (int before : renumbered.previous)
        result.elements.push_back(before >= 1 && before <= entries ? circuit.elements[before - 1] : std::nullopt);
    return result;
}

// A segment added; a branch gets the next number and no entry.
template <class Elements>
DrawnCircuitOf<Elements> WithSegment(DrawnCircuitOf<Elements> circuit, Segment segment)
{
    if (segment.kind == SegmentKind::Branch) {
        segment.number = NextBranchNumber(circuit.diagram);
        circuit.elements.resize(static_cast<size_t>(segment.number));
    } else {
        segment.number = 0;
    }
    circuit.diagram.segments.push_back(segment);
    return circuit;
}
