#pragma once
// The circuit of a drawing as an ngspice netlist that `ngspice -b FILE` runs
// as it is: an AC analysis over four decades, 125 points a decade, printing
// the magnitude (A) and phase (degrees) of every branch current in twelve
// digits.
//
// Node 0 is the source's `from` end, the other nodes are n1, n2 … in the
// reading order of their first points. Branch b runs from its `from` end
// through the 0 V source VB<b>, whose current is the branch current, and its
// R<b>, L<b> and C<b> in series to its `to` end; elements that are 0 are left
// out. The source VE has the magnitude E and drives current from its `from`
// end to its `to` end.
//
// ngspice's ω is exactly 2π f, the calculation's f × 6.283184: the results
// differ in about the seventh digit.

#include <string>

#include "calc/circuit.h"
#include "loop_equations.h"

// sweepStart is the graph's first frequency in Hz. A circuit whose branch
// count is not the drawing's, or whose arrays do not match its counts, throws
// std::invalid_argument.
std::string SpiceNetlist(const DiagramLoops& loops, const Circuit& circuit, double sweepStart);
