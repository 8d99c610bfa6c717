#include "sweep/plotted_curve.h"

#include "calc/analysis_lanes.h"
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

namespace {

// The curve's point from an analysis at the frequency: one of LoopAnalysis
// or FrequencyAnalyses, whose results are read alike.
template <class Results, class... At>
CurvePoint PointOf(const PlottedCurve& curve, double frequency, const Results& r, At... at)
{
    CurvePoint point{frequency, {}, 0, 0};
    switch (curve.quantity) {
    case PlottedQuantity::BranchCurrent:
        point.value = r.BranchCurrent(at..., curve.branch);
        point.magnitude = r.BranchCurrentMagnitude(at..., curve.branch);
        break;
    case PlottedQuantity::BranchVoltage:
        point.value = r.BranchVoltage(at..., curve.branch);
        point.magnitude = r.BranchVoltageMagnitude(at..., curve.branch);
        break;
    default:
        point.value = r.InputImpedance(at...);
        point.magnitude = Magnitude(point.value);
        break;
    }
    point.phase = ExactPhase(point.value);
    return point;
}

}  // namespace

std::optional<CurvePoint> AnalyseCurveAt(const Circuit& circuit, const PlottedCurve& curve, double frequency)
{
    LoopAnalysis analysis(circuit);
    try {
        if (!analysis.At(frequency)) return std::nullopt;
        return PointOf(curve, frequency, analysis);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

std::vector<std::optional<CurvePoint>> AnalyseCurveAt(const Circuit& circuit, const PlottedCurve& curve,
                                                      const std::vector<double>& frequencies)
{
    const FrequencyAnalyses analyses = AnalyseFrequencies(circuit, frequencies);
    std::vector<std::optional<CurvePoint>> points;
    for (size_t i = 0; i < frequencies.size(); ++i) {
        try {
            if (analyses.Outcome(i) == AnalysisOutcome::Solved)
                points.push_back(PointOf(curve, frequencies[i], analyses, i));
            else
                points.emplace_back();
        } catch (const CalcError&) {
            points.emplace_back();
        }
    }
    return points;
}
