#include "graph/marker_readout.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "document/language.h"
#include "calc/number_text.h"
#include "calc/unit_texts.h"
#include "graph/graph_texts.h"
#include "graph/quantity_units.h"
#include "document/qstring_utf8.h"

namespace {

constexpr int kSignificant = 5;
// Below this a value would start with more than four zeros: it is written
// with an exponent, so that its digits are not lost in them.
constexpr double kSmallestPlain = 1e-4;

struct FrequencyUnit {
    double upper;
    double divisor;
    const char* unit;
};
constexpr std::array<FrequencyUnit, 3> kFrequencyUnits{{
    {1000, 1, unit_text::kHertz},
    {1e6, 1000, unit_text::kKiloHertz},
    {std::numeric_limits<double>::infinity(), 1e6, unit_text::kMegaHertz},
}};

// v with five significant digits, trailing zeros kept: they tell the precision.
QString Significant(double v)
{
    if (v == 0 || !std::isfinite(v)) return QString::number(v, 'f', kSignificant - 1);
    if (std::abs(v) < kSmallestPlain) return QString::fromStdString(ExponentText(v, kSignificant));
    int decimals = std::max(0, kSignificant - 1 - static_cast<int>(std::floor(std::log10(std::abs(v)))));
    // 99999.7 rounds up to a sixth digit; one decimal fewer keeps five.
    if (decimals > 0 &&
        std::abs(QString::number(v, 'f', decimals).toDouble()) >= std::pow(10.0, kSignificant - decimals))
        --decimals;
    return QString::number(v, 'f', decimals);
}

}  // namespace

QString MarkerFrequencyText(double frequency)
{
    for (const FrequencyUnit& u : kFrequencyUnits)
        if (frequency < u.upper) return Significant(frequency / u.divisor) + Tr(u.unit);
    return Significant(frequency) + Tr(unit_text::kHertz);
}

QString MarkerMagnitudeText(PlottedQuantity quantity, double magnitude)
{
    const UnitRange& range = RangeOf(UnitsOf(quantity), magnitude);
    return Significant(InUnit(range, magnitude)) + Tr(range.unit);
}

QString MarkerPhaseText(double phase) { return QString::number(phase, 'f', 2) + Tr(graph_text::kReadoutDegree); }

QString MarkerValuesText(const PlottedCurve& curve, const CurvePoint& point, const QString& note)
{
    const QString name = CurveName(curve);
    const QString gap = Tr(graph_text::kIdeographicSpace);
    QString text = QStringLiteral("f = ") + MarkerFrequencyText(point.frequency) + gap +
                   QStringLiteral("|%1| = ").arg(name) + MarkerMagnitudeText(curve.quantity, point.magnitude) + gap +
                   QStringLiteral("∠%1 = ").arg(name) + MarkerPhaseText(point.phase);
    if (!note.isEmpty()) text += gap + note;
    return text;
}

QString SearchNote(CurveSearch search, const SearchFinding& finding)
{
    QString note = Tr(SearchName(search));
    if (finding.atSpanEnd) note += Tr(graph_text::kAtSpanEnd);
    if (search == CurveSearch::HalfPower) {
        QStringList frequencies;
        for (const CurvePoint& p : finding.points) frequencies << MarkerFrequencyText(p.frequency);
        note += Tr(graph_text::kIdeographicSpace) + frequencies.join(Tr(graph_text::kAndThen));
    }
    return note;
}
