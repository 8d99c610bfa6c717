#include "mesh_mark.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Spot {
    double x, y;
};

double DistanceToStep(Spot p, const MeshStep& s)
{
    const double ax = s.from.x, ay = s.from.y, bx = s.to.x, by = s.to.y;
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((p.x - ax) * dx + (p.y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (ax + t * dx), p.y - (ay + t * dy));
}

// Crossings of a ray to the right; steps walked both ways cancel out.
bool Inside(Spot p, const std::vector<MeshStep>& boundary)
{
    bool inside = false;
    for (const MeshStep& s : boundary) {
        if ((s.from.y > p.y) == (s.to.y > p.y)) continue;
        const double crossX = s.from.x + (p.y - s.from.y) * (s.to.x - s.from.x) / double(s.to.y - s.from.y);
        if (crossX > p.x) inside = !inside;
    }
    return inside;
}

// Twice the area the walk encloses, positive when it runs clockwise on the
// screen (y downwards).
long long TwiceArea(const std::vector<MeshStep>& boundary)
{
    long long sum = 0;
    for (const MeshStep& s : boundary) sum += 1LL * s.from.x * s.to.y - 1LL * s.to.x * s.from.y;
    return sum;
}

}  // namespace

MeshMark MeshMarkOf(const Mesh& mesh)
{
    int left = std::numeric_limits<int>::max(), right = std::numeric_limits<int>::min();
    int top = left, bottom = right;
    for (const MeshStep& s : mesh.boundary) {
        left = std::min({left, s.from.x, s.to.x});
        right = std::max({right, s.from.x, s.to.x});
        top = std::min({top, s.from.y, s.to.y});
        bottom = std::max({bottom, s.from.y, s.to.y});
    }
    MeshMark best;
    best.room = -1;
    // On ties the spot nearest the middle of the window, then the first in
    // reading order.
    const double midX = (left + right) / 2.0, midY = (top + bottom) / 2.0;
    double bestOffCentre = 0;
    for (int y2 = 2 * top + 1; y2 < 2 * bottom; ++y2)
        for (int x2 = 2 * left + 1; x2 < 2 * right; ++x2) {
            const Spot p{x2 / 2.0, y2 / 2.0};
            if (!Inside(p, mesh.boundary)) continue;
            double room = std::numeric_limits<double>::max();
            for (const MeshStep& s : mesh.boundary) room = std::min(room, DistanceToStep(p, s));
            const double offCentre = std::hypot(p.x - midX, p.y - midY);
            if (room > best.room + 1e-9 || (room > best.room - 1e-9 && offCentre < bestOffCentre - 1e-9)) {
                best = {p.x, p.y, room, true};
                bestOffCentre = offCentre;
            }
        }
    best.clockwise = TwiceArea(mesh.boundary) > 0;
    return best;
}
