#include "sweep/sweep_table.h"

#include <algorithm>
#include <cmath>

#include "calc/number_text.h"

namespace {

const char* UnitOf(PlottedQuantity quantity)
{
    switch (quantity) {
    case PlottedQuantity::BranchCurrent:
        return "A";
    case PlottedQuantity::BranchVoltage:
        return "V";
    default:
        return "ohm";
    }
}

// A curve of a stepped family has its value before its columns' names.
QString ColumnPrefix(const PlottedSweep& sweep, const PlottedCurve& curve)
{
    if (curve.member < 0) return {};
    return StepColumnName(*ElementValueOf(sweep, curve)) + QLatin1Char(' ');
}

QString Header(const PlottedSweep& sweep, const std::vector<PlottedCurve>& curves, bool kept, QChar separator)
{
    QString header = QStringLiteral("f[Hz]");
    const auto columns = [&](const QString& prefix, const QString& name, const char* unit) {
        header += separator + prefix + QStringLiteral("|%1|[%2]").arg(name, QLatin1String(unit)) + separator + prefix +
                  QStringLiteral("phase(%1)[deg]").arg(name);
    };
    for (const PlottedCurve& curve : curves)
        columns(ColumnPrefix(sweep, curve), CurveName(curve), UnitOf(sweep.quantity));
    if (kept) {
        header += separator + QStringLiteral("f(Zi kept)[Hz]");
        columns({}, QStringLiteral("Zi kept"), UnitOf(PlottedQuantity::InputImpedance));
    }
    return header + '\n';
}

QString Number(double v) { return QString::fromStdString(ShortestText(v)); }
QString Number(float v) { return QString::fromStdString(ShortestText(v)); }

// A recorded log10 value as the 32-bit number it stands for.
QString FromLog(float logValue) { return Number(static_cast<float>(std::pow(10.0, logValue))); }

void AppendSweepCells(QString& row, const PlottedSweep& sweep, const std::vector<PlottedCurve>& curves, size_t k,
                      QChar separator)
{
    row += Number(sweep.frequencies.frequency[k]);
    for (const PlottedCurve& curve : curves) {
        const std::optional<SweepValue> v = ValueAt(sweep, curve, k);
        row += separator + (v ? Number(v->magnitude) : QString()) + separator + (v ? Number(v->phase) : QString());
    }
}

void AppendKeptCells(QString& row, const KeptCurve& kept, int j, QChar separator)
{
    if (j > kept.count || j >= KeptCurve::kSize) {
        row += QString(3, separator);
        return;
    }
    row += separator + FromLog(kept.logFrequency[j]) + separator + FromLog(kept.logMagnitude[j]) + separator +
           Number(kept.phase[j]);
}

}  // namespace

QString SweepTableText(const PlottedSweep& sweep, const KeptCurve* kept, QChar separator)
{
    const std::vector<PlottedCurve> curves = CurvesOf(sweep);
    const bool withKept = kept != nullptr && kept->on;
    QString text = Header(sweep, curves, withKept, separator);
    const size_t points = sweep.frequencies.frequency.size();
    const size_t rows = withKept ? std::max<size_t>(points, std::min<int>(kept->count, KeptCurve::kSize - 1)) : points;
    for (size_t k = 0; k < rows; ++k) {
        QString row;
        if (k < points)
            AppendSweepCells(row, sweep, curves, k, separator);
        else
            row += QString(2 * curves.size(), separator);
        if (withKept) AppendKeptCells(row, *kept, static_cast<int>(k) + 1, separator);
        text += row + '\n';
    }
    return text;
}
