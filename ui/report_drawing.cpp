#include "report_drawing.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "diagram_painting.h"
#include "document/loop_equations.h"

namespace {

// Logical pixels around the outermost points, room for the names and arrows
// beside the branches.
constexpr double kMargin = 36;
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// A font sized in the canvas's units scales with the canvas wherever it is
// painted, on a printer of any resolution as on the screen.
QFont CanvasFont(QFont font)
{
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * kPixelsPerPoint)));
    return font;
}

}  // namespace

ReportDrawing ReportDrawingOf(const std::optional<DrawnCircuit>& drawn)
{
    if (!drawn || drawn->diagram.segments.empty()) return {};
    DiagramPicture picture{drawn->diagram, {}, {}, {}, {}};
    const auto loops = DeriveLoops(drawn->diagram);
    if (const auto* derived = std::get_if<DiagramLoops>(&loops))
        for (const Mesh& m : derived->meshes) picture.meshes.push_back(MeshMarkOf(m));

    GridView view;
    view.first = view.last = drawn->diagram.segments.front().from;
    for (const Segment& s : drawn->diagram.segments)
        for (GridPoint p : {s.from, s.to}) {
            view.first = {std::min(view.first.x, p.x), std::min(view.first.y, p.y)};
            view.last = {std::max(view.last.x, p.x), std::max(view.last.y, p.y)};
        }
    view.margin = kMargin;
    const DiagramFonts zoomed = FontsFor(1);
    const DiagramFonts fonts{CanvasFont(zoomed.label), CanvasFont(zoomed.edge)};
    return {QSizeF(view.Size()), [view, fonts, picture](QPainter& p) { PaintCircuit(p, view, fonts, picture); }};
}
