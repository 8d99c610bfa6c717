#pragma once
// Draws the circuit's page of the report on PrintState::surface, inside the
// margins: the title with the file and the date, the circuit's drawing when
// it has one, E and f, the element values with the branch currents beside
// the matrix, and the calculation page's results at f. Laid out at the
// page's text size, and as a whole smaller where that does not fit, so that
// 15 branches and 5 loops fit on any sheet the margins leave.

#include "print/circuit_report.h"
#include "print/print_state.h"

class DrawSurface;

// `picture` is the preview picture, which receives the dotted margin
// outline as on the graphs' page.
void DrawReportPage(const PrintState& prt, DrawSurface& picture, const CircuitReport& report);
