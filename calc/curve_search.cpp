#include "curve_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();

// The value to maximise: the curve's, or its negative for a smallest value;
// a point without value loses against every other.
double Score(const std::optional<double>& v, Extremum kind)
{
    if (!v) return kNone;
    return kind == Extremum::Largest ? *v : -*v;
}

// Golden-section search for the largest score on [a, b].
double GoldenSection(const CurveFunction& f, Extremum kind, double a, double b)
{
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = b - r * (b - a), d = a + r * (b - a);
    double sc = Score(f(c), kind), sd = Score(f(d), kind);
    while (b - a > kSearchTolerance) {
        if (sc >= sd) {
            b = d;
            d = c;
            sd = sc;
            c = b - r * (b - a);
            sc = Score(f(c), kind);
        } else {
            a = c;
            c = d;
            sc = sd;
            d = a + r * (b - a);
            sd = Score(f(d), kind);
        }
    }
    return (a + b) / 2;
}

std::optional<size_t> BestSample(const CurveSamples& s, Extremum kind)
{
    std::optional<size_t> best;
    for (size_t k = 0; k < s.value.size(); ++k)
        if (s.value[k] && (!best || Score(s.value[k], kind) > Score(s.value[*best], kind))) best = k;
    return best;
}

int Sign(double v) { return (v > 0) - (v < 0); }

// The first crossing of `level` met walking the samples from `from` in the
// direction `step` (−1 or +1).
std::optional<FoundPoint> CrossingFrom(const CurveSamples& s, const CurveFunction& f, const FoundPoint& from,
                                       double level, int step)
{
    const auto g = [&](double x) -> std::optional<double> {
        const std::optional<double> v = f(x);
        if (!v) return std::nullopt;
        return *v - level;
    };
    FoundPoint previous = from;
    const int side = Sign(from.value - level);
    const auto n = static_cast<long>(s.x.size());
    long k = 0;
    if (step < 0) {
        k = n - 1;
        while (k >= 0 && s.x[k] >= from.x) --k;
    } else {
        while (k < n && s.x[k] <= from.x) ++k;
    }
    for (; k >= 0 && k < n; k += step) {
        if (!s.value[k]) continue;
        if (Sign(*s.value[k] - level) != side) {
            const double a = std::min(s.x[k], previous.x), b = std::max(s.x[k], previous.x);
            const std::optional<double> x = Bisect(g, a, b);
            if (!x) return std::nullopt;
            const std::optional<double> v = f(*x);
            if (!v) return std::nullopt;
            return FoundPoint{*x, *v};
        }
        previous = {s.x[k], *s.value[k]};
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> Bisect(const CurveFunction& g, double a, double b)
{
    std::optional<double> ga = g(a), gb = g(b);
    if (!ga || !gb) return std::nullopt;
    if (*ga == 0) return a;
    if (*gb == 0) return b;
    if (Sign(*ga) == Sign(*gb)) return std::nullopt;
    while (std::abs(b - a) > kSearchTolerance) {
        const double m = (a + b) / 2;
        const std::optional<double> gm = g(m);
        if (!gm) return std::nullopt;
        if (*gm == 0) return m;
        if (Sign(*gm) == Sign(*ga)) {
            a = m;
            ga = gm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2;
}

std::optional<FoundExtreme> FindExtreme(const CurveSamples& s, const CurveFunction& f, Extremum kind)
{
    const std::optional<size_t> best = BestSample(s, kind);
    if (!best) return std::nullopt;
    const size_t i = *best, last = s.x.size() - 1;
    FoundPoint point{s.x[i], *s.value[i]};
    const double refined = GoldenSection(f, kind, s.x[i > 0 ? i - 1 : 0], s.x[i < last ? i + 1 : last]);
    // The refinement ends next to a value at least as good as the sample's,
    // unless the sample itself is the extreme (an end of the span).
    const std::optional<double> v = f(refined);
    if (v && Score(v, kind) >= Score(point.value, kind)) point = {refined, *v};
    const bool atEnd = (i == 0 && point.x - s.x.front() <= 2 * kSearchTolerance) ||
                       (i == last && s.x.back() - point.x <= 2 * kSearchTolerance);
    if (atEnd) point = {s.x[i], *s.value[i]};
    return FoundExtreme{point, atEnd};
}

LevelCrossings FindLevelCrossings(const CurveSamples& s, const CurveFunction& f, const FoundPoint& from, double level)
{
    if (from.value == level) return {};
    return {CrossingFrom(s, f, from, level, -1), CrossingFrom(s, f, from, level, +1)};
}

std::vector<FoundPoint> FindPhaseZeros(const CurveSamples& phase, const CurveFunction& f)
{
    std::vector<FoundPoint> zeros;
    for (size_t k = 0; k < phase.x.size(); ++k) {
        const std::optional<double>& p = phase.value[k];
        if (!p) continue;
        if (*p == 0) {
            zeros.push_back({phase.x[k], 0});
            continue;
        }
        if (k + 1 >= phase.x.size() || !phase.value[k + 1]) continue;
        const double q = *phase.value[k + 1];
        // Opposite signs on both sides of 0°, not of ±180°.
        if (q == 0 || Sign(*p) == Sign(q) || std::abs(*p - q) >= 180) continue;
        if (const std::optional<double> x = Bisect(f, phase.x[k], phase.x[k + 1])) {
            if (const std::optional<double> v = f(*x)) zeros.push_back({*x, *v});
        }
    }
    return zeros;
}
