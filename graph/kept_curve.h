#pragma once
// The kept input-impedance curve, drawn in white from its log10 recording in
// the curve coordinates the last sweep left on the graphs. Its magnitude
// curve has a point at every recorded frequency, a zero impedance at the
// bottom edge.

#include <QColor>

#include "sweep/graph_state.h"
#include "platform/draw_surface.h"

inline const QColor kKeptCurveColour{255, 255, 255};

void DrawKeptCurve(const GraphState& g, DrawSurface& magnitudeGraph, DrawSurface& phaseGraph);
