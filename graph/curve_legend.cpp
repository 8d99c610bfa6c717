#include "graph/curve_legend.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>

#include "document/language.h"
#include "document/qstring_utf8.h"
#include "graph/branch_colour.h"
#include "graph/graph_texts.h"
#include "platform/font_names.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"

namespace {

constexpr double kLegendPoints = 9;
// Logical pixels: room inside the frame and around it, the stroke before an
// entry and the gap after it.
constexpr int kPadding = 6;
constexpr int kStroke = 18;
constexpr int kGap = 6;
const QColor kTitleColour(255, 255, 255);
// Darker than the graph's blue, so that no grid line or curve runs through
// the texts.
const QColor kGround(24, 24, 96);
const QColor kFrameColour(160, 160, 208);

}  // namespace

CurveLegend LegendOf(const PlottedSweep& sweep)
{
    CurveLegend legend;
    if (sweep.family.empty() || !sweep.varied) return legend;
    legend.title = ElementName(*sweep.varied);
    if (sweep.quantity != PlottedQuantity::InputImpedance) {
        QStringList curves;
        for (const PlottedCurve& curve : CurvesOf(sweep))
            if (curve.member == 0) curves << CurveName(curve);
        legend.title = curves.join(Tr(graph_text::kAndThen)) + Tr(graph_text::kIdeographicSpace) + legend.title;
    }
    for (size_t m = 0; m < sweep.family.size(); ++m)
        legend.entries.push_back(
            {FamilyColour(static_cast<int>(m)), ValueWithUnit(sweep.family[m].value, sweep.varied->kind)});
    return legend;
}

LegendOverlay::LegendOverlay(PictureBox& graph) : QWidget(&graph), graph_(graph)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(MakeFont(U8(kFacePGothic), kLegendPoints));
    hide();
}

void LegendOverlay::ShowLegend(const CurveLegend& legend)
{
    legend_ = legend;
    if (legend_.entries.empty()) {
        hide();
        return;
    }
    const QFontMetrics metrics(font());
    int widest = metrics.horizontalAdvance(legend_.title);
    for (const LegendEntry& entry : legend_.entries)
        widest = std::max(widest, kStroke + kGap + metrics.horizontalAdvance(entry.text));
    const QSize size(widest + 2 * kPadding,
                     metrics.height() * static_cast<int>(1 + legend_.entries.size()) + 2 * kPadding);
    setGeometry(QRect(QPoint(graph_.width() - size.width() - kPadding, kPadding), size));
    show();
    raise();
    update();
}

void LegendOverlay::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kGround);
    p.setPen(kFrameColour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    int top = kPadding;
    p.setPen(kTitleColour);
    p.drawText(QRect(kPadding, top, width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, legend_.title);
    for (const LegendEntry& entry : legend_.entries) {
        top += metrics.height();
        const int middle = top + metrics.height() / 2;
        p.fillRect(QRect(kPadding, middle - 1, kStroke, 3), entry.colour);
        p.setPen(entry.colour);
        p.drawText(QRect(kPadding + kStroke + kGap, top, width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   entry.text);
    }
}
