#include "print/report_content.h"

#include <QFileInfo>

#include "document/document_texts.h"
#include "document/language.h"
#include "document/results_text.h"
#include "document/signed_sum_text.h"
#include "graph/graph_texts.h"
#include "print/print_texts.h"

namespace {

// A value as typed with its unit; nothing for an empty field, which holds
// no value of its own (no capacitor).
QString Entered(const ValueEntry& value)
{
    return value.text.isEmpty() ? QString() : value.text + QLatin1Char(' ') + Tr(value.unit);
}

QString Terms(const std::optional<SignedSumMarks>& marks, SumKind kind)
{
    const QString terms = marks ? SumTerms(*marks, kind) : QString();
    return terms.isEmpty() ? Tr(prtext::kReportUndefined) : terms;
}

ReportTable ElementTable(const CircuitDocument& d)
{
    ReportTable table{{Tr(prtext::kReportBranch), QStringLiteral("R"), QStringLiteral("L"), QStringLiteral("C"),
                       Tr(graph_text::kQtyCurrent)},
                      {}};
    for (int b = 1; b <= d.branches; ++b) {
        const size_t i = static_cast<size_t>(b - 1);
        const std::optional<ElementEntry> element = i < d.elements.size() ? d.elements[i] : std::nullopt;
        const QString current = Terms(i < d.currents.size() ? d.currents[i] : std::nullopt, SumKind::BranchCurrent);
        if (element)
            table.rows.push_back({QStringLiteral("Z%1").arg(b), Entered(element->values[kResistanceEntry]),
                                  Entered(element->values[kInductanceEntry]),
                                  Entered(element->values[kCapacitanceEntry]), current});
        else
            table.rows.push_back({QStringLiteral("Z%1").arg(b), Tr(prtext::kReportNotEntered), {}, {}, current});
    }
    return table;
}

std::vector<QString> MatrixLines(const CircuitDocument& d)
{
    std::vector<QString> lines;
    for (int j = 1; j <= d.loops; ++j)
        for (int k = j; k <= d.loops; ++k)
            lines.push_back(QStringLiteral("Z%1%2 = ").arg(j).arg(k) +
                            Terms(d.matrix[MatrixPosition(j, k)], SumKind::MatrixElement));
    return lines;
}

QString MagnitudeCell(const std::optional<ShownValue>& v)
{
    return v ? v->first + QLatin1Char(' ') + v->unit : QString();
}

ReportTable ResultTable(const ShownResults& shown)
{
    const QString phase = Tr(prtext::kReportPhase);
    ReportTable table{{Tr(prtext::kReportBranch), Tr(prtext::kReportImpedance), Tr(graph_text::kQtyCurrent), phase,
                       Tr(graph_text::kQtyVoltage), phase},
                      {},
                      {false, false, true, true, true, true}};
    for (size_t i = 0; i < shown.impedance.size(); ++i) {
        const ShownValue& z = shown.impedance[i];
        const std::optional<ShownValue>& current = shown.current[i];
        const std::optional<ShownValue>& voltage = shown.voltage[i];
        table.rows.push_back(
            {QStringLiteral("Z%1").arg(i + 1),
             z.first + QLatin1Char(' ') + Tr(texts::kPlusJ) + QLatin1Char(' ') + z.second + QLatin1Char(' ') + z.unit,
             MagnitudeCell(current), current ? current->second : QString(), MagnitudeCell(voltage),
             voltage ? voltage->second : QString()});
    }
    return table;
}

}  // namespace

ReportContent ContentOf(const CircuitReport& report)
{
    const CircuitDocument& d = report.document;
    ReportContent content;
    content.file = Tr(prtext::kReportFile) +
                   (report.file.isEmpty() ? Tr(prtext::kReportUnsaved) : QFileInfo(report.file).fileName());
    content.date = report.date.toString(Tr(prtext::kReportDate));
    content.source = QStringLiteral("E = ") + Entered(d.emf) + Tr(graph_text::kIdeographicSpace) +
                     Tr(graph_text::kIdeographicSpace) + QStringLiteral("f = ") + Entered(d.frequency);
    content.elements = ElementTable(d);
    content.matrix = MatrixLines(d);
    const ShownCalculation shown = ShownResultsOf(d);
    content.failure = shown.failure;
    if (shown.results) {
        content.results = ResultTable(*shown.results);
        const ShownValue& zi = shown.results->inputImpedance;
        content.inputImpedance = QStringLiteral("Zi = ") + zi.first + QLatin1Char(' ') + zi.unit +
                                 Tr(graph_text::kIdeographicSpace) + Tr(graph_text::kPhTitle) + QLatin1Char(' ') +
                                 zi.second + Tr(prtext::kDegrees);
    }
    return content;
}
