#include "graph/branch_colour.h"

#include "sweep/graph_state.h"
#include "sweep/plotted_curve.h"

QColor BranchColour(int32_t packed)
{
    const auto red = static_cast<int16_t>(packed & 0xFF);
    const auto green = static_cast<int16_t>((packed & 0xFF00) / 256);
    const auto blue = static_cast<int16_t>((packed & 0xFF0000) / 65536);
    return QColor(red, green, blue);
}

void FillBranchColours(GraphState& g)
{
    for (size_t b = 1; b <= kBranchColours.size(); ++b) g.branchColours[b] = PackRgb(kBranchColours[b - 1]);
}

QColor FamilyColour(int m)
{
    const Rgb& c = kFamilyColours[static_cast<size_t>(m) % kFamilyColours.size()];
    return QColor(c.r, c.g, c.b);
}

QColor CurveColour(const PlottedCurve& curve, const GraphState& g)
{
    if (curve.member >= 0) return FamilyColour(curve.member);
    if (curve.quantity == PlottedQuantity::InputImpedance) return kLiveCurveColour;
    return BranchColour(g.branchColours[curve.branch]);
}
