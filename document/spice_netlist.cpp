#include "spice_netlist.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "calc/loop_analysis.h"

namespace {

constexpr int kDecades = 4;
constexpr int kPointsPerDecade = 125;
constexpr int kDigits = 12;
constexpr int kColumnWidth = kDigits + 12;

// The shortest text that reads back as the same number.
std::string Number(double value)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), end};
}

class NodeNames {
public:
    NodeNames(const DiagramGraph& g, int ground) : g_(g), ground_(ground) {}

    std::string At(GridPoint point) const
    {
        const int node = g_.nodeOf[g_.VertexAt(point)];
        if (node == ground_) return "0";
        return "n" + std::to_string(node < ground_ ? node + 1 : node);
    }

private:
    const DiagramGraph& g_;
    int ground_;
};

const Segment& SourceOf(const DiagramGraph& g)
{
    for (const Segment& s : g.segments)
        if (s.kind == SegmentKind::Source) return s;
    throw std::invalid_argument("a drawing without a source");
}

std::string NodeComments(const DiagramGraph& g, const NodeNames& names)
{
    std::string text;
    std::vector<bool> named(static_cast<size_t>(g.nodes), false);
    for (size_t v = 0; v < g.vertices.size(); ++v) {
        if (named[g.nodeOf[v]]) continue;
        named[g.nodeOf[v]] = true;
        text += "* node " + names.At(g.vertices[v]) + " at " + PlaceText(g.vertices[v]) + "\n";
    }
    return text;
}

std::string BranchLines(const Segment& branch, const Circuit& c, const NodeNames& names)
{
    const std::string b = std::to_string(branch.number);
    const BranchElements e = ElementsOfBranch(c, branch.number);
    const double values[] = {e.r, e.l, e.c};
    const char kinds[] = {'R', 'L', 'C'};
    int parts = 0;
    for (double v : values) parts += v != 0 ? 1 : 0;
    std::string at = names.At(branch.from), lines;
    auto next = [&](int inner) {
        return inner == parts ? names.At(branch.to) : "b" + b + "_" + std::to_string(inner + 1);
    };
    lines += "VB" + b + " " + at + " " + next(0) + " DC 0\n";
    at = next(0);
    int inner = 0;
    for (int q = 0; q < 3; ++q) {
        if (values[q] == 0) continue;
        ++inner;
        lines += kinds[q] + b + " " + at + " " + next(inner) + " " + Number(values[q]) + "\n";
        at = next(inner);
    }
    return lines;
}

std::string PrintLine(int branches)
{
    std::string line = ".print ac";
    for (int b = 1; b <= branches; ++b) {
        const std::string current = "i(VB" + std::to_string(b) + ")";
        line += " mag(" + current + ") ph(" + current + ")*180/pi";
    }
    return line + "\n";
}

}  // namespace

std::string SpiceNetlist(const DiagramLoops& loops, const Circuit& circuit, double sweepStart)
{
    const DiagramGraph& g = loops.graph;
    if (BranchCount(circuit) != loops.definitions.branches || !ArraysMatchCounts(circuit))
        throw std::invalid_argument("the circuit's branches are not the drawing's");
    const Segment& source = SourceOf(g);
    const NodeNames names(g, g.nodeOf[g.VertexAt(source.from)]);
    std::string text = "Brivel circuit\n" + NodeComments(g, names);
    text += "VE " + names.At(source.to) + " 0 DC 0 AC " + Number(SourceVoltage(circuit)) + "\n";
    for (int b = 1; b <= loops.definitions.branches; ++b)
        for (const Segment& s : g.segments)
            if (s.kind == SegmentKind::Branch && s.number == b) text += BranchLines(s, circuit, names);
    // The circuit is linear: no operating point, which a node reached only
    // through capacitors would leave undetermined.
    text += ".options noopac\n";
    // Wide enough for every column of twelve digits in one table.
    text += ".width out=" + std::to_string(kColumnWidth * (2 * loops.definitions.branches + 2)) + "\n";
    text += ".ac dec " + std::to_string(kPointsPerDecade) + " " + Number(sweepStart) + " " +
            Number(sweepStart * std::pow(10.0, kDecades)) + "\n";
    text += PrintLine(loops.definitions.branches);
    // Enough digits to see where the calculation's 2π makes a difference.
    text += ".control\nset numdgt=" + std::to_string(kDigits) + "\n.endc\n";
    return text + ".end\n";
}
