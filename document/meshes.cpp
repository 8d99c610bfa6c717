#include "meshes.h"

#include <algorithm>
#include <stdexcept>

#include "disjoint_sets.h"

namespace {

// A dart is an edge walked one way: dart 2e along its segment's direction,
// 2e + 1 against it.
int Tail(const DiagramGraph& g, int dart)
{
    const GraphEdge& e = g.edges[dart / 2];
    return dart % 2 == 0 ? e.from : e.to;
}

int Head(const DiagramGraph& g, int dart) { return Tail(g, dart ^ 1); }

int Leaving(const DiagramGraph& g, int edge, int vertex) { return g.edges[edge].from == vertex ? 2 * edge : 2 * edge + 1; }

// The dart after this one around its face: at its head the first edge
// counterclockwise from the way back, the way back itself at a dead end. The
// face thus lies to the right of each of its darts, and a bounded face is
// walked clockwise on the screen.
int Next(const DiagramGraph& g, int dart)
{
    const int v = Head(g, dart);
    const int back = static_cast<int>(HeadingOf(g.vertices[v], g.vertices[Tail(g, dart)]));
    for (int turn = kHeadings - 1; turn > 0; --turn)
        if (const int edge = g.around[v][(back + turn) % kHeadings]; edge >= 0) return Leaving(g, edge, v);
    return dart ^ 1;
}

struct Face {
    std::vector<int> darts;  // in walking order
    std::vector<int> net;    // per segment: darts along it less darts against it
    GridPoint corner;
};

struct Faces {
    std::vector<Face> faces;
    std::vector<int> faceOf;  // per dart
    int outer = 0;
};

// The first vertex in reading order has edges only to the right and
// downwards. The face to the right of the dart leaving it downwards, or else
// rightwards, reaches above and to the left of it: the unbounded face.
int OuterFace(const DiagramGraph& g, const std::vector<int>& faceOf)
{
    const auto& first = g.around[0];
    const int down = first[static_cast<int>(Heading::Down)];
    return faceOf[down >= 0 ? Leaving(g, down, 0) : Leaving(g, first[static_cast<int>(Heading::Right)], 0)];
}

Faces TraceFaces(const DiagramGraph& g)
{
    Faces all;
    const int darts = 2 * static_cast<int>(g.edges.size());
    all.faceOf.assign(darts, -1);
    for (int start = 0; start < darts; ++start) {
        if (all.faceOf[start] >= 0) continue;
        Face f;
        f.net.assign(g.segments.size(), 0);
        f.corner = g.vertices[Tail(g, start)];
        for (int d = start; all.faceOf[d] < 0; d = Next(g, d)) {
            all.faceOf[d] = static_cast<int>(all.faces.size());
            f.darts.push_back(d);
            f.net[g.edges[d / 2].segment] += d % 2 == 0 ? 1 : -1;
            f.corner = std::min(f.corner, g.vertices[Tail(g, d)]);
        }
        all.faces.push_back(std::move(f));
    }
    all.outer = OuterFace(g, all.faceOf);
    return all;
}

// True when a branch or the source is walked along on balance: a face
// bounded by wires alone, or with dangling branches in it, is no loop.
bool IsLoop(const DiagramGraph& g, const Face& f)
{
    for (size_t s = 0; s < g.segments.size(); ++s)
        if (g.segments[s].kind != SegmentKind::Wire && f.net[s] != 0) return true;
    return false;
}

// Faces that only wires part from the unbounded one lie inside a ring of
// wires, which is one node. Several of them there are branches shorted by
// the ring, and loops that depend on each other.
std::optional<DiagramRefusal> RingFault(const DiagramGraph& g, const Faces& all)
{
    const int n = static_cast<int>(all.faces.size());
    DisjointSets parted(n);
    for (size_t e = 0; e < g.edges.size(); ++e)
        if (g.segments[g.edges[e].segment].kind != SegmentKind::Wire)
            parted.Join(all.faceOf[2 * e], all.faceOf[2 * e + 1]);
    std::vector<int> size(n, 0);
    for (int f = 0; f < n; ++f) ++size[parted.Find(f)];
    std::vector<DiagramRefusal> faults;
    for (int f = 0; f < n; ++f)
        if (size[parted.Find(f)] > 1 && parted.Find(f) != parted.Find(all.outer))
            faults.push_back({DiagramFault::WireRing, all.faces[f].corner});
    return FirstByPlace(faults);
}

int SourceSegment(const DiagramGraph& g)
{
    for (size_t s = 0; s < g.segments.size(); ++s)
        if (g.segments[s].kind == SegmentKind::Source) return static_cast<int>(s);
    throw std::logic_error("a drawing without a source reached the meshes");
}

int BranchCount(const DiagramGraph& g)
{
    return static_cast<int>(std::count_if(g.segments.begin(), g.segments.end(),
                                          [](const Segment& s) { return s.kind == SegmentKind::Branch; }));
}

std::vector<GridPoint> PointsOf(const std::vector<MeshStep>& boundary)
{
    std::vector<GridPoint> points;
    for (const MeshStep& step : boundary) points.push_back(step.from);
    return points;
}

// Starts the walk at its corner; where it passes the corner more than once,
// at the pass after which the rest reads first. No two meshes then start
// alike, and the walk does not depend on the order of the segments.
void StartAtCorner(Mesh& m)
{
    std::vector<MeshStep> best;
    for (size_t i = 0; i < m.boundary.size(); ++i) {
        if (m.boundary[i].from != m.corner) continue;
        std::vector<MeshStep> rotated = m.boundary;
        std::rotate(rotated.begin(), rotated.begin() + static_cast<std::ptrdiff_t>(i), rotated.end());
        if (best.empty() || PointsOf(rotated) < PointsOf(best)) best = std::move(rotated);
    }
    m.boundary = std::move(best);
}

Mesh MeshOf(const DiagramGraph& g, const Face& f, bool reversed)
{
    Mesh m;
    m.corner = f.corner;
    for (int d : f.darts) {
        const MeshStep step{g.edges[d / 2].segment, g.vertices[Tail(g, d)], g.vertices[Head(g, d)]};
        m.boundary.push_back(reversed ? MeshStep{step.segment, step.to, step.from} : step);
    }
    if (reversed) std::reverse(m.boundary.begin(), m.boundary.end());
    StartAtCorner(m);
    m.branches.assign(static_cast<size_t>(BranchCount(g)) + 1, 0);
    for (size_t s = 0; s < g.segments.size(); ++s)
        if (g.segments[s].kind == SegmentKind::Branch)
            m.branches[g.segments[s].number] = static_cast<int16_t>(reversed ? -f.net[s] : f.net[s]);
    return m;
}

void NumberLoops(std::vector<Mesh>& meshes)
{
    std::vector<std::pair<std::vector<GridPoint>, Mesh>> keyed;
    for (size_t k = 1; k < meshes.size(); ++k) keyed.emplace_back(PointsOf(meshes[k].boundary), std::move(meshes[k]));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t k = 1; k < meshes.size(); ++k) meshes[k] = std::move(keyed[k - 1].second);
}

std::optional<DiagramRefusal> CountFault(const std::vector<Mesh>& meshes)
{
    constexpr size_t kMinLoops = 2, kMaxLoops = 5;
    if (meshes.size() < kMinLoops) return DiagramRefusal{DiagramFault::LoopCount, meshes.front().corner};
    if (meshes.size() > kMaxLoops) return DiagramRefusal{DiagramFault::LoopCount, meshes[kMaxLoops].corner};
    return std::nullopt;
}

}  // namespace

std::variant<DiagramRefusal, std::vector<Mesh>> FindMeshes(const DiagramGraph& g)
{
    const Faces all = TraceFaces(g);
    if (auto fault = RingFault(g, all)) return *fault;
    const int source = SourceSegment(g);
    const Segment& e = g.segments[source];
    // Wires from one end of the source to the other close a loop without
    // impedance, whether they bound a mesh with it or go round other meshes.
    if (g.nodeOf[g.VertexAt(e.from)] == g.nodeOf[g.VertexAt(e.to)])
        return DiagramRefusal{DiagramFault::NoImpedance, e.from};
    std::vector<Mesh> meshes(1);
    int sourceMeshes = 0;
    for (size_t f = 0; f < all.faces.size(); ++f) {
        const Face& face = all.faces[f];
        if (static_cast<int>(f) == all.outer || !IsLoop(g, face)) continue;
        if (face.net[source] == 0)
            meshes.push_back(MeshOf(g, face, false));
        else if (++sourceMeshes == 1)
            meshes[0] = MeshOf(g, face, face.net[source] < 0);
    }
    if (sourceMeshes != 1) return DiagramRefusal{DiagramFault::SourceNotOuter, e.from};
    NumberLoops(meshes);
    if (auto fault = CountFault(meshes)) return *fault;
    return meshes;
}
