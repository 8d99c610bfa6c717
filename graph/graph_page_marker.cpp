// The trace marker: on the plotted curve at the pointer's frequency, with the
// analysis' value there shown in the readout line below the graphs.

#include <algorithm>
#include <cmath>

#include <QLabel>

#include "graph/branch_colour.h"
#include "graph/curve_legend.h"
#include "graph/graph_layout.h"
#include "graph/graph_page.h"
#include "graph/graph_texts.h"
#include "graph/marker_overlay.h"
#include "graph/marker_readout.h"
#include "graph/page_widgets.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "platform/placed_widgets.h"
#include "document/language.h"
#include "document/qstring_utf8.h"

namespace gl = graph_layout;

namespace {

// The point of the sweep nearest to log-frequency x.
size_t NearestPoint(const SweepFrequencies& sweep, double x)
{
    const std::vector<float>& xs = sweep.logFrequency;
    const auto after = std::lower_bound(xs.begin(), xs.end(), x);
    if (after == xs.begin()) return 0;
    if (after == xs.end()) return xs.size() - 1;
    const auto before = after - 1;
    return static_cast<size_t>((x - *before <= *after - x ? before : after) - xs.begin());
}

// The curve's plotted value nearest to point k, nothing where the curve has
// none on the whole sweep.
std::optional<SweepValue> NearestValue(const PlottedSweep& sweep, const PlottedCurve& curve, size_t k)
{
    const size_t n = sweep.frequencies.frequency.size();
    for (size_t d = 0; d < n; ++d) {
        if (d <= k)
            if (auto v = ValueAt(sweep, curve, k - d)) return v;
        if (k + d < n)
            if (auto v = ValueAt(sweep, curve, k + d)) return v;
    }
    return std::nullopt;
}

QLabel* MakeLineLabel(QWidget* parent, const twips::Box& box, bool bold)
{
    auto* label = new QLabel(parent);
    PlaceAt(*label, box);
    Paint(label, gl::kMarkerLineGround);
    label->setFont(MakeFont(U8(kFaceMincho), gl::kReadoutFontPoints, bold));
    label->setIndent(4);
    label->hide();
    return label;
}

}  // namespace

void GraphPage::BuildMarker()
{
    for (Graph graph : kGraphs) markerOverlays_[IndexOf(graph)] = new MarkerOverlay(*graphs_[IndexOf(graph)]);
    legend_ = new LegendOverlay(*graphs_[IndexOf(Graph::Magnitude)]);
    markerName_ = MakeLineLabel(this, gl::kMarkerName, true);
    markerValues_ = MakeLineLabel(this, gl::kMarkerValues, false);
    QPalette text = markerValues_->palette();
    text.setColor(QPalette::WindowText, gl::kMarkerLineText);
    markerValues_->setPalette(text);
}

std::optional<PlottedCurve> GraphPage::CurveNear(Graph graph, double x, double y) const
{
    if (plotted_.frequencies.frequency.empty()) return std::nullopt;
    const size_t k = NearestPoint(plotted_.frequencies, x);
    std::optional<PlottedCurve> nearest;
    double distance = 0;
    for (const PlottedCurve& curve : CurvesOf(plotted_)) {
        const std::optional<SweepValue> v = NearestValue(plotted_, curve, k);
        if (!v) continue;
        const double at = graph == Graph::Phase ? v->phase : v->logMagnitude.value_or(-INFINITY);
        const double d = std::abs(at - y);
        if (!nearest || d < distance) {
            nearest = curve;
            distance = d;
        }
    }
    return nearest;
}

void GraphPage::MoveMarker(Graph graph, double x, double y)
{
    const std::optional<PlottedCurve> curve = CurveNear(graph, x, y);
    if (!curve) {
        DropMarker();
        return;
    }
    const double frequency = std::clamp(std::pow(10.0, x), state_.sweepStart, state_.sweepEnd);
    const std::optional<CurvePoint> point = AnalyseCurveAt(AnalysedCircuit(plotted_, *curve), *curve, frequency);
    if (!point) {
        DropMarker();
        return;
    }
    PlaceMarker(*curve, *point);
}

void GraphPage::PlaceMarker(const PlottedCurve& curve, const CurvePoint& point, std::optional<CurveSearch> search,
                            const SearchFinding& finding)
{
    marker_ = TraceMarker{curve, point, search, finding};
    ShowMarker();
}

void GraphPage::RefreshMarker()
{
    if (!marker_) return;
    const std::vector<PlottedCurve> curves = CurvesOf(plotted_);
    const bool plotted = std::find(curves.begin(), curves.end(), marker_->curve) != curves.end();
    const std::optional<CurvePoint> point =
        plotted ? AnalyseCurveAt(AnalysedCircuit(plotted_, marker_->curve), marker_->curve, marker_->point.frequency)
                : std::nullopt;
    if (!point) {
        DropMarker();
        return;
    }
    marker_->point = *point;
    ShowMarker();
}

void GraphPage::DropMarker()
{
    marker_.reset();
    markerHeld_ = false;
    for (MarkerOverlay* overlay : markerOverlays_) overlay->HideMarker();
    markerName_->hide();
    markerValues_->hide();
}

double GraphPage::PlottedPhaseOf(const TraceMarker& marker) const
{
    const size_t k = NearestPoint(plotted_.frequencies, std::log10(marker.point.frequency));
    const std::optional<SweepValue> v = NearestValue(plotted_, marker.curve, k);
    if (!v) return marker.point.phase;
    return marker.point.phase + 360 * std::round((v->phase - marker.point.phase) / 360);
}

void GraphPage::ShowMarker()
{
    const TraceMarker& m = *marker_;
    const QColor colour = CurveColour(m.curve, state_);
    const double x = std::log10(m.point.frequency);
    // A magnitude of zero lies below every scale.
    const double logMagnitude = m.point.magnitude > 0 ? std::log10(m.point.magnitude) : -INFINITY;
    markerOverlays_[IndexOf(Graph::Magnitude)]->ShowAt(x, logMagnitude, colour);
    markerOverlays_[IndexOf(Graph::Phase)]->ShowAt(x, PlottedPhaseOf(m), colour);

    // A new palette restyles the label: only when the colour changes.
    if (markerName_->palette().color(QPalette::WindowText) != colour) {
        QPalette name = markerName_->palette();
        name.setColor(QPalette::WindowText, colour);
        markerName_->setPalette(name);
    }
    markerName_->setText(CurveName(m.curve));
    // The value of a tuned or stepped element before what a search found.
    QString note = m.search ? SearchNote(*m.search, m.finding) : QString();
    if (const std::optional<ElementValue> value = ElementValueOf(plotted_, m.curve))
        note = note.isEmpty() ? ElementValueText(*value)
                              : ElementValueText(*value) + Tr(graph_text::kIdeographicSpace) + note;
    markerValues_->setText(MarkerValuesText(m.curve, m.point, note));
    markerName_->show();
    markerValues_->show();
}
