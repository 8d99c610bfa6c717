#pragma once
// A search of the graphs' menu on one curve of a document's circuit, as
// text: one line per point found, "frequency<TAB>magnitude<TAB>phase" in Hz,
// base units and degrees, each the shortest text that reads back to the
// same double.

#include <QString>
#include <optional>

#include "document/circuit_document.h"
#include "sweep/curve_searches.h"
#include "document/sweep_csv.h"

struct SearchRequest {
    CurveSearch search = CurveSearch::Maximum;
    PlottedCurve curve;
    SweepRange range;
};

struct SearchText {
    QString lines;                   // each ending in a newline
    std::optional<QString> note;     // what the graph adds to its readout: an extreme at the end of the span
    std::optional<QString> failure;  // no sweep, or nothing found in the span
};

// Swept and searched as on the graph page with that one curve plotted;
// every phase zero of the span, where the graph takes the one nearest the
// pointer.
SearchText SearchTextOf(const CircuitDocument& document, const SearchRequest& request);
