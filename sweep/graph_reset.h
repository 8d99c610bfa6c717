#pragma once
struct GraphState;

// Spans, grids, bounds, position steps and the kept-curve flag back to the
// values a GraphState starts with: no kept curve, the bounds and spans of the
// first graph. The plotted quantity, the recording and the colours are left as
// they are.
void ResetGraphState(GraphState& g);
