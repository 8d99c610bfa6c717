#include "sweep_csv.h"

#include <cmath>

#include "calc/calc_error.h"
#include "calc/number_text.h"
#include "circuit_of_document.h"
#include "graph/sweep_data.h"
#include "page_calculation.h"
#include "platform/qstring_utf8.h"

namespace {

QString Header(PlottedQuantity quantity, int branches)
{
    QString header = QStringLiteral("f[Hz]");
    const auto columns = [&](const QString& name, const char* unit) {
        header += QStringLiteral(",|%1|[%2],phase(%1)[deg]").arg(name, QString::fromLatin1(unit));
    };
    switch (quantity) {
    case PlottedQuantity::InputImpedance:
        columns(QStringLiteral("Zi"), "ohm");
        break;
    case PlottedQuantity::BranchCurrent:
        for (int b = 1; b <= branches; ++b) columns(QStringLiteral("I%1").arg(b, 2, 10, QChar('0')), "A");
        break;
    case PlottedQuantity::BranchVoltage:
        for (int b = 1; b <= branches; ++b) columns(QStringLiteral("V%1").arg(b, 2, 10, QChar('0')), "V");
        break;
    }
    return header + '\n';
}

QString Rows(const SweepFrequencies& sweep, const SweepData& data)
{
    QString text;
    for (size_t k = 0; k < sweep.frequency.size(); ++k) {
        text += U8(ShortestText(sweep.frequency[k]));
        for (const SweepCurve& curve : data.curves) {
            const std::optional<SweepValue>& v = curve.values[k];
            text += v ? ',' + U8(ShortestText(v->magnitude)) + ',' + U8(ShortestText(v->phase)) : QStringLiteral(",,");
        }
        text += '\n';
    }
    return text;
}

SweepCsv Swept(Circuit& c, PlottedQuantity quantity, const SweepRange& range)
{
    const double end = range.from * std::pow(10.0, range.decades);
    const SweepFrequencies sweep = SweptFrequencies(range.from, end, SweepStep(range.from, end));
    SetSweepSource(c);
    const SweepData data = AnalyseSweep(c, sweep, quantity, true);
    BranchChecks every;
    every.fill(true);
    const SweepResult outcome = SweepOutcome(data, quantity, every);
    if (outcome.kind != SweepResult::Completed) return {{}, U8(outcome.description)};
    return {Header(quantity, c.BrCnt) + Rows(sweep, data), std::nullopt};
}

}  // namespace

SweepCsv SweepCsvOf(const CircuitDocument& document, PlottedQuantity quantity, const SweepRange& range)
{
    Circuit c = CircuitOf(document);
    try {
        const PageCalculation page = CalculatePage(c, LeadingDefinedCurrents(document));
        if (page.failure) return {{}, U8(*page.failure)};
        return Swept(c, quantity, range);
    } catch (const CalcError& e) {
        return {{}, U8(e.description())};
    }
}
