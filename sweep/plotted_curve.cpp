#include "sweep/plotted_curve.h"

#include "calc/calc_error.h"
#include "calc/loop_analysis.h"

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
    LoopAnalysis analysis(circuit);
    try {
        if (!analysis.At(frequency)) return std::nullopt;
        CurvePoint point{frequency, {}, 0, 0};
        switch (curve.quantity) {
        case PlottedQuantity::BranchCurrent:
            point.value = analysis.BranchCurrent(curve.branch);
            point.magnitude = analysis.BranchCurrentMagnitude(curve.branch);
            break;
        case PlottedQuantity::BranchVoltage:
            point.value = analysis.BranchVoltage(curve.branch);
            point.magnitude = analysis.BranchVoltageMagnitude(curve.branch);
            break;
        default:
            point.value = analysis.InputImpedance();
            point.magnitude = Magnitude(point.value);
            break;
        }
        point.phase = ExactPhase(point.value);
        return point;
    } catch (const CalcError&) {
        return std::nullopt;
    }
}
