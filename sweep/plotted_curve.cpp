#include "sweep/plotted_curve.h"

#include "calc/analysis.h"
#include "calc/calc_error.h"
#include "calc/complex.h"
#include "sweep/sweep_data.h"

QString CurveName(const PlottedCurve& curve)
{
    switch (curve.quantity) {
    case PlottedQuantity::BranchCurrent:
        return BranchCaption(QLatin1Char('I'), curve.branch);
    case PlottedQuantity::BranchVoltage:
        return BranchCaption(QLatin1Char('V'), curve.branch);
    default:
        return QStringLiteral("Zi");
    }
}

std::optional<CurvePoint> AnalyseCurveAt(const Circuit& circuit, const PlottedCurve& curve, double frequency)
{
    Circuit c = circuit;
    try {
        SetSweepSource(c);
        c.Frq = frequency;
        if (calciz(c) == AnalysisOutcome::Singular) return std::nullopt;
        CurvePoint point{frequency, {}, 0, 0};
        switch (curve.quantity) {
        case PlottedQuantity::BranchCurrent:
            point.value = c.BrCur[curve.branch];
            point.magnitude = c.BrCurAbs[curve.branch];
            break;
        case PlottedQuantity::BranchVoltage:
            point.value = c.BrVol[curve.branch];
            point.magnitude = c.BrVolAbs[curve.branch];
            break;
        default:
            point.value = c.ZReg;
            point.magnitude = CpxAbs(c.ZReg);
            break;
        }
        point.phase = ExactPhase(point.value);
        return point;
    } catch (const CalcError&) {
        return std::nullopt;
    }
}
