// The legend of the printed page, in the free space below the phase frame's
// frequency labels: a title row, then rows of entries, each a short stroke in
// the curve's colour and its text in the page's ink.

#include "platform/draw_surface.h"
#include "print/page_drawer.h"

namespace {

// Of an entry's column, in page units: the stroke, then the text after a gap.
constexpr double kStrokeUnits = 8;
constexpr double kTextUnits = 10;
constexpr double kFramesWidthUnits = 150;
constexpr double kFramesLeftUnits = 10;

}  // namespace

void PageDrawer::DrawLegend(const CurveLegend& legend)
{
    if (legend.entries.empty()) return;
    DrawSurface& s = surf();
    const float D = LayoutWidth(prt_.paper.paperWidthMm, prt_.margins);
    const double u = static_cast<double>(D) / 160.0;
    const double row = LegendRowHeight(D);
    const double left = kFramesLeftUnits * u;
    const double column = kFramesWidthUnits * u / kLegendColumns;
    s.MoveTo(left, LegendTop(D));
    s.Print(legend.title);
    for (size_t i = 0; i < legend.entries.size(); ++i) {
        const LegendEntry& entry = legend.entries[i];
        const double x = left + column * static_cast<double>(i % kLegendColumns);
        const double top = LegendTop(D) + row * static_cast<double>(1 + i / kLegendColumns);
        const double middle = top + s.TextHeight(entry.text) / 2;
        s.Line(x, middle, x + kStrokeUnits * u, middle, entry.colour);
        s.MoveTo(x + kTextUnits * u, top);
        s.Print(entry.text);
    }
}
