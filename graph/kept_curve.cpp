#include "graph/kept_curve.h"

void DrawKeptCurve(const GraphState& g, DrawSurface& impGrf0, DrawSurface& impGrf1)
{
    for (int16_t j = 1; j <= g.KeptCnt && j < GraphState::KeptSize; ++j) {
        if (j == 1) {
            impGrf0.PSet(g.KeptLgF[j], g.KeptLgMag[j], kKeptCurveColour);
            impGrf1.PSet(g.KeptLgF[j], g.KeptPh[j], kKeptCurveColour);
        } else {
            impGrf0.LineTo(g.KeptLgF[j], g.KeptLgMag[j], kKeptCurveColour);
            impGrf1.LineTo(g.KeptLgF[j], g.KeptPh[j], kKeptCurveColour);
        }
    }
}
