#pragma once
// Searches along a curve given as a function of one variable (for the graphs,
// x = log10 of the frequency): its largest and smallest value, where it
// crosses a level, and where a phase passes through 0°. Every search starts
// from values at given points, increasing in x, and refines with the
// function itself, so the result is as exact as the function, not the
// spacing of the points.

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// The curve's values at the xs, in their order; nothing where it has none (a
// point the analysis cannot solve). The searches ask for several xs at once
// where their steps allow, so that they can be analysed side by side.
using CurveFunction = std::function<std::vector<std::optional<double>>(const std::vector<double>& xs)>;

// The curve at the starting points; x increasing.
struct CurveSamples {
    std::vector<double> x;
    std::vector<std::optional<double>> value;
};

enum class Extremum { Largest, Smallest };

struct FoundPoint {
    double x = 0;
    double value = 0;
};

struct FoundExtreme {
    FoundPoint point;
    // The extreme lies at an end of the samples' span: the curve goes on
    // rising (or falling) beyond it, or is flat there.
    bool atSpanEnd = false;
};

// Refinement ends once the bracket is this narrow in x: for x = log10 f, a
// frequency to better than one part in 10^9.
inline constexpr double kSearchTolerance = 1e-10;

// The largest or smallest value within the span of the samples: the best
// sample, refined by golden-section search between its neighbours. Nothing
// when no sample has a value.
std::optional<FoundExtreme> FindExtreme(const CurveSamples& samples, const CurveFunction& f, Extremum kind);

// Where the curve first reaches `level` going down (below) and up (above) in
// x from `from`, whose value lies on the other side of the level; refined by
// bisection. Nothing on a side where the curve stays on one side of the
// level up to the end of the samples.
struct LevelCrossings {
    std::optional<FoundPoint> below, above;
};
LevelCrossings FindLevelCrossings(const CurveSamples& samples, const CurveFunction& f, const FoundPoint& from,
                                  double level);

// The x where the phase, in degrees within (−180, 180], changes sign through
// 0°: between neighbouring samples whose phases differ by less than 180°, so
// never where it jumps from +180° to −180°; refined by bisection. In order of x.
std::vector<FoundPoint> FindPhaseZeros(const CurveSamples& phase, const CurveFunction& f);

// Bisection of a sign change of g in each bracket [a, b] (g(a) and g(b) of
// opposite signs or one of them 0), all brackets side by side, each by the
// steps of its own bisection. Nothing for a bracket where g has no value
// somewhere on the way.
struct Bracket {
    double a, b;
};
std::vector<std::optional<double>> Bisect(const CurveFunction& g, const std::vector<Bracket>& brackets);
