#pragma once
// A plotted sweep as a table of text, the form of the command line's sweep
// output: one header line with the names and units, then one row per swept
// frequency — the frequency in Hz, then the magnitude and the plotted phase
// of every plotted curve — each number in its shortest exact form, empty
// cells where the graph leaves a point out. A kept curve adds its own
// frequency, magnitude and phase as three more columns, row j holding its
// point j; it was recorded in 32 bits, and is written so. The curves of a
// stepped family are named after their value: "Z3.C=2.2u |Zi|[ohm]".

#include <QChar>
#include <QString>

#include "sweep/graph_state.h"
#include "sweep/plotted_sweep.h"

inline constexpr QChar kCsvSeparator = QLatin1Char(',');
inline constexpr QChar kTabSeparator = QLatin1Char('\t');

// `kept` is written when given and on.
QString SweepTableText(const PlottedSweep& sweep, const KeptCurve* kept, QChar separator);
