#include "document/circuit_of_document.h"

#include <algorithm>

#include "calc/analysis.h"
#include "calc/checked.h"
#include "calc/loop_matrix.h"
#include "document/qstring_utf8.h"

namespace {

void SetElements(Circuit& c, const CircuitDocument& d)
{
    for (int b = 1; b <= c.BrCnt; ++b) {
        const BranchElements e = ElementsOf(d.elements[b - 1].value_or(ElementEntry{}));
        c.BrR[b] = e.r;
        c.BrL[b] = e.l;
        c.BrC[b] = e.c;
    }
}

void SetSource(Circuit& c, const CircuitDocument& d)
{
    c.EmfVal = EnteredNumber(d.emf);
    c.EmfMul = MultiplierOf(units::kEmf, Std(d.emf.unit)).value();
    c.Emf = checked::Chk(c.EmfMul * c.EmfVal);
    c.EmfCpx = {c.Emf, 0};
    c.FrqVal = EnteredNumber(d.frequency);
    c.FrqMul = MultiplierOf(units::kFrequency, Std(d.frequency.unit)).value();
    c.Frq = checked::Chk(c.FrqMul * c.FrqVal);
}

void SetDefinitions(Circuit& c, const CircuitDocument& d)
{
    for (int j = 1; j <= c.LoopCnt; ++j)
        for (int k = j; k <= c.LoopCnt; ++k)
            if (const auto& marks = d.matrix[MatrixPosition(j, k)]) {
                if (j == k)
                    SetZDiagDef(c, 11 * j, *marks);
                else
                    SetZMutDef(c, 10 * j + k, *marks);
            }
    for (int b = 1; b <= c.BrCnt; ++b)
        if (const auto& marks = d.currents[b - 1]) SetCurDef(c, b, *marks);
}

}  // namespace

Circuit CircuitOf(const CircuitDocument& d)
{
    Circuit c;
    c.LoopCnt = static_cast<int16_t>(d.loops);
    c.BrCnt = static_cast<int16_t>(d.branches);
    InitCircuitData(c);
    SetElements(c, d);
    SetSource(c, d);
    SetDefinitions(c, d);
    return c;
}

Circuit ResizedCircuit(const Circuit& circuit, const CircuitDocument& resized)
{
    Circuit c;
    c.LoopCnt = static_cast<int16_t>(resized.loops);
    c.BrCnt = static_cast<int16_t>(resized.branches);
    InitCircuitData(c);
    for (int b = 1; b <= std::min(c.BrCnt, circuit.BrCnt); ++b) {
        c.BrR[b] = circuit.BrR[b];
        c.BrL[b] = circuit.BrL[b];
        c.BrC[b] = circuit.BrC[b];
        c.BrImp[b] = circuit.BrImp[b];
    }
    c.FrqVal = circuit.FrqVal;
    c.FrqMul = circuit.FrqMul;
    c.Frq = circuit.Frq;
    c.EmfVal = circuit.EmfVal;
    c.EmfMul = circuit.EmfMul;
    c.Emf = circuit.Emf;
    c.EmfCpx = circuit.EmfCpx;
    SetDefinitions(c, resized);
    return c;
}
