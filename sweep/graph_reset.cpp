#include "sweep/graph_reset.h"

#include "sweep/graph_state.h"

// The start values are those a GraphState is made with.
void ResetGraphState(GraphState& g)
{
    const GraphState start;
    g.frequencySpan = start.frequencySpan;
    g.levelSpan = start.levelSpan;
    g.frequencyGridOrigin = start.frequencyGridOrigin;
    g.frequencyDecades = start.frequencyDecades;
    g.magnitudeGridOrigin = start.magnitudeGridOrigin;
    g.magnitudeDecades = start.magnitudeDecades;
    g.phaseGridOrigin = start.phaseGridOrigin;
    g.phaseDivisions = start.phaseDivisions;
    g.currentPosition = start.currentPosition;
    g.currentAxisMin = start.currentAxisMin;
    g.voltagePosition = start.voltagePosition;
    g.voltageAxisMin = start.voltageAxisMin;
    g.frequencyPosition = start.frequencyPosition;
    g.sweepStart = start.sweepStart;
    g.impedancePosition = start.impedancePosition;
    g.impedanceAxisMin = start.impedanceAxisMin;
    g.phasePosition = start.phasePosition;
    g.phaseAxisMin = start.phaseAxisMin;
    g.keptCurve.on = start.keptCurve.on;
}
