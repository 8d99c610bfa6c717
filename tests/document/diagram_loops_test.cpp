#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <set>

#include "calc/loop_analysis.h"
#include "document/drawn_circuit.h"
#include "document/loop_equations.h"
#include "document/mesh_mark.h"
#include "document/spice_netlist.h"
#include "sweep/graph_state.h"
#include "ngspice_runner.h"
#include "tests/support/drawings.h"
#include "tests/support/sample_circuits.h"

namespace {

using Lines = std::vector<std::string>;

const char* const kSample = "E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4";
const char* const kBridge =
    "E 0,8 0,0; W 0,0 4,0; 1 4,0 8,0; 2 4,0 4,4; 3 4,4 8,4; W 8,0 8,4; 4 8,4 8,8; 5 4,4 4,8; W 8,8 0,8";

// Every branch different, some without a coil or a capacitor.
Circuit CircuitOf(const DiagramLoops& loops)
{
    const LoopDefinitions& d = loops.definitions;
    Circuit c = sample::Empty(d.loops, d.branches);
    for (int b = 1; b <= d.branches; ++b) {
        sample::SetBranch(c, b, {5.0 + 3 * b, b % 3 == 0 ? 0 : 1e-3 * b, b % 2 == 0 ? 1e-6 * b : 0});
        DefineBranchCurrent(c, b, *d.currents[b - 1]);
    }
    for (int j = 1; j <= d.loops; ++j)
        for (int k = j; k <= d.loops; ++k) sample::DefineZByMarks(c, 10 * j + k, loops.matrix[ElementPosition(j, k)]);
    SetSourceVoltage(c, {2.5, 1});
    return c;
}

std::vector<std::vector<GridPoint>> Walks(const DiagramLoops& loops)
{
    std::vector<std::vector<GridPoint>> walks;
    for (const Mesh& m : loops.meshes) {
        walks.emplace_back();
        for (const MeshStep& step : m.boundary) walks.back().push_back(step.from);
    }
    return walks;
}

std::vector<std::string> WarningTexts(const DiagramLoops& loops)
{
    std::vector<std::string> texts;
    for (const DiagramWarning& w : loops.warnings) texts.push_back(WarningText(w));
    return texts;
}

// ngspice's currents at a few points of its sweep against the analysis at the same
// ω, which Brivel reaches at f × 2π / 6.283184.
void ExpectNgspiceAgrees(const DiagramLoops& loops)
{
    const Circuit c = CircuitOf(loops);
    const std::vector<std::vector<double>> rows = RunNgspicePrint(SpiceNetlist(loops, c, GraphState{}.sweepStart));
    ASSERT_EQ(rows.size(), 501u);
    for (int point : {0, 97, 250, 413, 500}) {
        const std::vector<double>& row = rows[point];
        const int branches = BranchCount(c);
        ASSERT_EQ(row.size(), 1u + 2 * branches);
        const std::optional<LoopResults> r =
            AnalyseAt(c, GraphState{}.sweepStart * std::pow(10.0, point / 125.0) * 2 * std::numbers::pi / 6.283184);
        ASSERT_TRUE(r);
        double largest = 0;
        for (int b = 1; b <= branches; ++b) largest = std::max(largest, row[2 * b - 1]);
        for (int b = 1; b <= branches; ++b) {
            const Complex& i = r->branchCurrent[b];
            const std::complex<double> spice = std::polar(row[2 * b - 1], row[2 * b] * std::numbers::pi / 180);
            EXPECT_NEAR(std::abs(std::complex<double>(i.re, i.im) - spice), 0, 1e-9 * largest)
                << "I0" << b << " at point " << point;
        }
    }
}

struct AcceptedDrawing {
    const char* name;
    std::string drawing;
    Lines lines;  // nothing: not compared
    Lines warnings;
};

TEST(DiagramLoops, AgreeWithNgspiceWhateverTheOrderOfTheSegments)
{
    const AcceptedDrawing drawings[] = {
        {"sample",
         kSample,
         {"L1=+Z1+Z2", "L2=-Z2+Z3", "I01=I1", "I02=I1-I2", "I03=I2", "Z11=Z1+Z2", "Z12=-Z2", "Z22=Z2+Z3"},
         {}},
        {"source against the clock",
         "E 0,0 0,4; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4",
         {"L1=-Z1-Z2", "L2=-Z2+Z3", "I01=-I1", "I02=-I1-I2", "I03=I2", "Z11=Z1+Z2", "Z12=Z2", "Z22=Z2+Z3"},
         {}},
        {"source top right", "1 0,4 0,0; 2 0,0 4,0; 3 4,0 4,4; E 4,0 8,0; W 8,0 8,4 4,4 0,4", {}, {}},
        {"source on the right going up",
         "1 0,4 0,0; 2 0,0 4,0; 3 4,0 4,4; W 4,0 8,0; E 8,4 8,0; W 8,4 4,4 0,4",
         {},
         {}},
        {"source at the bottom", "W 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4; E 4,4 0,4", {}, {}},
        {"bridge",
         kBridge,
         {"L1=+Z2+Z5", "L2=+Z1-Z2-Z3", "L3=+Z3+Z4-Z5", "I01=I2", "I02=I1-I2", "I03=-I2+I3", "I04=I3", "I05=I1-I3",
          "Z11=Z2+Z5", "Z12=-Z2", "Z13=-Z5", "Z22=Z1+Z2+Z3", "Z23=-Z3", "Z33=Z3+Z4+Z5"},
         {}},
        {"ladder of 2", drawing::Ladder(2), {}, {}},
        {"ladder of 3", drawing::Ladder(3), {}, {}},
        {"ladder of 5", drawing::Ladder(5), {}, {}},
        {"ladder of 4, reversed branches, rungs on one wire",
         "E 0,4 0,0; 1 4,0 0,0; 2 4,0 4,4; 3 8,0 4,0; 4 8,4 8,0; 5 8,0 12,0; 6 12,4 12,0; 7 12,0 16,0; 8 16,0 16,4; "
         "W 16,4 0,4",
         {},
         {}},
        {"2 x 2 grid",
         "E 0,8 0,4; 7 0,4 0,0; 1 4,0 0,0; 2 4,0 8,0; 3 0,4 4,4; 4 4,4 8,4; 5 0,8 4,8; 6 4,8 8,8; 8 4,0 4,4; "
         "9 4,8 4,4; 10 8,0 8,4; 11 8,4 8,8",
         {},
         {}},
        {"L-shape",
         "1 0,0 4,0; W 0,0 0,4; 2 0,4 0,8; 3 4,0 4,4; 4 4,4 8,4; E 8,4 8,8; 5 8,8 4,8; W 4,8 0,8; 6 0,4 4,4; "
         "7 4,4 4,8",
         {},
         {}},
        {"wire ending on a wire",
         "E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,2; W 4,2 4,4; 3 4,0 8,0; W 8,0 8,4 0,4",
         {"L1=+Z1+Z2", "L2=-Z2+Z3", "I01=I1", "I02=I1-I2", "I03=I2", "Z11=Z1+Z2", "Z12=-Z2", "Z22=Z2+Z3"},
         {}},
        {"face of wires alone",
         std::string(kSample) + "; W 0,4 0,6 2,6 2,4",
         {"L1=+Z1+Z2", "L2=-Z2+Z3", "I01=I1", "I02=I1-I2", "I03=I2", "Z11=Z1+Z2", "Z12=-Z2", "Z22=Z2+Z3"},
         {}},
        {"loose ends",
         std::string(kSample) + "; 4 -4,0 0,0; W 2,4 2,6",
         {},
         {"枝路 4 には電流が流れません　位置：(-4,0)", "どこにもつながっていない配線の端は無視します　位置：(2,6)"}},
        {"L-shaped window", "E 0,8 0,0; 1 0,0 8,0; 2 8,0 8,4; 3 8,4 4,4; 4 4,4 4,8; W 4,8 0,8; 5 8,4 8,8; W 8,8 4,8",
         {}, {}},
        {"shorted and bridging branches",
         std::string(kSample) + "; 4 4,4 4,6; W 4,6 6,6 6,4; 5 8,0 10,0; 6 10,0 14,0; 7 14,0 14,4; W 14,4 10,4 10,0",
         {},
         {"枝路 5 には電流が流れません　位置：(8,0)", "枝路 4 は配線で短絡されています　位置：(4,4)"}},
    };
    for (const AcceptedDrawing& d : drawings) {
        SCOPED_TRACE(d.name);
        const Diagram diagram = drawing::Parse(d.drawing);
        const auto outcome = DeriveLoops(diagram);
        ASSERT_TRUE(std::holds_alternative<DiagramLoops>(outcome)) << RefusalText(std::get<DiagramRefusal>(outcome));
        const DiagramLoops& loops = std::get<DiagramLoops>(outcome);
        if (!d.lines.empty()) {
            EXPECT_EQ(LoopEquationLines(loops), d.lines);
        }
        EXPECT_EQ(WarningTexts(loops), d.warnings);
        // Each loop's current is drawn in its window clear of the boundary,
        // at a place of its own, turning as the loop runs.
        std::set<std::pair<double, double>> places;
        for (size_t k = 0; k < loops.meshes.size(); ++k) {
            const MeshMark mark = MeshMarkOf(loops.meshes[k]);
            EXPECT_GE(mark.room, 0.5) << "loop " << k + 1;
            EXPECT_TRUE(places.insert({mark.x, mark.y}).second) << "loop " << k + 1;
            const MeshStep& first = loops.meshes[k].boundary.front();
            EXPECT_EQ(mark.clockwise, first.to.x > first.from.x) << "loop " << k + 1;
            int left = first.from.x, right = left, bottom = first.from.y;
            for (const MeshStep& s : loops.meshes[k].boundary)
                left = std::min(left, s.from.x), right = std::max(right, s.from.x), bottom = std::max(bottom, s.from.y);
            EXPECT_TRUE(mark.x > left && mark.x < right && mark.y > first.from.y && mark.y < bottom) << "loop " << k + 1;
        }
        const std::string netlist = SpiceNetlist(loops, CircuitOf(loops), GraphState{}.sweepStart);

        Diagram reordered = diagram;
        std::reverse(reordered.segments.begin(), reordered.segments.end());
        for (int order = 0; order < 2; ++order) {
            const auto reorderedOutcome = DeriveLoops(reordered);
            const DiagramLoops& again = std::get<DiagramLoops>(reorderedOutcome);
            EXPECT_EQ(LoopEquationLines(again), LoopEquationLines(loops));
            EXPECT_EQ(Walks(again), Walks(loops));
            EXPECT_EQ(WarningTexts(again), d.warnings);
            EXPECT_EQ(SpiceNetlist(again, CircuitOf(again), GraphState{}.sweepStart), netlist);
            std::shuffle(reordered.segments.begin(), reordered.segments.end(), std::mt19937(7));
        }
        ExpectNgspiceAgrees(loops);
    }
}

TEST(DrawingEdits, EntriesTravelWithTheirBranches)
{
    using Drawn = DrawnCircuitOf<int>;
    using Entries = std::vector<std::optional<int>>;
    const std::string wires = "; W 8,0 8,4 4,4 0,4";
    const auto renumber = [](const Drawn& d) { return Renumbered(d, NumberedInReadingOrder(d.diagram)); };
    const auto remove = [](std::vector<int> places) {
        return [places](const Drawn& d) { return Renumbered(d, WithoutSegments(d.diagram, places)); };
    };
    const struct {
        std::string before;
        std::function<Drawn(const Drawn&)> edit;
        std::string after;
        Entries entries;  // each branch entered as ten times its number before the edit
    } edits[] = {
        {kSample, remove({2}), "E 0,4 0,0; 1 0,0 4,0; 2 4,0 8,0" + wires, {10, 30}},
        {kSample, remove({1, 3}), "E 0,4 0,0; 1 4,0 4,4" + wires, {20}},
        {kSample, remove({5}), "E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; W 8,0 8,4; W 4,4 0,4", {10, 20, 30}},
        {"E 0,4 0,0; 1 0,0 4,0; 1 4,0 4,4; 2 4,0 8,0" + wires, remove({1}), "E 0,4 0,0; 1 4,0 4,4; 2 4,0 8,0" + wires,
         {10, 20}},
        {"E 0,4 0,0; 3 0,0 4,0; 1 4,0 4,4; 2 4,0 8,0" + wires, renumber, kSample, {30, 10, 20}},
        {"E 0,4 0,0; 3 4,0 8,0; 2 4,0 4,4; 1 0,0 4,0" + wires, renumber, "E 0,4 0,0; 3 4,0 8,0; 2 4,0 4,4; 1 0,0 4,0" + wires,
         {10, 20, 30}},
        {"E 0,4 0,0; 1 0,0 4,0; 1 4,0 4,4; 2 4,0 8,0" + wires, renumber, kSample, {10, 10, 20}},
        {"E 0,4 0,0; 1 0,0 4,0; 3 4,0 8,0" + wires,
         [](const Drawn& d) { return WithSegment(d, {SegmentKind::Branch, 0, {4, 0}, {4, 4}}); },
         "E 0,4 0,0; 1 0,0 4,0; 3 4,0 8,0" + wires + "; 4 4,0 4,4", {10, std::nullopt, 30, std::nullopt}},
    };
    for (const auto& e : edits) {
        Drawn before{drawing::Parse(e.before), {}};
        for (const Segment& s : before.diagram.segments)
            if (s.kind == SegmentKind::Branch) {
                before.elements.resize(std::max<size_t>(before.elements.size(), s.number));
                before.elements[s.number - 1] = 10 * s.number;
            }
        const Drawn after = e.edit(WithEntryPerNumber(before));
        EXPECT_EQ(after.diagram, drawing::Parse(e.after)) << e.before;
        EXPECT_EQ(after.elements, e.entries) << e.before;
    }
}

TEST(DiagramLoops, RefusedWithTheirPlace)
{
    const std::pair<std::string, const char*> refused[] = {
        {std::string(kSample) + "; W 2,2 2,2", "長さのない線があります　位置：(2,2)"},
        {std::string(kSample) + "; W 9,9 10,10", "線は水平か垂直に引いて下さい　位置：(9,9)"},
        {"1 0,0 4,0; 2 4,0 4,4; W 4,4 0,4 0,0", "電源がありません"},
        {"E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 3 4,0 8,0; E 8,0 8,4; W 8,4 4,4 0,4",
         "電源は１つだけにして下さい　位置：(0,4)"},
        {"E 0,4 0,0; 1 0,0 4,0; W 4,0 4,4 0,4", "枝路数は２～１５にして下さい　位置：(0,0)"},
        {drawing::Ladder(6), "枝路数は２～１５にして下さい　位置：(24,4)"},
        {"E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; 4 4,0 8,0; W 8,0 8,4 4,4 0,4",
         "枝路番号は１から順に重複なく付けて下さい　位置：(4,0)"},
        {"E 0,4 0,0; 1 0,0 4,0; 1 4,0 4,4; 2 4,0 8,0; W 8,0 8,4 4,4 0,4",
         "枝路番号は１から順に重複なく付けて下さい　位置：(4,0)"},
        {std::string(kSample) + "; W 2,-2 2,2", "線が交差するか重なっています　位置：(2,0)"},
        {std::string(kSample) + "; W 6,0 10,0", "線が交差するか重なっています　位置：(6,0)"},
        {std::string(kSample) + "; W 2,0 2,-3", "枝路または電源の途中に線の端があります　位置：(2,0)"},
        {std::string(kSample) + "; 4 20,0 24,0", "つながっていない部分があります　位置：(20,0)"},
        {std::string(kSample) + "; W 8,0 12,0 12,4 8,4; 4 10,0 10,4",
         "配線の輪で短絡された部分があります　位置：(8,0)"},
        {std::string(kSample) + "; W 0,0 -2,0 -2,4 0,4", "インピーダンスのないループがあります　位置：(0,4)"},
        {"1 0,4 0,0; 2 0,0 4,0; E 4,0 4,4; 3 4,0 8,0; W 8,0 8,4 4,4 0,4",
         "電源は外周の枝路に置いて下さい　位置：(4,0)"},
        {"E 0,4 0,0; 1 0,0 4,0; 2 4,0 4,4; W 4,4 0,4", "ループ数は２～５にして下さい　位置：(0,0)"},
        {"E 0,4 0,0; W 0,0 24,0; W 24,4 0,4; 1 4,0 4,4; 2 8,0 8,4; 3 12,0 12,4; 4 16,0 16,4; 5 20,0 20,4; 6 24,0 24,4",
         "ループ数は２～５にして下さい　位置：(20,0)"},
    };
    for (const auto& [text, message] : refused) {
        Diagram diagram = drawing::Parse(text);
        for (int order = 0; order < 2; ++order) {
            const auto outcome = DeriveLoops(diagram);
            ASSERT_TRUE(std::holds_alternative<DiagramRefusal>(outcome)) << text;
            EXPECT_EQ(RefusalText(std::get<DiagramRefusal>(outcome)), message) << text;
            std::reverse(diagram.segments.begin(), diagram.segments.end());
        }
    }
}

}  // namespace
