#pragma once
// The calculation page as text: one tab-separated line per quantity, Z1 …,
// I01 …, V01 …, Zi.

#include <QString>
#include <optional>

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
