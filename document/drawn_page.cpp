#include "document/drawn_page.h"

#include <algorithm>

#include "document/circuit_size.h"

std::optional<DrawnCircuit> StoredDrawing(const DrawnCircuit& drawing)
{
    DrawnCircuit stored = WithEntryPerNumber(drawing);
    std::stable_sort(stored.diagram.segments.begin(), stored.diagram.segments.end(),
                     [](const Segment& a, const Segment& b) {
                         constexpr auto rank = [](SegmentKind kind) {
                             return kind == SegmentKind::Source ? 0 : kind == SegmentKind::Branch ? 1 : 2;
                         };
                         return rank(a.kind) < rank(b.kind);
                     });
    for (size_t i = 0; i < stored.elements.size(); ++i) {
        const int b = static_cast<int>(i) + 1;
        const bool drawn = std::any_of(stored.diagram.segments.begin(), stored.diagram.segments.end(),
                                       [b](const Segment& s) { return s.kind == SegmentKind::Branch && s.number == b; });
        if (!drawn) stored.elements[i].reset();
    }
    if (stored.diagram.segments.empty()) return std::nullopt;
    return stored;
}

std::optional<ElementEntry> DrawnEntry(const CircuitDocument& page, const DrawnCircuit& drawing, int b)
{
    if (b <= static_cast<int>(drawing.elements.size()) && drawing.elements[b - 1]) return drawing.elements[b - 1];
    if (b <= static_cast<int>(page.elements.size())) return page.elements[b - 1];
    return std::nullopt;
}

CircuitDocument WithDrawnDefinitions(const CircuitDocument& document, const DiagramLoops& loops)
{
    const LoopDefinitions& drawn = loops.definitions;
    CircuitDocument d = Resized(document, drawn.loops, drawn.branches);
    for (int b = 1; b <= drawn.branches; ++b) {
        SignedSumMarks current = *drawn.currents[b - 1];
        current.resize(kCurrentMarkPlaces, 0);
        d.currents[b - 1] = current;
    }
    d.matrix = {};
    for (int j = 1; j <= drawn.loops; ++j)
        for (int k = j; k <= drawn.loops; ++k) d.matrix[MatrixPosition(j, k)] = loops.matrix[ElementPosition(j, k)];
    return d;
}

CircuitDocument DrawnPage(const CircuitDocument& document, const DrawnCircuit& drawing, const DiagramLoops& loops)
{
    CircuitDocument d = WithDrawnDefinitions(document, loops);
    for (int b = 1; b <= d.branches; ++b) d.elements[b - 1] = DrawnEntry(document, drawing, b);
    return d;
}
