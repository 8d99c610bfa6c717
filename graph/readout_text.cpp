#include "graph/readout_text.h"

#include <cmath>

#include "document/language.h"
#include "calc/number_text.h"
#include "graph/graph_texts.h"
#include "graph/quantity_units.h"

namespace {

QString Rounded(double v) { return QString::fromStdString(FmtNum(Dec1(v))); }

}  // namespace

QString FrequencyReadout(double x)
{
    const auto f = static_cast<float>(std::pow(10.0, x));
    QString text;
    if (f < 1000.0f)
        text = Rounded(f);
    else if (f < 1e6f)
        text = Rounded(f / 1000.0) + Tr(graph_text::kKilo);
    else
        text = Rounded(f / 1e6) + 'M';
    return text + QLatin1String(graph_text::kReadoutHz);
}

QString MagnitudeReadout(PlottedQuantity quantity, double y)
{
    const auto v = static_cast<float>(std::pow(10.0, y));
    const UnitRange& range = RangeOf(UnitsOf(quantity), v);
    return Rounded(InUnit(range, v)) + Tr(range.unit);
}

QString PhaseReadout(double y) { return Rounded(y) + Tr(graph_text::kReadoutDegree); }
