#include "document/page_calculation.h"

#include "document/document_texts.h"

namespace {

bool HasCapacitor(const Circuit& c)
{
    for (int b = 1; b <= BranchCount(c); ++b)
        if (ElementsOfBranch(c, b).c != 0) return true;
    return false;
}

CalculatedPage WithPhases(const Circuit& c, LoopResults values)
{
    CalculatedPage page{c, std::move(values), {0}, {0}};
    for (int b = 1; b <= BranchCount(c); ++b) {
        page.currentPhase.push_back(PagePhase(page.values.branchCurrent[b]));
        page.voltagePhase.push_back(PagePhase(page.values.branchVoltage[b]));
    }
    page.inputImpedanceMagnitude = Magnitude(page.values.inputImpedance);
    page.inputImpedancePhase = PagePhase(page.values.inputImpedance);
    return page;
}

}  // namespace

PageCalculation CalculatePage(const Circuit& c)
{
    // An E of zero drives no current, and a capacitor at zero frequency has
    // no finite impedance.
    if (SourceVoltage(c) == 0) return {texts::kEmfNotZero};
    if (Frequency(c) == 0 && HasCapacitor(c)) return {texts::kCapacitorAtZero};
    std::optional<LoopResults> values = AnalyseAt(c, Frequency(c));
    if (!values) return {texts::kCannotCalculate, true};
    return {std::nullopt, false, WithPhases(c, std::move(*values))};
}
