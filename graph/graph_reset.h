#pragma once
struct GraphState;

// Spans, bounds, position steps and the kept-curve flag back to their start
// values (100 Hz, 1 Ω, 1 mA, 1 mV, −90°, 4 frequency and 6 level decades, no
// kept curve). The span selectors, the plotted quantity, the recording and
// the colours are left as they are.
void ResetGraphState(GraphState& g);
