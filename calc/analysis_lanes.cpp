#include "analysis_lanes.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "branch_impedance.h"
#include "calc_error.h"
#include "lanes_problem.h"
#include "solver.h"

namespace {

bool ProcessorHasAvx2()
{
#if defined(BRIVEL_AVX2_LANES)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

// AVX2 asked for on a processor without it takes the portable route: the
// results are the same, only slower.
lanes::BlockAnalysis KernelFor(SweepRoute route)
{
#if defined(BRIVEL_AVX2_LANES)
    if (route == SweepRoute::Avx2 && ProcessorHasAvx2()) return lanes::AnalyseAvx2;
#endif
    return lanes::AnalysePortable;
}

// The terms of a signed sum over places 1 … last, in the order SignedSum
// adds them; −1 marks count only if minusCounts.
lanes::Sum AppendTerms(lanes::Problem& p, int& used, const Marks& marks, int last, bool minusCounts)
{
    const int begin = used;
    for (int i = 1; i <= last; ++i) {
        if (marks[i] == 1)
            p.terms[used++] = {i, false};
        else if (marks[i] == -1 && minusCounts)
            p.terms[used++] = {i, true};
    }
    return {begin, used};
}

lanes::Problem ProblemOf(const Circuit& c)
{
    lanes::Problem p{};
    p.branches = c.BrCnt;
    p.loops = c.LoopCnt;
    std::copy(c.BrR.begin(), c.BrR.end(), p.R);
    std::copy(c.BrL.begin(), c.BrL.end(), p.L);
    std::copy(c.BrC.begin(), c.BrC.end(), p.C);
    p.emfRe = c.EmfCpx.re;
    p.emfIm = c.EmfCpx.im;
    p.twoPi = TwoPi;
    p.tinyPivotRatio = TinyPivotRatio;
    int used = 0;
    for (int j = 1; j <= c.LoopCnt; ++j)
        for (int k = j; k <= c.LoopCnt; ++k)
            p.element[j - 1][k - 1] = AppendTerms(p, used, c.ZDef[j][k], c.BrCnt, j != k);
    for (int b = 1; b <= c.BrCnt; ++b) p.current[b] = AppendTerms(p, used, c.CurDef[b], c.LoopCnt, true);
    return p;
}

SweepRoute Fastest() { return ProcessorHasAvx2() ? SweepRoute::Avx2 : SweepRoute::Portable; }

}  // namespace

SweepRoute SweepRouteNamed(const char* setting)
{
    const std::string_view name = setting != nullptr ? setting : "";
    if (name == "single") return SweepRoute::Single;
    if (name == "portable") return SweepRoute::Portable;
    if (name == "avx2") return SweepRoute::Avx2;
    return Fastest();
}

SweepRoute ChosenSweepRoute()
{
    static const SweepRoute route = SweepRouteNamed(std::getenv("BRIVEL_SWEEP"));
    return route;
}

FrequencyAnalyses::FrequencyAnalyses(std::span<const double> frequencies, int branches)
    : frequencies_(frequencies.begin(), frequencies.end()),
      branches_(branches),
      points_(frequencies.size(), Point{AnalysisOutcome::Solved, 0}),
      values_(Blocks() * BlockRows() * kLanes)
{
}

AnalysisOutcome FrequencyAnalyses::Outcome(size_t i) const
{
    if (points_[i].error != 0) throw CalcError(points_[i].error);
    return points_[i].outcome;
}

AnalysisOutcome FrequencyAnalyses::ReplayInto(size_t i, Circuit& c) const
{
    if (c.BrCnt != branches_ || !ArraysMatchCounts(c))
        throw std::logic_error("FrequencyAnalyses::ReplayInto: not the circuit analysed");
    c.Frq = frequencies_[i];
    if (points_[i].error == 0 && points_[i].outcome == AnalysisOutcome::Solved) {
        c.ZReg = InputImpedance(i);
        for (int b = 1; b <= branches_; ++b) {
            c.BrCur[b] = BranchCurrent(i, b);
            c.BrCurAbs[b] = BranchCurrentMagnitude(i, b);
            c.BrVol[b] = BranchVoltage(i, b);
            c.BrVolAbs[b] = BranchVoltageMagnitude(i, b);
        }
    }
    return Outcome(i);
}

void FrequencyAnalyses::AnalyseAlone(size_t i, Circuit& c)
{
    c.Frq = frequencies_[i];
    Point& point = points_[i];
    try {
        point = {calciz(c), 0};
    } catch (const CalcError& e) {
        point = {AnalysisOutcome::Solved, e.number()};
    }
    if (point.error != 0 || point.outcome != AnalysisOutcome::Solved) {
        for (int row = 0; row < BlockRows(); ++row) At(i, row) = 0;
        return;
    }
    At(i, kZRegRow) = c.ZReg.re;
    At(i, kZRegRow + 1) = c.ZReg.im;
    for (int b = 1; b <= branches_; ++b) {
        At(i, BrCurRow(b)) = c.BrCur[b].re;
        At(i, BrCurRow(b) + 1) = c.BrCur[b].im;
        At(i, BrCurAbsRow(b)) = c.BrCurAbs[b];
        At(i, BrVolRow(b)) = c.BrVol[b].re;
        At(i, BrVolRow(b) + 1) = c.BrVol[b].im;
        At(i, BrVolAbsRow(b)) = c.BrVolAbs[b];
    }
}

void FrequencyAnalyses::AnalyseInLanes(const Circuit& c, SweepRoute route)
{
    static_assert(kLanes == lanes::kWidth);
    lanes::Problem p = ProblemOf(c);
    p.zReg = kZRegRow;
    p.brCur = BrCurRow(1);
    p.brVol = BrVolRow(1);
    p.brCurAbs = BrCurAbsRow(1);
    p.brVolAbs = BrVolAbsRow(1);
    p.blockRows = BlockRows();
    // The last block's spare lanes repeat the last frequency; their results
    // are never read.
    std::vector<double> lanesFrequency(Blocks() * kLanes, frequencies_.empty() ? 0.0 : frequencies_.back());
    std::copy(frequencies_.begin(), frequencies_.end(), lanesFrequency.begin());
    std::vector<uint8_t> redo(Blocks());
    KernelFor(route)(p, lanesFrequency.data(), Blocks(), values_.data(), redo.data());

    std::optional<Circuit> alone;
    for (size_t i = 0; i < Count(); ++i) {
        if ((redo[i / kLanes] >> (i % kLanes) & 1) == 0) continue;
        if (!alone) alone = c;
        AnalyseAlone(i, *alone);
    }
}

FrequencyAnalyses AnalyseFrequencies(const Circuit& c, std::span<const double> frequencies, SweepRoute route)
{
    if (!ArraysMatchCounts(c))
        throw std::logic_error("AnalyseFrequencies: circuit arrays do not match BrCnt and LoopCnt");
    FrequencyAnalyses analyses(frequencies, c.BrCnt);
    if (route == SweepRoute::Single) {
        Circuit alone = c;
        for (size_t i = 0; i < analyses.Count(); ++i) analyses.AnalyseAlone(i, alone);
    } else {
        analyses.AnalyseInLanes(c, route);
    }
    return analyses;
}

FrequencyAnalyses AnalyseFrequencies(const Circuit& c, std::span<const double> frequencies)
{
    return AnalyseFrequencies(c, frequencies, ChosenSweepRoute());
}
