#include "sweep/curve_searches.h"

#include <algorithm>
#include <cmath>

#include "calc/curve_search.h"
#include "sweep/sweep_texts.h"

namespace {

enum class Reading { Magnitude, Phase };

// The phase in (−180°, 180°] of a plotted phase, which may have been
// continued below −180°.
double PrincipalPhase(double plotted)
{
    double p = std::fmod(plotted, 360.0);
    if (p > 180) p -= 360;
    if (p <= -180) p += 360;
    return p;
}

CurveSamples Samples(const PlottedSweep& sweep, const PlottedCurve& curve, Reading reading)
{
    CurveSamples s;
    const std::vector<double>& f = sweep.frequencies.frequency;
    for (size_t k = 0; k < f.size(); ++k) {
        s.x.push_back(std::log10(f[k]));
        const std::optional<SweepValue> v = ValueAt(sweep, curve, k);
        if (!v)
            s.value.emplace_back();
        else
            s.value.emplace_back(reading == Reading::Magnitude ? v->magnitude : PrincipalPhase(v->phase));
    }
    return s;
}

double FrequencyOf(double x) { return std::pow(10.0, x); }

std::vector<double> FrequenciesOf(const std::vector<double>& xs)
{
    std::vector<double> frequencies;
    for (double x : xs) frequencies.push_back(FrequencyOf(x));
    return frequencies;
}

CurveFunction Analysed(const Circuit& c, const PlottedCurve& curve, Reading reading)
{
    return [&c, curve, reading](const std::vector<double>& xs) {
        std::vector<std::optional<double>> values;
        for (const std::optional<CurvePoint>& p : AnalyseCurveAt(c, curve, FrequenciesOf(xs))) {
            if (!p)
                values.emplace_back();
            else
                values.emplace_back(reading == Reading::Magnitude ? p->magnitude : p->phase);
        }
        return values;
    };
}

// The analysis at each x found, in order.
std::vector<CurvePoint> PointsAt(const Circuit& c, const PlottedCurve& curve, std::vector<double> xs)
{
    std::sort(xs.begin(), xs.end());
    std::vector<CurvePoint> points;
    for (const std::optional<CurvePoint>& p : AnalyseCurveAt(c, curve, FrequenciesOf(xs)))
        if (p) points.push_back(*p);
    return points;
}

// How far an extreme stands out from the ends of the span, in decades: 0 at an end.
double Prominence(const FoundExtreme& e, const CurveSamples& s, Extremum kind)
{
    if (e.atSpanEnd) return 0;
    std::optional<double> first, last;
    for (const auto& v : s.value)
        if (v) (first ? last : first) = v;
    const double edge = kind == Extremum::Largest ? std::max(first.value_or(0), last.value_or(0))
                                                  : std::min(first.value_or(0), last.value_or(0));
    if (edge <= 0 || e.point.value <= 0) return 0;
    return std::abs(std::log10(e.point.value / edge));
}

// A dip where the smallest magnitude stands out more than the largest.
SearchFinding HalfPowerPoints(const Circuit& c, const PlottedCurve& curve, const CurveSamples& s,
                              const CurveFunction& f)
{
    const std::optional<FoundExtreme> peak = FindExtreme(s, f, Extremum::Largest);
    const std::optional<FoundExtreme> dip = FindExtreme(s, f, Extremum::Smallest);
    if (!peak || !dip) return {};
    const bool isDip = Prominence(*dip, s, Extremum::Smallest) > Prominence(*peak, s, Extremum::Largest);
    const FoundPoint& from = isDip ? dip->point : peak->point;
    const double level = isDip ? from.value * std::sqrt(2.0) : from.value / std::sqrt(2.0);
    const LevelCrossings crossings = FindLevelCrossings(s, f, from, level);
    std::vector<double> xs;
    for (const auto& crossing : {crossings.below, crossings.above})
        if (crossing) xs.push_back(crossing->x);
    return {PointsAt(c, curve, xs), false, isDip ? HalfPowerOf::Dip : HalfPowerOf::Peak};
}

SearchFinding PhaseZeros(const Circuit& c, const PlottedCurve& curve, const PlottedSweep& sweep,
                         std::optional<double> nearFrequency)
{
    const std::vector<FoundPoint> zeros =
        FindPhaseZeros(Samples(sweep, curve, Reading::Phase), Analysed(c, curve, Reading::Phase));
    if (zeros.empty()) return {};
    if (!nearFrequency) {
        std::vector<double> xs;
        for (const FoundPoint& zero : zeros) xs.push_back(zero.x);
        return {PointsAt(c, curve, xs)};
    }
    const double near = std::log10(*nearFrequency);
    const auto nearest = std::min_element(zeros.begin(), zeros.end(), [near](const FoundPoint& a, const FoundPoint& b) {
        return std::abs(a.x - near) < std::abs(b.x - near);
    });
    return {PointsAt(c, curve, {nearest->x})};
}

}  // namespace

SearchFinding SearchCurve(const Circuit& c, const PlottedSweep& sweep, const PlottedCurve& curve, CurveSearch search,
                          std::optional<double> nearFrequency)
{
    if (search == CurveSearch::PhaseZero) return PhaseZeros(c, curve, sweep, nearFrequency);
    const CurveSamples s = Samples(sweep, curve, Reading::Magnitude);
    const CurveFunction f = Analysed(c, curve, Reading::Magnitude);
    if (search == CurveSearch::HalfPower) return HalfPowerPoints(c, curve, s, f);
    const std::optional<FoundExtreme> e =
        FindExtreme(s, f, search == CurveSearch::Maximum ? Extremum::Largest : Extremum::Smallest);
    if (!e) return {};
    return {PointsAt(c, curve, {e->point.x}), e->atSpanEnd};
}

const char* SearchName(CurveSearch search)
{
    switch (search) {
    case CurveSearch::Maximum:
        return graph_text::kMenuMaximum;
    case CurveSearch::Minimum:
        return graph_text::kMenuMinimum;
    case CurveSearch::HalfPower:
        return graph_text::kMenuHalfPower;
    default:
        return graph_text::kMenuPhaseZero;
    }
}
