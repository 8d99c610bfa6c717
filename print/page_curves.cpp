#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "calc/analysis.h"
#include "calc/checked.h"
#include "calc/circuit.h"
#include "calc/complex.h"
#include "graph/branch_colour.h"
#include "sweep/graph_state.h"
#include "sweep/phase_tracking.h"
#include "graph/sweep.h"
#include "sweep/sweep_data.h"
#include "platform/draw_surface.h"
#include "print/page_drawer.h"
#include "print/page_host.h"
#include "print/print_texts.h"

namespace {

const QColor kKeptColour(0, 255, 255);

}  // namespace

// Log-frequency, log-level and phase to page units for both frames. The
// 32-bit operands are combined in double precision and rounded once.
struct PageDrawer::CurveScale {
    float xL, xR, yB, yT, pB, pT;
    float sx, sy, sp;
    FrameCorners fr;

    double MagX(float x) const { return (static_cast<double>(x) - xL) * sx + fr.magnitudeLeft; }
    double PhX(float x) const { return (static_cast<double>(x) - xL) * sx + fr.phaseLeft; }
    float MagY(float y) const { return static_cast<float>(fr.magnitudeBottom - (static_cast<double>(y) - yB) * sy); }
    float PhY(float p) const { return static_cast<float>(fr.phaseBottom - (static_cast<double>(p) - pB) * sp); }
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
            s_.PSet(X, Y, colour_);
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

PageDrawer::CurveScale PageDrawer::MakeScale(double bottom, double top)
{
    g_.sweepStep = SweepStep(g_.sweepStart, g_.sweepEnd);
    CurveScale s{};
    s.fr = prt_.frames;
    s.xL = static_cast<float>(Lg10(g_.sweepStart));
    s.xR = static_cast<float>(Lg10(g_.sweepEnd));
    s.yB = static_cast<float>(Lg10(bottom));
    s.yT = static_cast<float>(Lg10(top));
    s.pB = static_cast<float>(g_.phaseAxisMin);
    s.pT = static_cast<float>(g_.phaseAxisMax);
    const float D = LayoutWidth(prt_.paper.paperWidthMm, prt_.margins);
    const float height = D * (60.0f / 160.0f);
    s.sy = static_cast<float>(checked::Div(height, s.yT - s.yB));
    s.sp = static_cast<float>(checked::Div(height, s.pT - s.pB));
    s.sx = static_cast<float>(checked::Div(D * (150.0f / 160.0f), s.xR - s.xL));
    return s;
}

PageDrawer::PassEnd PageDrawer::Sweep(const std::function<void(float)>& point)
{
    const SweepFrequencies sweep = SweptFrequencies(g_.sweepStart, g_.sweepEnd, g_.sweepStep);
    for (size_t k = 0; k < sweep.frequency.size(); ++k) {
        c_.Frq = sweep.frequency[k];
        try {
            switch (CheckSingular(calciz(c_))) {
            case PointCheck::Draw:
                point(sweep.logFrequency[k]);
                break;
            case PointCheck::Skip:
                break;
            case PointCheck::Stop:
                return PassEnd::Stopped;
            }
        } catch (const CalcError& e) {
            if (e.number() != CalcError::DivisionByZero) throw;
        }
    }
    return PassEnd::Complete;
}

// A loop matrix that cannot be inverted at this frequency leaves the point
// out. Before any valid calculation there is nothing to draw at all, and the
// user is sent back to enter the circuit.
PageDrawer::PointCheck PageDrawer::CheckSingular(AnalysisOutcome outcome)
{
    if (outcome == AnalysisOutcome::Solved) return PointCheck::Draw;
    if (host_.FrequencyCommandEnabled()) return PointCheck::Skip;
    Report(MessageIcon::Error, QString::fromUtf8(prtext::kEnterCircuit));
    host_.PressReturn();
    return PointCheck::Stop;
}

bool PageDrawer::PlotImpedancePage()
{
    const CurveScale s = MakeScale(g_.impedanceAxisMin, g_.impedanceAxisMax);

    PenTrace level(surf(), kLiveCurveColour, s.fr.magnitudeTop, s.fr.magnitudeBottom);
    const PassEnd levelEnd = Sweep([&](float x) {
        const Complex v = c_.ZReg;
        if (IsZero(v)) return;
        level.Plot(s.MagX(x), s.MagY(static_cast<float>(Lg10(CpxAbs(v)))));
    });
    if (levelEnd == PassEnd::Stopped) return false;

    PhaseTracking phase;
    PenTrace angle(surf(), kLiveCurveColour, s.fr.phaseTop, s.fr.phaseBottom);
    const PassEnd phaseEnd = Sweep([&](float x) { angle.Plot(s.PhX(x), s.PhY(phase.Next(c_.ZReg))); });
    if (phaseEnd == PassEnd::Stopped) return false;

    if (g_.keptCurve.on) PlotKeptCurve(s);
    return true;
}

// The kept points are in log coordinates, so they land where the current
// scales put them; points beyond the frequency span are left out too.
void PageDrawer::PlotKeptCurve(const CurveScale& s)
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

// An error other than a division by zero ends the branch curves silently,
// leaving the page as far as it was drawn.
bool PageDrawer::PlotBranchPage(bool voltages)
{
    try {
        const CurveScale s = voltages ? MakeScale(g_.voltageAxisMin, g_.voltageAxisMax)
                                      : MakeScale(g_.currentAxisMin, g_.currentAxisMax);
        for (int b = 1; b <= c_.BrCnt; ++b) {
            PhaseTracking phase;
            if (!host_.BranchChecked(b)) continue;
            const QColor colour = BranchColour(g_.branchColours[b]);
            const auto value = [&]() -> const Complex& { return voltages ? c_.BrVol[b] : c_.BrCur[b]; };

            PenTrace level(surf(), colour, s.fr.magnitudeTop, s.fr.magnitudeBottom);
            const PassEnd levelEnd = Sweep([&](float x) {
                if (IsZero(value())) return;
                const auto logMagnitude = static_cast<float>(Lg10(voltages ? c_.BrVolAbs[b] : c_.BrCurAbs[b]));
                level.Plot(s.MagX(x), s.MagY(logMagnitude));
            });
            if (levelEnd == PassEnd::Stopped) return false;

            PenTrace angle(surf(), colour, s.fr.phaseTop, s.fr.phaseBottom);
            const PassEnd phaseEnd = Sweep([&](float x) { angle.Plot(s.PhX(x), s.PhY(phase.Next(value()))); });
            if (phaseEnd == PassEnd::Stopped) return false;
        }
    } catch (const CalcError&) {
    }
    return true;
}
