#include "diagram_graph.h"

#include <algorithm>
#include <optional>

#include "disjoint_sets.h"

namespace {

bool Horizontal(const Segment& s) { return s.from.y == s.to.y; }

// The segment's extent along its line.
std::pair<int, int> Span(const Segment& s)
{
    const int a = Horizontal(s) ? s.from.x : s.from.y, b = Horizontal(s) ? s.to.x : s.to.y;
    return std::minmax(a, b);
}

bool OnLine(GridPoint p, const Segment& s) { return Horizontal(s) ? p.y == s.from.y : p.x == s.from.x; }

bool Inside(GridPoint p, const Segment& s)
{
    const auto [low, high] = Span(s);
    const int along = Horizontal(s) ? p.x : p.y;
    return OnLine(p, s) && along > low && along < high;
}

bool IsEnd(GridPoint p, const Segment& s) { return p == s.from || p == s.to; }

// Segments on one line may share an end and nothing more.
std::optional<DiagramRefusal> ParallelFault(const Segment& a, const Segment& b)
{
    if (!OnLine(b.from, a)) return std::nullopt;
    const auto [lowA, highA] = Span(a);
    const auto [lowB, highB] = Span(b);
    const int low = std::max(lowA, lowB), high = std::min(highA, highB);
    if (low >= high) return std::nullopt;
    const GridPoint start = Horizontal(a) ? GridPoint{low, a.from.y} : GridPoint{a.from.x, low};
    return DiagramRefusal{DiagramFault::Crossing, start};
}

// A horizontal and a vertical segment may meet at an end of both, or where
// one ends on a wire's interior.
std::optional<DiagramRefusal> PerpendicularFault(const Segment& h, const Segment& v)
{
    const GridPoint p{v.from.x, h.from.y};
    const bool inH = Inside(p, h), inV = Inside(p, v);
    if (!(inH || IsEnd(p, h)) || !(inV || IsEnd(p, v))) return std::nullopt;
    if (inH && inV) return DiagramRefusal{DiagramFault::Crossing, p};
    const Segment& passed = inH ? h : v;
    if ((inH || inV) && passed.kind != SegmentKind::Wire) return DiagramRefusal{DiagramFault::EndOnBranch, p};
    return std::nullopt;
}

std::optional<DiagramRefusal> MeetingFault(const Diagram& diagram)
{
    std::vector<DiagramRefusal> faults;
    const std::vector<Segment>& s = diagram.segments;
    for (size_t i = 0; i < s.size(); ++i)
        for (size_t j = i + 1; j < s.size(); ++j) {
            std::optional<DiagramRefusal> fault;
            if (Horizontal(s[i]) == Horizontal(s[j]))
                fault = ParallelFault(s[i], s[j]);
            else if (Horizontal(s[i]))
                fault = PerpendicularFault(s[i], s[j]);
            else
                fault = PerpendicularFault(s[j], s[i]);
            if (fault) faults.push_back(*fault);
        }
    return FirstByPlace(faults);
}

std::vector<GridPoint> Ends(const Diagram& diagram)
{
    std::vector<GridPoint> points;
    for (const Segment& s : diagram.segments) {
        points.push_back(s.from);
        points.push_back(s.to);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

// Each segment from its `from` to its `to`, cut at the ends lying on it.
std::vector<GraphEdge> Pieces(const DiagramGraph& g)
{
    std::vector<GraphEdge> edges;
    for (size_t i = 0; i < g.segments.size(); ++i) {
        const Segment& s = g.segments[i];
        std::vector<GridPoint> stops = {s.from, s.to};
        for (GridPoint p : g.vertices)
            if (Inside(p, s)) stops.push_back(p);
        std::sort(stops.begin(), stops.end());
        if (s.to < s.from) std::reverse(stops.begin(), stops.end());
        for (size_t k = 0; k + 1 < stops.size(); ++k)
            edges.push_back({static_cast<int>(i), g.VertexAt(stops[k]), g.VertexAt(stops[k + 1])});
    }
    return edges;
}

int Degree(const std::array<int, kHeadings>& slots)
{
    return static_cast<int>(std::count_if(slots.begin(), slots.end(), [](int e) { return e >= 0; }));
}

int OnlyEdge(const std::array<int, kHeadings>& slots) { return *std::max_element(slots.begin(), slots.end()); }

void Connect(std::vector<std::array<int, kHeadings>>& around, const std::vector<GridPoint>& vertices,
             const GraphEdge& e, int id)
{
    around[e.from][static_cast<int>(HeadingOf(vertices[e.from], vertices[e.to]))] = id;
    around[e.to][static_cast<int>(HeadingOf(vertices[e.to], vertices[e.from]))] = id;
}

void Disconnect(std::array<int, kHeadings>& slots, int id) { std::replace(slots.begin(), slots.end(), id, -1); }

// Removes, one after the other, the wires with an end joined to nothing;
// warns of the ends that were so in the drawing.
std::vector<bool> PruneLooseWires(DiagramGraph& g)
{
    std::vector<bool> removed(g.edges.size(), false);
    auto isLooseWire = [&](int v) {
        return Degree(g.around[v]) == 1 && g.segments[g.edges[OnlyEdge(g.around[v])].segment].kind == SegmentKind::Wire;
    };
    std::vector<int> loose;
    for (int v = 0; v < static_cast<int>(g.vertices.size()); ++v)
        if (isLooseWire(v)) {
            loose.push_back(v);
            g.warnings.push_back({DiagramNotice::UnjoinedWireEnd, g.vertices[v], 0});
        }
    while (!loose.empty()) {
        const int v = loose.back();
        loose.pop_back();
        if (!isLooseWire(v)) continue;
        const int id = OnlyEdge(g.around[v]);
        const int other = g.edges[id].from == v ? g.edges[id].to : g.edges[id].from;
        removed[id] = true;
        Disconnect(g.around[v], id);
        Disconnect(g.around[other], id);
        if (isLooseWire(other)) loose.push_back(other);
    }
    return removed;
}

// Keeps the edges not removed and the vertices that still have one.
void Compact(DiagramGraph& g, const std::vector<bool>& removed)
{
    std::vector<int> newVertex(g.vertices.size(), -1);
    std::vector<GridPoint> vertices;
    for (size_t v = 0; v < g.vertices.size(); ++v)
        if (Degree(g.around[v]) > 0) {
            newVertex[v] = static_cast<int>(vertices.size());
            vertices.push_back(g.vertices[v]);
        }
    std::vector<GraphEdge> edges;
    for (size_t e = 0; e < g.edges.size(); ++e)
        if (!removed[e]) edges.push_back({g.edges[e].segment, newVertex[g.edges[e].from], newVertex[g.edges[e].to]});
    g.vertices = std::move(vertices);
    g.edges = std::move(edges);
    g.around.assign(g.vertices.size(), {-1, -1, -1, -1});
    for (size_t e = 0; e < g.edges.size(); ++e) Connect(g.around, g.vertices, g.edges[e], static_cast<int>(e));
}

void NumberNodes(DiagramGraph& g)
{
    DisjointSets joined(static_cast<int>(g.vertices.size()));
    for (const GraphEdge& e : g.edges)
        if (g.segments[e.segment].kind == SegmentKind::Wire) joined.Join(e.from, e.to);
    std::vector<int> nodeOfRoot(g.vertices.size(), -1);
    g.nodeOf.assign(g.vertices.size(), -1);
    g.nodes = 0;
    for (size_t v = 0; v < g.vertices.size(); ++v) {
        int& node = nodeOfRoot[joined.Find(static_cast<int>(v))];
        if (node < 0) node = g.nodes++;
        g.nodeOf[v] = node;
    }
}

// The first point, in reading order, of a piece other than the first one's.
std::optional<DiagramRefusal> PieceFault(const DiagramGraph& g)
{
    DisjointSets pieces(static_cast<int>(g.vertices.size()));
    for (const GraphEdge& e : g.edges) pieces.Join(e.from, e.to);
    for (size_t v = 1; v < g.vertices.size(); ++v)
        if (pieces.Find(static_cast<int>(v)) != pieces.Find(0)) return DiagramRefusal{DiagramFault::SeveralPieces, g.vertices[v]};
    return std::nullopt;
}

}  // namespace

int DiagramGraph::VertexAt(GridPoint point) const
{
    const auto at = std::lower_bound(vertices.begin(), vertices.end(), point);
    return at != vertices.end() && *at == point ? static_cast<int>(at - vertices.begin()) : -1;
}

Heading HeadingOf(GridPoint from, GridPoint to)
{
    if (to.x > from.x) return Heading::Right;
    if (to.y > from.y) return Heading::Down;
    if (to.x < from.x) return Heading::Left;
    return Heading::Up;
}

std::variant<DiagramRefusal, DiagramGraph> JoinSegments(const Diagram& diagram)
{
    if (auto fault = MeetingFault(diagram)) return *fault;
    DiagramGraph g;
    g.segments = diagram.segments;
    g.vertices = Ends(diagram);
    g.edges = Pieces(g);
    g.around.assign(g.vertices.size(), {-1, -1, -1, -1});
    for (size_t e = 0; e < g.edges.size(); ++e) Connect(g.around, g.vertices, g.edges[e], static_cast<int>(e));
    Compact(g, PruneLooseWires(g));
    if (auto fault = PieceFault(g)) return *fault;
    NumberNodes(g);
    return g;
}
