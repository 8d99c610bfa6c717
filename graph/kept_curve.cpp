#include "graph/kept_curve.h"

void DrawKeptCurve(const GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph)
{
    for (int16_t j = 1; j <= g.keptCurve.count && j < KeptCurve::kSize; ++j) {
        if (j == 1) {
            magnitudeGraph.SetPixel(g.keptCurve.logFrequency[j], g.keptCurve.logMagnitude[j], kKeptCurveColour);
            phaseGraph.SetPixel(g.keptCurve.logFrequency[j], g.keptCurve.phase[j], kKeptCurveColour);
        } else {
            magnitudeGraph.LineTo(g.keptCurve.logFrequency[j], g.keptCurve.logMagnitude[j], kKeptCurveColour);
            phaseGraph.LineTo(g.keptCurve.logFrequency[j], g.keptCurve.phase[j], kKeptCurveColour);
        }
    }
}
