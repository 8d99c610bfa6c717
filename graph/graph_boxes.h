#pragma once
// The five picture boxes of the graphs, as drawing surfaces: the magnitude and
// phase graphs, the frequency label strip below them and the level label
// strips beside them.

#include "platform/draw_surface.h"

struct GraphBoxes {
    DrawSurface& impGrf0;  // magnitude graph
    DrawSurface& impGrf1;  // phase graph
    DrawSurface& frqScl;
    DrawSurface& impScl0;
    DrawSurface& impScl1;
};

inline void ClearGraphBoxes(GraphBoxes& b)
{
    b.impGrf0.Cls();
    b.impGrf1.Cls();
    b.frqScl.Cls();
    b.impScl0.Cls();
    b.impScl1.Cls();
}
