#pragma once
// The calculation page as text: one tab-separated line per quantity, Z1 …,
// I01 …, V01 …, Zi; and the same results as the page shows them, by branch,
// for a printed report.

#include <QString>
#include <optional>
#include <vector>

#include "document/circuit_document.h"

enum class ResultsForm {
    Shown,  // the texts and units the window shows, in the document's display units
    // Base units (Ω, A, V, degrees), each value the shortest text that reads
    // back to it; phases are the analysis' own (ExactPhase), not the shown ones.
    Full,
};

struct ResultsText {
    QString lines;                   // each ending in a newline
    std::optional<QString> failure;  // why the circuit cannot be calculated
};

ResultsText ResultsOf(const CircuitDocument& document, ResultsForm form);

// One result as the calculation page shows it: its two numbers (real and
// imaginary part, or magnitude and phase in degrees) and its unit.
struct ShownValue {
    QString first, second, unit;
};

struct ShownResults {
    // Branch b's at [b − 1]; a branch without a branch-current definition
    // has no current and no voltage, as the page shows none.
    std::vector<ShownValue> impedance;
    std::vector<std::optional<ShownValue>> current, voltage;
    ShownValue inputImpedance;
};

struct ShownCalculation {
    std::optional<ShownResults> results;
    std::optional<QString> failure;  // why the circuit cannot be calculated
};

// The results of the document's circuit at its frequency, in its display
// units, with the same numbers as ResultsOf's shown form.
ShownCalculation ShownResultsOf(const CircuitDocument& document);
