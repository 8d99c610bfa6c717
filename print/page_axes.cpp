#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include <QString>

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "calc/loop_analysis.h"
#include "calc/number_text.h"
#include "sweep/graph_state.h"
#include "graph/label_row.h"
#include "platform/draw_surface.h"
#include "print/page_drawer.h"
#include "print/print_texts.h"

namespace {

struct FrequencyStep {
    double step;  // of m, and of f in multiples of sweepStart
    bool label;
    bool unit;  // the label carries "Ｈｚ"
};

// Grid lines at 1 … 10, 20 … 100 (two decades) or 1 … 10, 20 … 100, 200 …
// 10000 (four decades) times sweepStart; labels at 1, 2, 4, 6, 8, 10, 20, 40,
// 60, 80, 100 or at 1, 10, 100, 1000 times sweepStart.
FrequencyStep StepAt(int decades, double m)
{
    const auto mi = static_cast<int32_t>(std::nearbyint(m));
    if (decades == 2) {
        if (m < 10) return {1, mi == 1 || mi % 2 == 0, mi == 1};
        return {10, mi == 10 || mi % 20 == 0, false};
    }
    const double step = m < 10 ? 1 : m < 100 ? 10 : m < 1000 ? 100 : 1000;
    return {step, m == step, mi == 1};
}

std::string FrequencyLabel(double f)
{
    if (f >= 1e6) return FmtNum(f / 1e6) + prtext::kMega;
    if (f >= 1000) return FmtNum(f / 1000) + Std(Tr(prtext::kKilo));
    return FmtNum(f);
}

struct LevelUnit {
    double below;   // the row's value v is under this bound
    bool multiply;  // printed as v × factor, else v / factor
    double factor;
    double unitPoint;  // the unit line follows only the row of exactly this value
    const char* unit;
};

constexpr double kNoBound = std::numeric_limits<double>::infinity();

constexpr LevelUnit kImpedanceUnits[] = {
    {1e3, false, 1, 10, prtext::kOhm},
    {1e6, false, 1e3, 1e3, prtext::kKiloOhm},
    {1e9, false, 1e6, 1e6, prtext::kMegaOhm},
    {kNoBound, false, 1e9, 1e9, prtext::kGigaOhm},
};
constexpr LevelUnit kCurrentUnits[] = {
    {1e-3, true, 1e6, 1e-6, prtext::kMicroAmpere},
    {1, true, 1e3, 1e-3, prtext::kMilliAmpere},
    {1e3, false, 1, 1, prtext::kAmpere},
    {kNoBound, false, 1e3, 1e3, prtext::kKiloAmpere},
};
constexpr LevelUnit kVoltageUnits[] = {
    {1e-3, true, 1e6, 1e-6, prtext::kMicroVolt},
    {1, true, 1e3, 1e-3, prtext::kMilliVolt},
    {1e3, false, 1, 1, prtext::kVolt},
    {kNoBound, false, 1e3, 1e3, prtext::kKiloVolt},
};

}  // namespace

bool PageDrawer::DrawFrequencyGrid()
{
    int decades;
    switch (g_.frequencySpan) {
    case FrequencySpan::TwoDecades:
        decades = 2;
        g_.sweepEnd = g_.sweepStart * 100;
        break;
    case FrequencySpan::FourDecades:
        decades = 4;
        g_.sweepEnd = g_.sweepStart * 10000;
        break;
    default:
        return false;
    }
    g_.frequencyGridOrigin = 0;
    g_.frequencyDecades = static_cast<float>(decades);

    DrawSurface& s = surf();
    const FrameCorners& fr = prt_.frames;
    const double magW = static_cast<double>(fr.magnitudeRight) - fr.magnitudeLeft;
    const double phW = static_cast<double>(fr.phaseRight) - fr.phaseLeft;
    const double labelTop = fr.phaseBottom + (static_cast<double>(fr.phaseBottom) - fr.phaseTop) * 0.4 / 6 / 2;
    const double last = std::pow(10.0, decades);

    std::vector<RowLabel> labels;
    double m = 1;
    double f = g_.sweepStart;
    while (m <= last) {
        const auto g = static_cast<float>(CommonLogarithm(m));
        const auto xm = static_cast<float>(magW * g / decades + fr.magnitudeLeft);
        s.Line(xm, fr.magnitudeTop, xm, fr.magnitudeBottom);
        const auto xp = static_cast<float>(phW * g / decades + fr.phaseLeft);
        s.Line(xp, fr.phaseTop, xp, fr.phaseBottom);

        g_.lastFrequencyLabel = FrequencyLabel(f);
        const FrequencyStep st = StepAt(decades, m);
        const QString text = QString::fromStdString(g_.lastFrequencyLabel) + (st.unit ? Tr(prtext::kHertz) : QString());
        // The label of the right edge would run over the margin and off the
        // paper: it ends at the frame's edge instead, as on the screen.
        if (st.label) {
            const double width = s.TextWidth(text);
            labels.push_back({text,
                              std::min(fr.magnitudeLeft + magW * (static_cast<double>(g) - 0.035) / decades,
                                       fr.magnitudeRight - width),
                              width});
        }
        m += st.step;
        f += g_.sweepStart * st.step;
    }
    KeepClearOfNext(labels);
    for (const RowLabel& l : labels) {
        s.MoveTo(l.left, labelTop);
        s.Print(l.text);
    }
    return true;
}

void PageDrawer::DrawLevelScale(int n)
{
    g_.magnitudeGridOrigin = 0;
    g_.magnitudeDecades = static_cast<float>(n);
    g_.phaseGridOrigin = 0;
    g_.phaseDivisions = static_cast<float>(n);
    g_.impedanceAxisMax = std::pow(10.0, n) * g_.impedanceAxisMin;
    g_.phaseAxisMax = n * 30 + g_.phaseAxisMin;

    DrawSurface& s = surf();
    const FrameCorners& fr = prt_.frames;
    const float nf = static_cast<float>(n);

    const double magH = static_cast<double>(fr.magnitudeBottom) - fr.magnitudeTop;
    for (float i = 0; i <= nf; i += 1) {
        const auto y = static_cast<float>(fr.magnitudeBottom - magH * i / nf);
        s.Line(fr.magnitudeLeft, y, fr.magnitudeRight, y);
        s.MoveTo((static_cast<double>(fr.magnitudeRight) - fr.magnitudeLeft) * 0.2 * (10.0 / 150.0) / 2, y);
        PrintLevelLabel(i);
    }

    const double phH = static_cast<double>(fr.phaseBottom) - fr.phaseTop;
    for (float i = 0; i <= nf; i += 1) {
        const auto y = static_cast<float>(fr.phaseBottom - phH * i / nf);
        s.Line(fr.phaseLeft, y, fr.phaseRight, y);
        s.MoveTo((static_cast<double>(fr.phaseRight) - fr.phaseLeft) * 0.2 * (10.0 / 150.0) / 2, y);
        s.PrintNumber(static_cast<double>(i * 30) + g_.phaseAxisMin);
        if (i == nf) s.Print(Tr(prtext::kDegrees));
    }
}

// The unit goes as a second print, so it lands one text line below the number.
void PageDrawer::PrintLevelLabel(float row)
{
    std::span<const LevelUnit> units;
    double bottom;
    switch (g_.quantity) {
    case PlottedQuantity::InputImpedance:
        units = kImpedanceUnits;
        bottom = g_.impedanceAxisMin;
        break;
    case PlottedQuantity::BranchCurrent:
        units = kCurrentUnits;
        bottom = g_.currentAxisMin;
        break;
    case PlottedQuantity::BranchVoltage:
        units = kVoltageUnits;
        bottom = g_.voltageAxisMin;
        break;
    default:
        return;
    }
    const double v = std::pow(10.0, static_cast<double>(row)) * bottom;
    for (const LevelUnit& u : units) {
        if (!(v < u.below)) continue;
        surf().PrintNumber(u.multiply ? v * u.factor : v / u.factor);
        if (v == u.unitPoint) surf().Print(Tr(u.unit));
        return;
    }
}
