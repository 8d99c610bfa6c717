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

QString Line(const QString& name, const std::string& first, const std::string& second, const QString& unit)
{
    return name + '\t' + U8(first) + '\t' + U8(second) + '\t' + unit + '\n';
}

QString Numbered(char letter, int b) { return QChar(letter) + QStringLiteral("%1").arg(b, 2, 10, QChar('0')); }

QString ShownLines(const CalculatedPage& page, const DisplayUnits& units)
{
    const LoopResults& v = page.values;
    const int branches = BranchCount(page.circuit);
    QString text;
    for (int b = 1; b <= branches; ++b)
        text += Line(QStringLiteral("Z%1").arg(b), DisplayValue(v.branchImpedance[b].re, ImpedanceMultiplier(units, b)),
                     DisplayValue(v.branchImpedance[b].im, ImpedanceMultiplier(units, b)), Tr(units.impedance[b - 1]));
    for (int b = 1; b <= branches; ++b)
        text += Line(Numbered('I', b), DisplayValue(v.branchCurrentMagnitude[b], CurrentMultiplier(units, b)),
                     GeneralText(page.currentPhase[b]), Tr(units.current[b - 1]));
    for (int b = 1; b <= branches; ++b)
        text += Line(Numbered('V', b), DisplayValue(v.branchVoltageMagnitude[b], VoltageMultiplier(units, b)),
                     GeneralText(page.voltagePhase[b]), Tr(units.voltage[b - 1]));
    return text + Line(QStringLiteral("Zi"),
                       DisplayValue(page.inputImpedanceMagnitude, InputImpedanceMultiplier(units)),
                       GeneralText(page.inputImpedancePhase), Tr(units.inputImpedance));
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
        // Showing a value can overflow, as it does on the calculation page.
        const QString shown = ShownLines(*page.page, DisplayUnitsOf(document));
        return {form == ResultsForm::Full ? FullLines(*page.page) : shown, std::nullopt};
    } catch (const CalcError& e) {
        return {{}, Tr(e.description())};
    }
}
