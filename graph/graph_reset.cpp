#include "graph/graph_reset.h"

#include "graph/graph_state.h"
#include "graph/position_steps.h"

void ResetGraphState(GraphState& g)
{
    g.HGridOrg = 0;
    g.HDecades = 4;
    g.MagGridOrg = 0;
    g.MagDecades = 6;
    g.PhGridOrg = 0;
    g.IPosIdx = 6;
    g.VPosIdx = 6;
    g.IAxMin = IVAxMinOfStep(g.IPosIdx);
    g.VAxMin = IVAxMinOfStep(g.VPosIdx);
    g.PhDivs = 6;
    g.HPosIdx = 5;
    g.SwpStart = SwpStartOfStep(g.HPosIdx);
    g.ZPosIdx = 3;
    g.ZAxMin = ZAxMinOfStep(g.ZPosIdx);
    g.PhPosIdx = 10;
    g.PhAxMin = PhAxMinOfStep(g.PhPosIdx);
    g.KeptOn = 0;
}
