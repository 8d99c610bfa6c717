#include "loop_equations.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace {

LoopDefinitions CurrentsOf(const std::vector<Mesh>& meshes)
{
    LoopDefinitions d;
    d.loops = static_cast<int>(meshes.size());
    d.branches = static_cast<int>(meshes.front().branches.size()) - 1;
    for (int b = 1; b <= d.branches; ++b) {
        Marks& current = d.currents.emplace_back(Marks(static_cast<size_t>(d.loops) + 1, 0)).value();
        for (int k = 1; k <= d.loops; ++k) current[k] = meshes[k - 1].branches[b];
    }
    return d;
}

bool Empty(const Marks& marks)
{
    return std::all_of(marks.begin(), marks.end(), [](int16_t mark) { return mark == 0; });
}

// A branch without current is shown at an end joined to nothing if it has one.
GridPoint LooseEnd(const DiagramGraph& g, const Segment& branch)
{
    for (GridPoint end : {branch.from, branch.to}) {
        const auto& slots = g.around[g.VertexAt(end)];
        if (std::count(slots.begin(), slots.end(), -1) == kHeadings - 1) return end;
    }
    return branch.from;
}

std::vector<DiagramWarning> BranchWarnings(const DiagramGraph& g, const LoopDefinitions& d)
{
    std::vector<DiagramWarning> warnings;
    for (const Segment& s : g.segments) {
        if (s.kind != SegmentKind::Branch) continue;
        if (Empty(*d.currents[s.number - 1]))
            warnings.push_back({DiagramNotice::BranchWithoutCurrent, LooseEnd(g, s), s.number});
        else if (g.nodeOf[g.VertexAt(s.from)] == g.nodeOf[g.VertexAt(s.to)])
            warnings.push_back({DiagramNotice::ShortedBranch, s.from, s.number});
    }
    return warnings;
}

// The marked terms from place 1 on, each after its sign; the first "+" only
// where every sign is written.
std::string Terms(const Marks& marks, char letter, bool everySign)
{
    std::string text;
    for (size_t i = 1; i < marks.size(); ++i) {
        if (marks[i] == 0) continue;
        if (marks[i] < 0)
            text += '-';
        else if (everySign || !text.empty())
            text += '+';
        text += letter + std::to_string(i);
    }
    return text;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::variant<DiagramRefusal, DiagramLoops> DeriveLoops(const Diagram& diagram)
{
    if (auto fault = CheckSegments(diagram)) return *fault;
    auto joined = JoinSegments(diagram);
    if (auto* fault = std::get_if<DiagramRefusal>(&joined)) return *fault;
    DiagramLoops loops;
    loops.graph = std::move(std::get<DiagramGraph>(joined));
    auto found = FindMeshes(loops.graph);
    if (auto* fault = std::get_if<DiagramRefusal>(&found)) return *fault;
    loops.meshes = std::move(std::get<std::vector<Mesh>>(found));
    loops.definitions = CurrentsOf(loops.meshes);
    MatrixDerivation derived = DeriveMatrix(loops.definitions);
    // Every branch current is defined and every mesh has a branch.
    if (!derived.matrix) throw std::logic_error("the meshes of a drawing gave no loop matrix");
    loops.matrix = std::move(*derived.matrix);
    loops.warnings = loops.graph.warnings;
    const std::vector<DiagramWarning> branchWarnings = BranchWarnings(loops.graph, loops.definitions);
    loops.warnings.insert(loops.warnings.end(), branchWarnings.begin(), branchWarnings.end());
    std::sort(loops.warnings.begin(), loops.warnings.end(), [](const DiagramWarning& a, const DiagramWarning& b) {
        return std::tie(a.place, a.notice, a.branch) < std::tie(b.place, b.notice, b.branch);
    });
    return loops;
}

std::vector<std::string> LoopEquationLines(const DiagramLoops& loops)
{
    std::vector<std::string> lines;
    const LoopDefinitions& d = loops.definitions;
    for (int k = 1; k <= d.loops; ++k)
        lines.push_back("L" + std::to_string(k) + "=" + Terms(loops.meshes[k - 1].branches, 'Z', true));
    for (int b = 1; b <= d.branches; ++b) lines.push_back("I" + TwoDigits(b) + "=" + Terms(*d.currents[b - 1], 'I', false));
    for (int j = 1; j <= d.loops; ++j)
        for (int k = j; k <= d.loops; ++k) {
            const Marks& marks = loops.matrix[ElementPosition(j, k)];
            const std::string terms = Terms(marks, 'Z', false);
            const std::string element = terms.empty() && marks[0] == 1 ? "0" : terms;
            lines.push_back("Z" + std::to_string(j) + std::to_string(k) + "=" + element);
        }
    return lines;
}
