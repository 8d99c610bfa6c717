#pragma once
// One curve of the graphs, the input impedance or one branch's current or
// voltage, and its exact value at a frequency as the analysis gives it.

#include <optional>
#include <vector>

#include <QChar>
#include <QString>

#include "calc/circuit.h"
#include "sweep/graph_state.h"

struct PlottedCurve {
    PlottedQuantity quantity = PlottedQuantity::InputImpedance;
    int branch = 0;  // 1 … 15 for a branch quantity, 0 for the input impedance
    // The value of a stepped family the curve is drawn for, from 0; −1 for
    // the curve of a single circuit.
    int member = -1;
    bool operator==(const PlottedCurve&) const = default;
};

// "Zi", "I03", "V07".
QString CurveName(const PlottedCurve& curve);

// Branch captions "I01" … "I09", "I10" … "I15" (or with "V").
inline QString BranchCaption(QChar letter, int b)
{
    return QString(letter) + QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0'));
}

// The curve's value at one frequency.
struct CurvePoint {
    double frequency = 0;  // Hz
    Complex value;
    double magnitude = 0;  // in base units
    double phase = 0;      // degrees, in (−180, 180]
};

// Runs the analysis at `frequency` on a copy of the circuit: reading a curve leaves the circuit and its results as
// they are. Nothing where the loop matrix cannot be inverted or the
// arithmetic fails.
std::optional<CurvePoint> AnalyseCurveAt(const Circuit& circuit, const PlottedCurve& curve, double frequency);
// The same at several frequencies, analysed side by side.
std::vector<std::optional<CurvePoint>> AnalyseCurveAt(const Circuit& circuit, const PlottedCurve& curve,
                                                      const std::vector<double>& frequencies);
