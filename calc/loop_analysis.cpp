#include "loop_analysis.h"

#include <algorithm>

#include "analysis.h"
#include "branch_impedance.h"
#include "checked.h"
#include "loop_matrix.h"
#include "signed_sum.h"

Circuit NewCircuit(int loops, int branches)
{
    Circuit c;
    c.LoopCnt = static_cast<int16_t>(loops);
    c.BrCnt = static_cast<int16_t>(branches);
    InitCircuitData(c);
    c.EmfCpx = {c.Emf, 0};
    return c;
}

int LoopCount(const Circuit& c) { return c.LoopCnt; }

int BranchCount(const Circuit& c) { return c.BrCnt; }

void SetBranchElements(Circuit& c, int b, const BranchElements& elements)
{
    c.BrR[b] = elements.r;
    c.BrL[b] = elements.l;
    c.BrC[b] = elements.c;
}

BranchElements ElementsOfBranch(const Circuit& c, int b) { return {c.BrR[b], c.BrL[b], c.BrC[b]}; }

void SetSourceVoltage(Circuit& c, const EnteredValue& emf)
{
    const double volts = checked::Chk(emf.multiplier * emf.number);
    c.EmfVal = emf.number;
    c.EmfMul = emf.multiplier;
    c.Emf = volts;
    c.EmfCpx = {volts, 0};
}

void SetFrequency(Circuit& c, const EnteredValue& frequency)
{
    const double hertz = checked::Chk(frequency.multiplier * frequency.number);
    c.FrqVal = frequency.number;
    c.FrqMul = frequency.multiplier;
    c.Frq = hertz;
}

double SourceVoltage(const Circuit& c) { return c.Emf; }

double Frequency(const Circuit& c) { return c.Frq; }

void DefineMatrixElement(Circuit& c, int j, int k, const Marks& marks)
{
    if (j == k)
        SetZDiagDef(c, 11 * j, marks);
    else
        SetZMutDef(c, 10 * j + k, marks);
}

void DefineBranchCurrent(Circuit& c, int b, const Marks& marks) { SetCurDef(c, b, marks); }

Complex BranchImpedanceAt(const BranchElements& elements, double frequency)
{
    Complex z;
    BrZCalc(z, elements.r, elements.l, elements.c, frequency);
    return z;
}

Complex MatrixElementSum(const Marks& marks, const std::vector<Complex>& branchImpedance, bool diagonal)
{
    const int last = static_cast<int>(std::min(marks.size(), branchImpedance.size())) - 1;
    Complex sum = SignedSum(marks.data(), branchImpedance.data(), 1, last, !diagonal);
    cpx_detail::Store(sum, sum);
    return sum;
}

bool LoopAnalysis::At(double frequency)
{
    c_.Frq = frequency;
    return calciz(c_) == AnalysisOutcome::Solved;
}

LoopResults LoopAnalysis::Results() const { return {c_.BrImp, c_.BrCur, c_.BrCurAbs, c_.BrVol, c_.BrVolAbs, c_.ZReg}; }

LoopMatrix LoopMatrixAt(const Circuit& circuit, double frequency)
{
    Circuit c = circuit;
    for (int b = 1; b <= c.BrCnt; ++b) BrZCalc(c.BrImp[b], c.BrR[b], c.BrL[b], c.BrC[b], frequency);
    AsmLoopMat(c);
    return c.LoopMat;
}

std::optional<LoopResults> AnalyseAt(const Circuit& circuit, double frequency)
{
    LoopAnalysis analysis(circuit);
    if (!analysis.At(frequency)) return std::nullopt;
    return analysis.Results();
}

double PagePhase(const Complex& z)
{
    double AngRes = 0;
    CpxPh(z, AngRes);
    return AngRes;
}
