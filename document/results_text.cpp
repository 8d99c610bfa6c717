#include "document/results_text.h"

#include "document/language.h"
#include "calc/calc_error.h"
#include "calc/complex.h"
#include "calc/number_text.h"
#include "document/circuit_of_document.h"
#include "document/incomplete_branches.h"
#include "document/page_calculation.h"
#include "document/qstring_utf8.h"
#include "document/document_texts.h"

namespace {

QString Line(const QString& name, const QString& first, const QString& second, const QString& unit)
{
    return name + '\t' + first + '\t' + second + '\t' + unit + '\n';
}

QString Line(const QString& name, const std::string& first, const std::string& second, const QString& unit)
{
    return Line(name, U8(first), U8(second), unit);
}

QString Line(const QString& name, const ShownValue& v) { return Line(name, v.first, v.second, v.unit); }

QString Numbered(char letter, int b) { return QChar(letter) + QStringLiteral("%1").arg(b, 2, 10, QChar('0')); }

ShownValue ShownMagnitude(double magnitude, double multiplier, double phase, const QString& unit)
{
    return {U8(DisplayValue(magnitude, multiplier)), U8(GeneralText(phase)), unit};
}

// Showing a value can overflow, as it does on the calculation page.
ShownResults Shown(const CalculatedPage& page, const CircuitDocument& document)
{
    const DisplayUnits units = DisplayUnitsOf(document);
    const LoopResults& v = page.values;
    const int branches = BranchCount(page.circuit);
    ShownResults shown;
    for (int b = 1; b <= branches; ++b) {
        const double zm = ImpedanceMultiplier(units, b);
        shown.impedance.push_back({U8(DisplayValue(v.branchImpedance[b].re, zm)),
                                   U8(DisplayValue(v.branchImpedance[b].im, zm)), Tr(units.impedance[b - 1])});
        shown.current.emplace_back();
        shown.voltage.emplace_back();
        if (b > static_cast<int>(document.currents.size()) || !document.currents[b - 1]) continue;
        shown.current.back() = ShownMagnitude(v.branchCurrentMagnitude[b], CurrentMultiplier(units, b),
                                              page.currentPhase[b], Tr(units.current[b - 1]));
        shown.voltage.back() = ShownMagnitude(v.branchVoltageMagnitude[b], VoltageMultiplier(units, b),
                                              page.voltagePhase[b], Tr(units.voltage[b - 1]));
    }
    shown.inputImpedance = ShownMagnitude(page.inputImpedanceMagnitude, InputImpedanceMultiplier(units),
                                          page.inputImpedancePhase, Tr(units.inputImpedance));
    return shown;
}

// Every branch has its current here: the lines are written only then.
QString ShownLines(const ShownResults& shown)
{
    const int branches = static_cast<int>(shown.impedance.size());
    QString text;
    for (int b = 1; b <= branches; ++b) text += Line(QStringLiteral("Z%1").arg(b), shown.impedance[b - 1]);
    for (int b = 1; b <= branches; ++b) text += Line(Numbered('I', b), *shown.current[b - 1]);
    for (int b = 1; b <= branches; ++b) text += Line(Numbered('V', b), *shown.voltage[b - 1]);
    return text + Line(QStringLiteral("Zi"), shown.inputImpedance);
}

QString FullLines(const CalculatedPage& page)
{
    const LoopResults& v = page.values;
    const int branches = BranchCount(page.circuit);
    QString text;
    const QString ohm = Tr(texts::kOhm), ampere = Tr(texts::kAmpere), volt = Tr(texts::kVolt);
    for (int b = 1; b <= branches; ++b)
        text += Line(QStringLiteral("Z%1").arg(b), ShortestText(v.branchImpedance[b].re),
                     ShortestText(v.branchImpedance[b].im), ohm);
    for (int b = 1; b <= branches; ++b)
        text += Line(Numbered('I', b), ShortestText(v.branchCurrentMagnitude[b]),
                     ShortestText(ExactPhase(v.branchCurrent[b])), ampere);
    for (int b = 1; b <= branches; ++b)
        text += Line(Numbered('V', b), ShortestText(v.branchVoltageMagnitude[b]),
                     ShortestText(ExactPhase(v.branchVoltage[b])), volt);
    return text + Line(QStringLiteral("Zi"), ShortestText(page.inputImpedanceMagnitude),
                       ShortestText(ExactPhase(v.inputImpedance)), ohm);
}

}  // namespace

ResultsText ResultsOf(const CircuitDocument& document, ResultsForm form)
{
    try {
        const PageCalculation page = CalculatePage(CircuitOf(document));
        if (page.failure) return {{}, Tr(*page.failure)};
        const std::vector<int> withoutCurrent = BranchesWithoutCurrent(document);
        if (!withoutCurrent.empty()) return {{}, NoBranchCurrentMessage(withoutCurrent)};
        const QString shown = ShownLines(Shown(*page.page, document));
        return {form == ResultsForm::Full ? FullLines(*page.page) : shown, std::nullopt};
    } catch (const CalcError& e) {
        return {{}, Tr(e.description())};
    }
}

ShownCalculation ShownResultsOf(const CircuitDocument& document)
{
    try {
        const PageCalculation page = CalculatePage(CircuitOf(document));
        if (page.failure) return {std::nullopt, Tr(*page.failure)};
        return {Shown(*page.page, document), std::nullopt};
    } catch (const CalcError& e) {
        return {std::nullopt, Tr(e.description())};
    }
}
