#include "document/circuit_of_document.h"

#include "calc/calc_error.h"
#include "calc/loop_analysis.h"
#include "document/qstring_utf8.h"

namespace {

EnteredValue Entered(const ValueEntry& value, UnitList units)
{
    return {EnteredNumber(value), MultiplierOf(units, Std(value.unit)).value()};
}

}  // namespace

Circuit CircuitOf(const CircuitDocument& d)
{
    Circuit c = NewCircuit(d.loops, d.branches);
    for (int b = 1; b <= d.branches; ++b)
        SetBranchElements(c, b, ElementsOf(d.elements[b - 1].value_or(ElementEntry{})));
    SetSourceVoltage(c, Entered(d.emf, units::kEmf));
    SetFrequency(c, Entered(d.frequency, units::kFrequency));
    for (int j = 1; j <= d.loops; ++j)
        for (int k = j; k <= d.loops; ++k)
            if (const auto& marks = d.matrix[MatrixPosition(j, k)]) DefineMatrixElement(c, j, k, *marks);
    for (int b = 1; b <= d.branches; ++b)
        if (const auto& marks = d.currents[b - 1]) DefineBranchCurrent(c, b, *marks);
    return c;
}

double FrequencyOf(const CircuitDocument& document) { return EnteredBaseValue(document.frequency, units::kFrequency); }

Complex MatrixElementValue(const CircuitDocument& d, int j, int k)
{
    const std::optional<SignedSumMarks>& marks = d.matrix[MatrixPosition(j, k)];
    std::vector<Complex> impedance(static_cast<size_t>(d.branches) + 1);
    if (!marks) return {};
    try {
        const double frequency = FrequencyOf(d);
        for (int b = 1; b <= d.branches; ++b) {
            try {
                impedance[b] = BranchImpedanceAt(ElementsOf(d.elements[b - 1].value_or(ElementEntry{})), frequency);
            } catch (const CalcError&) {
            }
        }
    } catch (const CalcError&) {
        return {};
    }
    return MatrixElementSum(*marks, impedance, j == k);
}
