#include "document/results_text.h"

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

QString ShownLines(const Circuit& c, const DisplayUnits& units)
{
    QString text;
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(QStringLiteral("Z%1").arg(b), DisplayValue(c.BrImp[b].re, ImpedanceMultiplier(units, b)),
                     DisplayValue(c.BrImp[b].im, ImpedanceMultiplier(units, b)), units.impedance[b - 1]);
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(Numbered('I', b), DisplayValue(c.BrCurAbs[b], CurrentMultiplier(units, b)),
                     GeneralText(c.BrCurPh[b]), units.current[b - 1]);
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(Numbered('V', b), DisplayValue(c.BrVolAbs[b], VoltageMultiplier(units, b)),
                     GeneralText(c.BrVolPh[b]), units.voltage[b - 1]);
    return text + Line(QStringLiteral("Zi"), DisplayValue(c.ZiAbs, InputImpedanceMultiplier(units)),
                       GeneralText(c.ZiPh), units.inputImpedance);
}

QString FullLines(const Circuit& c)
{
    QString text;
    const QString ohm = U8(texts::kOhm), ampere = U8(texts::kAmpere), volt = U8(texts::kVolt);
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(QStringLiteral("Z%1").arg(b), ShortestText(c.BrImp[b].re), ShortestText(c.BrImp[b].im), ohm);
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(Numbered('I', b), ShortestText(c.BrCurAbs[b]), ShortestText(ExactPhase(c.BrCur[b])), ampere);
    for (int b = 1; b <= c.BrCnt; ++b)
        text += Line(Numbered('V', b), ShortestText(c.BrVolAbs[b]), ShortestText(ExactPhase(c.BrVol[b])), volt);
    return text + Line(QStringLiteral("Zi"), ShortestText(c.ZiAbs), ShortestText(ExactPhase(c.ZReg)), ohm);
}

}  // namespace

ResultsText ResultsOf(const CircuitDocument& document, ResultsForm form)
{
    try {
        Circuit c = CircuitOf(document);
        const PageCalculation page = CalculatePage(c);
        if (page.failure) return {{}, U8(*page.failure)};
        const std::vector<int> withoutCurrent = BranchesWithoutCurrent(document);
        if (!withoutCurrent.empty()) return {{}, NoBranchCurrentMessage(withoutCurrent)};
        // Showing a value can overflow, as it does on the calculation page.
        const QString shown = ShownLines(c, DisplayUnitsOf(document));
        return {form == ResultsForm::Full ? FullLines(c) : shown, std::nullopt};
    } catch (const CalcError& e) {
        return {{}, U8(e.description())};
    }
}
