#pragma once
// The single-frequency analysis (calciz) at a whole list of frequencies, with
// per frequency exactly the results and the outcome calciz gives there.
//
// Three routes compute it: calciz one frequency after the other, or four
// frequencies side by side in plain C++ or in AVX2 instructions. Each of the
// four lanes performs calciz's own operations in its order; a lane where
// calciz would leave its plain path (a row exchange in the solver, a scaled
// complex division, an arithmetic error, a singular matrix) is redone by
// calciz itself. The routes therefore differ in speed alone.

#include <cstddef>
#include <span>
#include <vector>

#include "analysis.h"
#include "circuit.h"

enum class SweepRoute { Single, Portable, Avx2 };

// The route a value of BRIVEL_SWEEP names ("single", "portable", "avx2");
// without a value, or with any other, the fastest route the processor offers.
SweepRoute SweepRouteNamed(const char* setting);

// The route of every analysis that names none: BRIVEL_SWEEP as read once,
// when it is first asked for.
SweepRoute ChosenSweepRoute();

// What calciz left at each frequency of the list: its outcome, or the
// CalcError it raised, and the results the sweeps read. Frequencies count
// from 0 in the order given; branches from 1.
class FrequencyAnalyses {
public:
    size_t Count() const { return frequencies_.size(); }

    // calciz's outcome at frequency i; the CalcError it raised there is
    // raised again, with the same number.
    AnalysisOutcome Outcome(size_t i) const;
    // The number of that CalcError, 0 where none was raised.
    int ErrorNumber(size_t i) const { return points_[i].error; }

    // ZReg, BrCur, BrCurAbs, BrVol and BrVolAbs as calciz leaves them where
    // the outcome is Solved; 0 everywhere else.
    Complex InputImpedance(size_t i) const { return {At(i, kZRegRow), At(i, kZRegRow + 1)}; }
    Complex BranchCurrent(size_t i, int b) const { return {At(i, BrCurRow(b)), At(i, BrCurRow(b) + 1)}; }
    double BranchCurrentMagnitude(size_t i, int b) const { return At(i, BrCurAbsRow(b)); }
    Complex BranchVoltage(size_t i, int b) const { return {At(i, BrVolRow(b)), At(i, BrVolRow(b) + 1)}; }
    double BranchVoltageMagnitude(size_t i, int b) const { return At(i, BrVolAbsRow(b)); }

    // Puts frequency i and, where it was solved, its results into c (the
    // circuit analysed or a copy of it) as calciz leaves them: Frq, ZReg,
    // BrCur, BrCurAbs, BrVol, BrVolAbs. Then returns or raises as Outcome(i):
    // a drop-in for calciz(c) at that frequency.
    AnalysisOutcome ReplayInto(size_t i, Circuit& c) const;

private:
    friend FrequencyAnalyses AnalyseFrequencies(const Circuit& c, std::span<const double> frequencies,
                                                SweepRoute route);

    static constexpr size_t kLanes = 4;

    // Each block of four frequencies holds rows of four doubles, one per
    // frequency: ZReg (its real part, then its imaginary part), BrCur and
    // BrVol of every branch (likewise), then BrCurAbs and BrVolAbs of every
    // branch.
    static constexpr int kZRegRow = 0;
    int BrCurRow(int b) const { return 2 + 2 * (b - 1); }
    int BrVolRow(int b) const { return 2 + 2 * (branches_ + b - 1); }
    int BrCurAbsRow(int b) const { return 2 + 4 * branches_ + b - 1; }
    int BrVolAbsRow(int b) const { return 2 + 5 * branches_ + b - 1; }
    int BlockRows() const { return 2 + 6 * branches_; }
    size_t Blocks() const { return (Count() + kLanes - 1) / kLanes; }

    FrequencyAnalyses(std::span<const double> frequencies, int branches);
    double At(size_t i, int row) const { return values_[(i / kLanes * BlockRows() + row) * kLanes + i % kLanes]; }
    double& At(size_t i, int row) { return values_[(i / kLanes * BlockRows() + row) * kLanes + i % kLanes]; }

    // calciz on c at frequency i, its outcome or error and its results.
    void AnalyseAlone(size_t i, Circuit& c);
    // The lanes' results, and calciz's at each frequency whose lane departed
    // from its plain path.
    void AnalyseInLanes(const Circuit& c, SweepRoute route);

    struct Point {
        AnalysisOutcome outcome;
        int error;
    };

    std::vector<double> frequencies_;
    int branches_;
    std::vector<Point> points_;
    std::vector<double> values_;
};

// calciz at every frequency, as on a copy of c (whose arrays must match its
// counts), by the route given or ChosenSweepRoute(). AVX2 asked for on a
// processor without it takes the portable route.
FrequencyAnalyses AnalyseFrequencies(const Circuit& c, std::span<const double> frequencies);
FrequencyAnalyses AnalyseFrequencies(const Circuit& c, std::span<const double> frequencies, SweepRoute route);
