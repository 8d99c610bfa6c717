#pragma once
// The calculation by purpose, for the code outside calc/: a circuit formed
// from what was entered, and the analysis at a frequency as named values.
// Inside calc/ the same data keep their short names (circuit.h).

#include <optional>
#include <vector>

#include "circuit.h"
#include "complex.h"

// R in Ω, L in H and C in F of one branch; C = 0: no capacitor.
struct BranchElements {
    double r = 0, l = 0, c = 0;
    bool operator==(const BranchElements&) const = default;
};

// A number as entered and the multiplier of its unit.
struct EnteredValue {
    double number = 0;
    double multiplier = 1;
};

// A circuit of the size with nothing defined: every element 0, E = 1 V and
// f = 100 Hz. Counts outside 2 … 15 branches / 2 … 5 loops throw
// std::invalid_argument.
Circuit NewCircuit(int loops, int branches);

int LoopCount(const Circuit& c);
int BranchCount(const Circuit& c);

void SetBranchElements(Circuit& c, int b, const BranchElements& elements);
BranchElements ElementsOfBranch(const Circuit& c, int b);

// E and f: each the number times its multiplier, which raises a CalcError
// when it overflows; the circuit is then left as it was.
void SetSourceVoltage(Circuit& c, const EnteredValue& emf);
void SetFrequency(Circuit& c, const EnteredValue& frequency);
double SourceVoltage(const Circuit& c);
double Frequency(const Circuit& c);

// Matrix element Zjk, 1 ≤ j ≤ k ≤ loops, from the marks the matrix dialog
// hands back: place 0 is 1 for an off-diagonal element declared zero,
// places 1 … 15 mark the branches; −1 marks do not count on the diagonal.
// Branch b's current from the marks of the loop currents, places 1 … 5.
// Marks shorter than the circuit count as zeros beyond their end.
void DefineMatrixElement(Circuit& c, int j, int k, const Marks& marks);
void DefineBranchCurrent(Circuit& c, int b, const Marks& marks);

// The impedance of a series R-L-C branch at the frequency; a capacitor at
// 0 Hz divides by zero (error 11).
Complex BranchImpedanceAt(const BranchElements& elements, double frequency);

// The value of a matrix element defined by the marks, over the branch
// impedances (branch b at [b]): their signed sum, in which −1 marks do not
// count on the diagonal. An overflow raises error 6.
Complex MatrixElementSum(const Marks& marks, const std::vector<Complex>& branchImpedance, bool diagonal);

// The analysis at one frequency with the circuit's E in loop 1. Each list
// holds branch b at [b], b = 1 … branches; [0] is unused.
struct LoopResults {
    std::vector<Complex> branchImpedance;
    std::vector<Complex> branchCurrent;
    std::vector<double> branchCurrentMagnitude;
    std::vector<Complex> branchVoltage;
    std::vector<double> branchVoltageMagnitude;
    Complex inputImpedance;  // E ÷ I1
};

// The analysis of one circuit at one frequency after another, on its own copy,
// for sweeps: nothing is copied or allocated per frequency.
class LoopAnalysis {
public:
    explicit LoopAnalysis(const Circuit& circuit) : c_(circuit) {}

    // False where the loop matrix is singular; the values below then mean
    // nothing. Arithmetic errors raise a CalcError.
    bool At(double frequency);

    int Branches() const { return c_.BrCnt; }
    const Complex& InputImpedance() const { return c_.ZReg; }
    const Complex& BranchCurrent(int b) const { return c_.BrCur[b]; }
    double BranchCurrentMagnitude(int b) const { return c_.BrCurAbs[b]; }
    const Complex& BranchVoltage(int b) const { return c_.BrVol[b]; }
    double BranchVoltageMagnitude(int b) const { return c_.BrVolAbs[b]; }
    LoopResults Results() const;

private:
    Circuit c_;
};

// The loop impedance matrix at the frequency as the analysis assembles it,
// Z(j, k) for j, k = 1 … loops.
LoopMatrix LoopMatrixAt(const Circuit& circuit, double frequency);

// Nothing where the loop matrix is singular; arithmetic errors raise a
// CalcError. The circuit is left as it is.
std::optional<LoopResults> AnalyseAt(const Circuit& circuit, double frequency);

// The magnitude of a value as the analysis forms it.
inline double Magnitude(const Complex& z) { return CpxAbs(z); }
// The phase in degrees as the calculation page shows it, rounded to four
// decimals.
double PagePhase(const Complex& z);
// log10 x; x ≤ 0 raises error 6.
inline double CommonLogarithm(double x) { return Lg10(x); }
