#pragma once
// The grids and scale labels of the graphs. The frequency routines set the
// frequency span and draw the vertical grid with the frequency labels; the
// level routines set the level span and phase divisions, derive the scale
// tops and draw the horizontal grids with the level and phase labels. Both
// draw in decade coordinates and over what the boxes already show.

#include <QColor>
#include <QString>

#include "graph/graph_boxes.h"
#include "sweep/graph_state.h"

inline const QColor kGridColour{255, 255, 0};

void DrawFrequencyAxis(GraphState& g, GraphBoxes& boxes, FrequencySpan span);
void DrawLevelAxis(GraphState& g, GraphBoxes& boxes, LevelSpan span);
// The scale labels alone printed again, in the language now in use, for the
// spans and scales the state holds.
void RelabelScales(GraphState& g, GraphBoxes& boxes);

// The label of frequency f in Hz: " 100", " 1K", " 2.5M", " .01".
QString FrequencyLabel(double f);

// The bottom value of the magnitude scale of the plotted quantity.
double LevelBottom(const GraphState& g);
