#pragma once
// The circuit's drawing on the printed report, painted as the diagram window
// paints it.

#include <optional>

#include "document/circuit_document.h"
#include "print/circuit_report.h"

// The drawing's segments with their names and arrows and its mesh
// currents, in the smallest part of the grid that holds them; nothing to
// paint for a circuit never drawn or drawn empty.
ReportDrawing ReportDrawingOf(const std::optional<DrawnCircuit>& drawn);
