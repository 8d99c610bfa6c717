#pragma once
// The texts of the cursor readout, from the mouse position in the curve
// coordinates of a graph: x = log10 of the frequency; on the magnitude graph
// y = log10 of the value, on the phase graph y in degrees. Values are rounded
// to one decimal.

#include <QString>

#include "sweep/graph_state.h"

// " 3.2KHz" for x = 3.5.
QString FrequencyReadout(double x);
// " 100Ω" for y = 2 with the input impedance plotted.
QString MagnitudeReadout(PlottedQuantity quantity, double y);
// "-45.3°" for y = −45.26.
QString PhaseReadout(double y);
