#include <algorithm>
#include <utility>

#include "calc/calc_error.h"
#include "calc/checked.h"
#include "graph/branch_colour.h"
#include "platform/draw_surface.h"
#include "platform/scale_map.h"
#include "print/page_drawer.h"

namespace {

const QColor kKeptColour(0, 255, 255);

}  // namespace

// Log-frequency, log-level and phase to page units, in each frame from its
// bottom-left corner with factors rounded to 32 bits; the kept curve is held
// to the frequency span.
struct PageDrawer::FrameMaps {
    float xL, xR;
    FrameCorners fr;
    ScaleMap magnitude, phase;

    double MagX(float x) const { return magnitude.ToPainter(x, 0).x(); }
    double PhX(float x) const { return phase.ToPainter(x, 0).x(); }
    float MagY(float y) const { return static_cast<float>(magnitude.ToPainter(0, y).y()); }
    float PhY(float p) const { return static_cast<float>(phase.ToPainter(0, p).y()); }
};

// One curve inside one frame. A point above or below the frame lifts the pen;
// the next point inside starts a new piece, so nothing is drawn along or
// across the frame edge. The pen starts lifted, so a curve never joins what
// was drawn before it.
class PageDrawer::PenTrace {
public:
    PenTrace(DrawSurface& s, const QColor& colour, float top, float bottom)
        : s_(s), colour_(colour), top_(top), bottom_(bottom)
    {
    }

    void Plot(double X, float Y)
    {
        if (Y < top_ || Y > bottom_) {
            Lift();
        } else if (penUp_) {
            s_.SetPixel(X, Y, colour_);
            penUp_ = false;
        } else {
            s_.LineTo(X, Y, colour_);
        }
    }
    void Lift() { penUp_ = true; }

private:
    DrawSurface& s_;
    QColor colour_;
    float top_, bottom_;
    bool penUp_ = true;
};

PageDrawer::FrameMaps PageDrawer::MakeFrameMaps()
{
    const PlotWindow w = PlotWindowOf(g_);
    const FrameCorners& f = prt_.frames;
    const float D = LayoutWidth(prt_.paper.paperWidthMm, prt_.margins);
    const float height = D * (60.0f / 160.0f);
    const auto sy = static_cast<float>(checked::Div(height, w.top - w.bottom));
    const auto sp = static_cast<float>(checked::Div(height, w.phaseTop - w.phaseBottom));
    const auto sx = static_cast<float>(checked::Div(D * (150.0f / 160.0f), w.right - w.left));
    return {w.left, w.right, f,
            ScaleMap::Scaled({w.left, w.bottom}, {f.magnitudeLeft, f.magnitudeBottom}, sx, -static_cast<double>(sy)),
            ScaleMap::Scaled({w.left, w.phaseBottom}, {f.phaseLeft, f.phaseBottom}, sx, -static_cast<double>(sp))};
}

void PageDrawer::PlotLevel(const FrameMaps& s, const SweepCurve& curve, const QColor& colour)
{
    PenTrace level(surf(), colour, s.fr.magnitudeTop, s.fr.magnitudeBottom);
    for (size_t k = 0; k < curve.values.size(); ++k)
        if (curve.values[k] && curve.values[k]->logMagnitude)
            level.Plot(s.MagX(sweep_.frequencies.logFrequency[k]), s.MagY(*curve.values[k]->logMagnitude));
}

void PageDrawer::PlotPhase(const FrameMaps& s, const SweepCurve& curve, const QColor& colour)
{
    PenTrace angle(surf(), colour, s.fr.phaseTop, s.fr.phaseBottom);
    for (size_t k = 0; k < curve.values.size(); ++k)
        if (curve.values[k]) angle.Plot(s.PhX(sweep_.frequencies.logFrequency[k]), s.PhY(curve.values[k]->phase));
}

// A sweep that could not start, or has no circuit, has no curve to draw.
SweepResult PageDrawer::PlotImpedancePage()
{
    if (sweep_.frequencies.frequency.empty() || sweep_.data.curves.empty()) return outcome_;
    const FrameMaps s = MakeFrameMaps();
    const SweepCurve& curve = sweep_.data.curves[0];
    PlotLevel(s, curve, kLiveCurveColour);
    if (curve.end) return *curve.end;
    PlotPhase(s, curve, kLiveCurveColour);
    if (g_.keptCurve.on) PlotKeptCurve(s);
    return {};
}

// The kept points are in log coordinates, so they land where the current
// scales put them; points beyond the frequency span are left out too.
void PageDrawer::PlotKeptCurve(const FrameMaps& s)
{
    const int count = std::min<int>(g_.keptCurve.count, KeptCurve::kSize - 1);
    const auto trace = [&](float top, float bottom, const auto& at) {
        PenTrace pen(surf(), kKeptColour, top, bottom);
        for (int i = 1; i <= count; ++i) {
            if (g_.keptCurve.logFrequency[i] < s.xL || g_.keptCurve.logFrequency[i] > s.xR) {
                pen.Lift();
            } else {
                const auto [X, Y] = at(i);
                pen.Plot(X, Y);
            }
        }
    };
    trace(s.fr.magnitudeTop, s.fr.magnitudeBottom, [&](int i) {
        return std::pair{s.MagX(g_.keptCurve.logFrequency[i]), s.MagY(g_.keptCurve.logMagnitude[i])};
    });
    trace(s.fr.phaseTop, s.fr.phaseBottom, [&](int i) {
        return std::pair{s.PhX(g_.keptCurve.logFrequency[i]), s.PhY(g_.keptCurve.phase[i])};
    });
}

// Each ticked branch as if it ran its own passes of analyses: its
// magnitudes, then its phases. An end of the analyses or of the curve stops
// the page after the magnitudes up to it; an arithmetic failure does so
// silently.
SweepResult PageDrawer::PlotBranchPage()
{
    if (sweep_.frequencies.frequency.empty()) return {};
    if (sweep_.data.curves.empty()) return outcome_;
    try {
        const FrameMaps s = MakeFrameMaps();
        for (size_t i = 0; i < sweep_.data.curves.size(); ++i) {
            const int b = static_cast<int>(i) + 1;
            if (!sweep_.plotted[b]) continue;
            const SweepCurve& curve = sweep_.data.curves[i];
            const QColor colour = BranchColour(g_.branchColours[b]);
            PlotLevel(s, curve, colour);
            const std::optional<SweepResult> end = curve.end ? curve.end : sweep_.data.analysesEnd;
            if (end) return end->kind == SweepResult::NoCalculation ? *end : SweepResult{};
            PlotPhase(s, curve, colour);
        }
    } catch (const CalcError&) {
    }
    return {};
}

// Each member's curves in its colour, magnitudes then phases, each as far as
// its sweep went; the kept curve over them and the legend below.
SweepResult PageDrawer::PlotFamilyPage()
{
    if (sweep_.frequencies.frequency.empty()) return outcome_;
    const FrameMaps s = MakeFrameMaps();
    for (const PlottedCurve& curve : CurvesOf(sweep_)) {
        const QColor colour = FamilyColour(curve.member);
        PlotLevel(s, NumbersOf(sweep_, curve), colour);
        PlotPhase(s, NumbersOf(sweep_, curve), colour);
    }
    if (g_.quantity == PlottedQuantity::InputImpedance && g_.keptCurve.on) PlotKeptCurve(s);
    DrawLegend(LegendOf(sweep_));
    return {};
}
