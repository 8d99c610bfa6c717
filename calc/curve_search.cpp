#include "curve_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();

std::optional<double> At(const CurveFunction& f, double x) { return f({x}).front(); }

// f at the xs, asking nothing for none.
std::vector<std::optional<double>> Values(const CurveFunction& f, const std::vector<double>& xs)
{
    return xs.empty() ? std::vector<std::optional<double>>{} : f(xs);
}

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
    const std::vector<std::optional<double>> first = f({c, d});
    double sc = Score(first[0], kind), sd = Score(first[1], kind);
    while (b - a > kSearchTolerance) {
        if (sc >= sd) {
            b = d;
            d = c;
            sd = sc;
            c = b - r * (b - a);
            sc = Score(At(f, c), kind);
        } else {
            a = c;
            c = d;
            sc = sd;
            d = a + r * (b - a);
            sd = Score(At(f, d), kind);
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

// The samples around the first crossing of `level` met walking the samples
// from `from` in the direction `step` (−1 or +1); nothing when there is none.
std::optional<Bracket> CrossingBracket(const CurveSamples& s, const FoundPoint& from, double level, int step)
{
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
        if (Sign(*s.value[k] - level) != side)
            return Bracket{std::min(s.x[k], previous.x), std::max(s.x[k], previous.x)};
        previous = {s.x[k], *s.value[k]};
    }
    return std::nullopt;
}

// The points of f at the xs found, each nothing where no x was found or f
// has no value there.
std::vector<std::optional<FoundPoint>> PointsAt(const CurveFunction& f, const std::vector<std::optional<double>>& xs)
{
    std::vector<double> found;
    for (const std::optional<double>& x : xs)
        if (x) found.push_back(*x);
    const std::vector<std::optional<double>> values = Values(f, found);
    std::vector<std::optional<FoundPoint>> points;
    size_t next = 0;
    for (const std::optional<double>& x : xs) {
        if (!x) {
            points.emplace_back();
            continue;
        }
        const std::optional<double>& v = values[next++];
        points.push_back(v ? std::optional<FoundPoint>(FoundPoint{*x, *v}) : std::nullopt);
    }
    return points;
}

}  // namespace

std::vector<std::optional<double>> Bisect(const CurveFunction& g, const std::vector<Bracket>& brackets)
{
    struct Search {
        double a, b;
        std::optional<double> ga;
        bool done = false;
    };
    std::vector<std::optional<double>> found(brackets.size());
    std::vector<Search> searches;
    std::vector<double> ends;
    for (const Bracket& bracket : brackets) {
        ends.push_back(bracket.a);
        ends.push_back(bracket.b);
    }
    const std::vector<std::optional<double>> atEnds = Values(g, ends);
    for (size_t i = 0; i < brackets.size(); ++i) {
        const std::optional<double> ga = atEnds[2 * i], gb = atEnds[2 * i + 1];
        Search search{brackets[i].a, brackets[i].b, ga, true};
        if (ga && gb) {
            if (*ga == 0)
                found[i] = search.a;
            else if (*gb == 0)
                found[i] = search.b;
            else
                search.done = Sign(*ga) == Sign(*gb);
        }
        searches.push_back(search);
    }
    for (;;) {
        std::vector<size_t> open;
        std::vector<double> middles;
        for (size_t i = 0; i < searches.size(); ++i) {
            Search& search = searches[i];
            if (search.done) continue;
            if (std::abs(search.b - search.a) > kSearchTolerance) {
                open.push_back(i);
                middles.push_back((search.a + search.b) / 2);
            } else {
                found[i] = (search.a + search.b) / 2;
                search.done = true;
            }
        }
        if (open.empty()) return found;
        const std::vector<std::optional<double>> atMiddles = g(middles);
        for (size_t j = 0; j < open.size(); ++j) {
            Search& search = searches[open[j]];
            const double m = middles[j];
            const std::optional<double>& gm = atMiddles[j];
            if (!gm || *gm == 0) {
                if (gm) found[open[j]] = m;
                search.done = true;
            } else if (Sign(*gm) == Sign(*search.ga)) {
                search.a = m;
                search.ga = gm;
            } else {
                search.b = m;
            }
        }
    }
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
    const std::optional<double> v = At(f, refined);
    if (v && Score(v, kind) >= Score(point.value, kind)) point = {refined, *v};
    const bool atEnd = (i == 0 && point.x - s.x.front() <= 2 * kSearchTolerance) ||
                       (i == last && s.x.back() - point.x <= 2 * kSearchTolerance);
    if (atEnd) point = {s.x[i], *s.value[i]};
    return FoundExtreme{point, atEnd};
}

LevelCrossings FindLevelCrossings(const CurveSamples& s, const CurveFunction& f, const FoundPoint& from, double level)
{
    if (from.value == level) return {};
    const std::optional<Bracket> below = CrossingBracket(s, from, level, -1),
                                 above = CrossingBracket(s, from, level, +1);
    std::vector<Bracket> brackets;
    for (const auto& bracket : {below, above})
        if (bracket) brackets.push_back(*bracket);
    const CurveFunction g = [&](const std::vector<double>& xs) {
        std::vector<std::optional<double>> values = f(xs);
        for (std::optional<double>& v : values)
            if (v) *v -= level;
        return values;
    };
    const std::vector<std::optional<double>> xs = Bisect(g, brackets);
    const std::vector<std::optional<FoundPoint>> points = PointsAt(f, xs);
    LevelCrossings crossings;
    size_t next = 0;
    if (below) crossings.below = points[next++];
    if (above) crossings.above = points[next++];
    return crossings;
}

std::vector<FoundPoint> FindPhaseZeros(const CurveSamples& phase, const CurveFunction& f)
{
    // In order of x: a sample at 0° itself, or the bracket of a sign change.
    struct Zero {
        std::optional<double> atSample;
        size_t bracket = 0;
    };
    std::vector<Zero> zeros;
    std::vector<Bracket> brackets;
    for (size_t k = 0; k < phase.x.size(); ++k) {
        const std::optional<double>& p = phase.value[k];
        if (!p) continue;
        if (*p == 0) {
            zeros.push_back({phase.x[k]});
            continue;
        }
        if (k + 1 >= phase.x.size() || !phase.value[k + 1]) continue;
        const double q = *phase.value[k + 1];
        // Opposite signs on both sides of 0°, not of ±180°.
        if (q == 0 || Sign(*p) == Sign(q) || std::abs(*p - q) >= 180) continue;
        zeros.push_back({std::nullopt, brackets.size()});
        brackets.push_back({phase.x[k], phase.x[k + 1]});
    }
    const std::vector<std::optional<FoundPoint>> bisected = PointsAt(f, Bisect(f, brackets));
    std::vector<FoundPoint> found;
    for (const Zero& zero : zeros) {
        if (zero.atSample)
            found.push_back({*zero.atSample, 0});
        else if (const std::optional<FoundPoint>& point = bisected[zero.bracket])
            found.push_back(*point);
    }
    return found;
}
